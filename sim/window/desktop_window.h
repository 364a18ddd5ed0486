// The system's side of `kadenzo-sim window`: a window with a graphics context, Dear ImGui's platform
// and renderer backends bound to the host's own context, and the steps of a frame with which the loop
// every window shares (frame_loop.h) draws a WindowSession's frames into it. One implementation per
// platform, picked by CMake: desktop_window_win32.cpp (Win32 and Direct3D 11) on Windows,
// desktop_window_glfw.cpp (GLFW and OpenGL 3) where GLFW is found, desktop_window_unavailable.cpp
// elsewhere.
#pragma once

#include "render/scene.h"

#include <memory>
#include <optional>
#include <string>

struct ImGuiContext;

namespace kadenzo::sim {

class WindowSession;

class DesktopWindow {
public:
    virtual ~DesktopWindow() = default;

    // Draws the session's frames: FRAMES of them when given, else until the person closes the window or
    // the session closes it (WindowSession::closing: quit, or a line of the script's failed). Frames of a fixed count follow each other at once; otherwise they come
    // at most 60 times a second. With KEEP_LAST_FRAME, returns the window's own pixels as the last
    // frame left them (read back from the graphics card, top row first, opaque); else an empty image.
    // Exceptions of the session's steps pass through.
    virtual render::Image run(WindowSession& session, std::optional<int> frames, bool keepLastFrame) = 0;
};

// Whether this build can open windows at all.
bool desktopWindowsAvailable();

// Opens a window of WIDTH x HEIGHT pixels titled TITLE, in which CONTEXT (the host's Dear ImGui context)
// is drawn. Null, with the reason in ERROR ("no display (DISPLAY is not set)", or what the window system
// said), when there is no display or no window could be made.
std::unique_ptr<DesktopWindow> openDesktopWindow(const std::string& title, int width, int height,
                                                 ImGuiContext* context, std::string& error);

} // namespace kadenzo::sim
