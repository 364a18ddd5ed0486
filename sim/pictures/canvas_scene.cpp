// A frame of the game canvas as a scene: the texts the plugin drew, where and how it drew them.
#include "pictures/pictures.h"

#include <algorithm>
#include <cmath>

namespace kadenzo::sim {

render::Scene canvasScene(Vector2 size, const std::vector<halvex::host::CanvasText>& texts) {
    render::Scene scene;
    scene.width = size.X;
    scene.height = size.Y;
    // A dark grey like a dim game scene, so that white text and the markers stand out.
    scene.background = render::Color{38.0f, 44.0f, 52.0f, 255.0f};
    for (const halvex::host::CanvasText& text : texts)
        scene.items.push_back(render::Text{
            text.text, static_cast<float>(text.position.X), static_cast<float>(text.position.Y), text.xScale,
            text.yScale, render::Color{text.color.R, text.color.G, text.color.B, text.color.A}});
    return scene;
}

namespace {
// A canvas character is about 8.5 pixels wide and 16 high at scale 1.0.
constexpr float characterWidth = 8.5f;
constexpr float characterHeight = 16.0f;
} // namespace

std::optional<PictureRegion>
canvasTextRegion(Vector2 size, const std::vector<halvex::host::CanvasText>& texts, int margin) {
    if (texts.empty()) return std::nullopt;
    float left = static_cast<float>(size.X), top = static_cast<float>(size.Y), right = 0, bottom = 0;
    for (const halvex::host::CanvasText& text : texts) {
        const float x = static_cast<float>(text.position.X);
        const float y = static_cast<float>(text.position.Y);
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + characterWidth * text.xScale * static_cast<float>(text.text.size()));
        bottom = std::max(bottom, y + characterHeight * text.yScale);
    }
    const int x0 = std::max(0, static_cast<int>(left) - margin);
    const int y0 = std::max(0, static_cast<int>(top) - margin);
    const int x1 = std::min(size.X, static_cast<int>(std::ceil(right)) + margin);
    const int y1 = std::min(size.Y, static_cast<int>(std::ceil(bottom)) + margin);
    if (x1 <= x0 || y1 <= y0) return std::nullopt;
    return PictureRegion{x0, y0, x1 - x0, y1 - y0};
}

} // namespace kadenzo::sim
