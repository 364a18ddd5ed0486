// Pictures rendered headless by the in-memory renderer and written as PNG.
#include "pictures.h"

#include "render/offscreen_renderer.h"
#include "render/png_writer.h"

namespace kadenzo::sim {

PictureWriter::PictureWriter() = default;
PictureWriter::~PictureWriter() = default;

bool PictureWriter::write(const render::Scene& scene, const std::string& path, std::string& error) {
    if (!renderer) {
        std::string reason;
        renderer = render::OffscreenRenderer::create(reason);
        if (!renderer) {
            error = "cannot render " + path + ": " + reason;
            return false;
        }
    }
    return render::writePng(path, renderer->render(scene), error);
}

} // namespace kadenzo::sim
