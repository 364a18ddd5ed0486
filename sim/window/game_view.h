// The game as the desktop window shows it: the canvas of the last frame with what the plugin drew on
// it, rendered to pixels by the renderer of kadenzo-sim's pictures (so it looks as `play --out` pictures
// do) and scaled to fit the window.
#pragma once

#include "canvas.h"
#include "render/scene.h"

#include <imgui.h>

#include <memory>
#include <vector>

namespace kadenzo::render {
class OffscreenRenderer;
}

namespace kadenzo::sim {

// Where the canvas lies in the display, in display units.
struct ViewRect {
    float x = 0, y = 0, width = 0, height = 0;
};

// The largest rectangle of the canvas's shape that fits the display, centred in it.
ViewRect fitCanvas(Vector2 canvasSize, ImVec2 displaySize);

class GameView {
public:
    GameView();
    ~GameView();
    GameView(const GameView&) = delete;
    GameView& operator=(const GameView&) = delete;

    // The canvas's pixels when what it shows (its size or any text) changed since the last call, or
    // null when it did not. Throws std::runtime_error when the renderer cannot be set up.
    const render::Image* update(const halvex::host::Canvas& canvas);

    // Draw data of its own, apart from the host's interface, that puts TEXTURE (the pixels update()
    // returned last) into a display of DISPLAY_SIZE as fitCanvas() places it. Made with the current Dear
    // ImGui context, for its renderer; valid until the next call.
    ImDrawData* drawData(ImTextureID texture, ImVec2 displaySize, ImVec2 framebufferScale);

private:
    std::unique_ptr<render::OffscreenRenderer> renderer;
    bool rendered = false;
    Vector2 renderedSize{0, 0};
    std::vector<halvex::host::CanvasText> renderedTexts;
    render::Image pixels;

    std::unique_ptr<ImDrawList> list;
    ImDrawList* lists[1] = {nullptr};
    ImDrawData data;
};

// Swaps one texture id for another in every command of DRAW_DATA for as long as it lives, and back: the
// host's interface names its font by the address of the font's pixels (as the picture renderer expects),
// a graphics backend by its own texture.
class TextureIdSwap {
public:
    TextureIdSwap(ImDrawData& drawData, ImTextureID from, ImTextureID to);
    ~TextureIdSwap();
    TextureIdSwap(const TextureIdSwap&) = delete;
    TextureIdSwap& operator=(const TextureIdSwap&) = delete;

private:
    void replace(ImTextureID from, ImTextureID to);

    ImDrawData& drawData;
    ImTextureID original;
    ImTextureID replacement;
};

} // namespace kadenzo::sim
