// The frame loop every desktop window shares, and the steps of a frame it leaves to the platform: its
// window system's events, its graphics and Dear ImGui's backends for them. desktop_window_PLATFORM.cpp
// provides the steps and runs the loop with them.
#pragma once

#include "render/scene.h"

#include <imgui.h>

#include <chrono>
#include <optional>

namespace kadenzo::sim {

class WindowSession;

// The font as the host's interface names it (by the address of its pixels, as kadenzo-sim's pictures
// draw it) and as the renderer backend does (by a texture of its own).
struct FontTextures {
    ImTextureID host = nullptr;
    ImTextureID backend = nullptr;
};

// The platform's steps, called with the host's Dear ImGui context current.
class FramePlatform {
public:
    virtual ~FramePlatform() = default;

    // Hands the window system's events to Dear ImGui's platform backend; false once the window is to
    // close.
    virtual bool handleEvents() = 0;
    // Puts the canvas's new pixels (never empty) into the texture canvasTexture() names.
    virtual void uploadCanvas(const render::Image& pixels) = 0;
    // Starts a frame of the renderer and platform backends, which give Dear ImGui the display and input.
    virtual void newBackendFrame() = 0;
    // Makes the back buffer, at the window's size, the target of drawing, and clears it to black.
    virtual void clearBackBuffer() = 0;
    // Draws DRAW_DATA into the back buffer with the renderer backend.
    virtual void renderDrawData(ImDrawData* drawData) = 0;
    virtual ImTextureID canvasTexture() const = 0;
    virtual FontTextures fontTextures() const = 0;
    // The back buffer's pixels as drawn so far, top row first; empty when they cannot be read.
    virtual render::Image readBackBuffer() = 0;
    // Shows the back buffer; WAIT_FOR_DISPLAY when the frames are not of a fixed count, where the
    // platform may wait for the display's next refresh.
    virtual void present(bool waitForDisplay) = 0;
    // Returns no earlier than TIME.
    virtual void sleepUntil(std::chrono::steady_clock::time_point time) = 0;
};

// Draws the session's frames with PLATFORM's steps, as DesktopWindow::run promises (desktop_window.h).
render::Image runFrames(FramePlatform& platform, WindowSession& session, std::optional<int> frames,
                        bool keepLastFrame);

} // namespace kadenzo::sim
