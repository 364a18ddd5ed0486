// Pictures rendered headless by the in-memory renderer and written as PNG.
#include "pictures/pictures.h"

#include "render/image_crop.h"
#include "render/offscreen_renderer.h"
#include "render/png_writer.h"
#include "render/triangle_rasterizer.h"

namespace kadenzo::sim {

PictureWriter::PictureWriter() = default;
PictureWriter::~PictureWriter() = default;

bool PictureWriter::write(const Picture& picture, const std::string& path, std::string& error) {
    if (!renderer) {
        std::string reason;
        renderer = render::OffscreenRenderer::create(reason);
        if (!renderer) {
            error = "cannot render " + path + ": " + reason;
            return false;
        }
    }
    render::Image image = renderer->render(picture.scene);
    if (picture.interface && picture.interfaceFont && !image.rgba.empty())
        render::rasterize(*picture.interface, *picture.interfaceFont, image);
    if (picture.region)
        image = render::cropImage(image, picture.region->x, picture.region->y, picture.region->width,
                                  picture.region->height);
    return render::writePng(path, image, error);
}

bool PictureWriter::write(const render::Scene& scene, const std::string& path, std::string& error) {
    return write(Picture{scene, nullptr, nullptr, std::nullopt}, path, error);
}

} // namespace kadenzo::sim
