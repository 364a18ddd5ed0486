// Pictures the simulator writes: a frame of the game canvas, and a chart of a training session.
#pragma once

#include "canvas.h"
#include "pictures/ten_attempt_windows.h"
#include "render/scene.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct ImDrawData;

namespace kadenzo::render {
class OffscreenRenderer;
struct AlphaTexture;
} // namespace kadenzo::render

namespace kadenzo::sim {

// The canvas texts at their positions, colours and scales on a plain dark background.
render::Scene canvasScene(Vector2 size, const std::vector<halvex::host::CanvasText>& texts);

// A part of a picture, in its pixels.
struct PictureRegion {
    int x = 0, y = 0, width = 0, height = 0;
};

// The region the canvas texts cover, with a margin around them, within the canvas; nothing when
// there are no texts.
std::optional<PictureRegion> canvasTextRegion(Vector2 size,
                                              const std::vector<halvex::host::CanvasText>& texts, int margin);

// What a picture shows: a scene, the host's interface drawn over it when given (the draw data of a
// Dear ImGui frame and the font it samples), cut to a region when given.
struct Picture {
    render::Scene scene;
    const ImDrawData* interface = nullptr;
    const render::AlphaTexture* interfaceFont = nullptr;
    std::optional<PictureRegion> region;
};

// Game speed and window accuracy over a session, with the target accuracy marked, as bars of one window
// or, for a longer session, of a round number of windows (chart_layout.h), the attempts along the bottom.
// Speeds that are no finite number are left out of the line; the chart is drawn whatever the speeds were.
render::Scene speedChartScene(const TenAttemptWindows& windows, float targetAccuracy);

// Renders scenes to PNG files. The renderer is set up on first use.
class PictureWriter {
public:
    PictureWriter();
    ~PictureWriter();
    PictureWriter(const PictureWriter&) = delete;
    PictureWriter& operator=(const PictureWriter&) = delete;

    // False with a message naming the file and the cause when the picture cannot be written.
    bool write(const Picture& picture, const std::string& path, std::string& error);
    bool write(const render::Scene& scene, const std::string& path, std::string& error);

private:
    std::unique_ptr<render::OffscreenRenderer> renderer;
};

} // namespace kadenzo::sim
