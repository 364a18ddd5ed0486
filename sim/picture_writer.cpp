// Pictures rendered headless by the in-memory renderer and written as PNG.
#include "pictures.h"

#include "render/offscreen_renderer.h"
#include "render/png_writer.h"

namespace kadenzo::sim {

struct PictureWriter::Renderer {
    std::unique_ptr<render::OffscreenRenderer> offscreen;
};

PictureWriter::PictureWriter() = default;
PictureWriter::~PictureWriter() = default;

bool PictureWriter::write(const render::Scene& scene, const std::string& path, std::string& error) {
    if (!renderer) {
        std::string reason;
        auto offscreen = render::OffscreenRenderer::create(reason);
        if (!offscreen) {
            error = "cannot render " + path + ": " + reason;
            return false;
        }
        renderer = std::make_unique<Renderer>(Renderer{std::move(offscreen)});
    }
    return render::writePng(path, renderer->offscreen->render(scene), error);
}

} // namespace kadenzo::sim
