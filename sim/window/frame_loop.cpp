// The frame loop of every desktop window: the session's steps around the platform's.
#include "window/frame_loop.h"

#include "window/game_view.h"
#include "window/window_session.h"

#include <algorithm>
#include <cstddef>

namespace kadenzo::sim {

namespace {

// Where the window system does not wait for the display, no more than 60 frames a second.
constexpr auto frameInterval = std::chrono::microseconds(16667);

// The game view, then the host's interface over it, each from its own draw data.
void draw(FramePlatform& platform, WindowSession& session) {
    platform.clearBackBuffer();
    const ImGuiIO& io = ImGui::GetIO();
    platform.renderDrawData(
        session.gameView().drawData(platform.canvasTexture(), io.DisplaySize, io.DisplayFramebufferScale));
    ImDrawData* hostInterface = ImGui::GetDrawData();
    if (!hostInterface) return;
    const FontTextures fonts = platform.fontTextures();
    TextureIdSwap font(*hostInterface, fonts.host, fonts.backend);
    platform.renderDrawData(hostInterface);
}

render::Image opaque(render::Image image) {
    for (std::size_t alpha = 3; alpha < image.rgba.size(); alpha += 4)
        image.rgba[alpha] = 255;
    return image;
}

} // namespace

render::Image runFrames(FramePlatform& platform, WindowSession& session, std::optional<int> frames,
                        bool keepLastFrame) {
    if (frames) session.useFixedTimeStep();
    render::Image lastFrame;
    auto nextFrame = std::chrono::steady_clock::now();
    for (int frame = 0; !frames || frame < *frames; ++frame) {
        if (!platform.handleEvents()) break;
        const render::Image* pixels = session.beforeFrame();
        if (pixels && !pixels->rgba.empty()) platform.uploadCanvas(*pixels);
        if (session.closing()) break;
        session.interfaceFrame([&platform] { platform.newBackendFrame(); });
        draw(platform, session);
        // The back buffer holds the frame until it is presented.
        if (keepLastFrame && frames && frame + 1 == *frames) lastFrame = opaque(platform.readBackBuffer());
        platform.present(!frames);
        session.afterFrame();
        if (!frames) {
            nextFrame = std::max(nextFrame + frameInterval, std::chrono::steady_clock::now());
            platform.sleepUntil(nextFrame);
        }
    }
    return lastFrame;
}

} // namespace kadenzo::sim
