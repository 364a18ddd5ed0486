// A frame of the game canvas as a scene: the texts the plugin drew, where and how it drew them.
#include "pictures.h"

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

} // namespace kadenzo::sim
