// The host's own user interface: one Dear ImGui context with the default font, the host's settings
// window around the plugin's page, the plugin's window while its menu is open, and the pointer and
// keyboard that scripts move.
//
// Index of this file:
// - UserInput: what the pointer and keyboard do in the next frame
// - WindowPlace, HostInterface: the context, the frame, the menus, input routing
#pragma once

#include "halvex/plugin.h"
#include "halvex/types.h"
#include "render/triangle_rasterizer.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

struct ImGuiContext;
struct ImDrawData;

namespace halvex::host {
class HostState;
}

namespace kadenzo::sim {

// ---- UserInput ---------------------------------------------------------------------------------

// The state of the pointer and keyboard that the next frame sees. Typed text, Enter and Escape last one
// frame.
struct UserInput {
    // Screen pixels; starts outside every window, so that nothing is hovered until a script moves it.
    float pointerX = -1e9f, pointerY = -1e9f;
    bool leftButton = false;
    bool ctrl = false;
    std::string typed;
    bool enter = false;
    bool escape = false;
};

// ---- HostInterface -----------------------------------------------------------------------------

// Where a window first appears and how large, in screen pixels.
struct WindowPlace {
    float x = 0, y = 0, width = 0, height = 0;
};

// The host's own windows beside the plugin's, as a desktop window shows them (its menu bar and panels).
// Both are called with the context current, in every frame.
struct HostPanels {
    // Before any window begins, once Dear ImGui has the frame's display size: where the host's windows
    // first appear (placeWindows).
    std::function<void()> arrange;
    // After the plugin's windows, into the same frame.
    std::function<void()> draw;
};

class HostInterface {
public:
    // The title of the host's settings window.
    static constexpr const char* settingsTitle = "Settings";

    // Creates the context and its font. Trace lines go through the host's trace.
    explicit HostInterface(halvex::host::HostState& host);
    ~HostInterface();
    HostInterface(const HostInterface&) = delete;
    HostInterface& operator=(const HostInterface&) = delete;

    // Hands the context to a freshly loaded plugin through both of its window interfaces (either may
    // be null when the plugin lacks it), as the host does right after onLoad. Its menu starts closed.
    void attach(Halvex::Plugin::PluginSettingsWindow* settingsPage, Halvex::Plugin::PluginWindow* window);
    // Forgets the plugin before it is unloaded: no more calls into it, its menu closed.
    void detach();

    // Where the settings window and the plugin's window appear the first time each is shown (by default
    // the settings at 40,40, 640 x 420, the plugin's window at 720,300, 320 x 160); afterwards they stay
    // where the user leaves them.
    void placeWindows(const WindowPlace& settings, const WindowPlace& pluginWindow);

    bool settingsShown() const { return showSettings; }
    void setSettingsShown(bool shown) { showSettings = shown; }

    // Opens the named menu (OnOpen) or closes it (OnClose). False when no menu has that name.
    bool toggleMenu(const std::string& name);
    bool menuOpen() const { return pluginMenuOpen; }

    UserInput& input() { return pending; }
    const UserInput& input() const { return pending; }

    // From now on the interface is shown in a desktop window, which adds PANELS to every frame. Until
    // the window's own first frame its display is DISPLAY_SIZE.
    void showInDesktopWindow(Vector2 displaySize, HostPanels panels);

    // One frame seeing the scripted input(), over a display of DISPLAY_SIZE (the canvas's, for the
    // console), or in a desktop window over the window's display as its last frame had it: the settings
    // window with the plugin's page when it is shown, the plugin's window while its menu is open, the
    // host's panels, then the question whether the plugin wants the input (traced when the answer
    // changes).
    // Rationale: a scripted frame in a desktop window (a `click` typed in its console) is one of that
    // window's frames with other input, so that it shows what the window's own frames show and finds
    // the same widgets.
    void frame(Vector2 displaySize);
    // The same frame for a desktop window, whose platform code feeds Dear ImGui itself: with the context
    // current, PLATFORM_INPUT gives Dear ImGui the display size, the time step and the real pointer and
    // keyboard. The platform's renderer then draws the frame (drawData()). Scripted frames may come in
    // between.
    void frame(const std::function<void()>& platformInput);

    // Whether the plugin asked, after the last frame, that the input be kept from the game.
    bool inputBlocked() const { return blocked; }

    // The context, for reading back what the last frame drew. Never null.
    ImGuiContext* context() const { return imgui; }
    // The last frame's draw data, or null before the first frame.
    const ImDrawData* drawData() const;
    // The font atlas the draw data samples.
    const render::AlphaTexture& fontTexture() const { return font; }

    // The Dear ImGui release the host's interface runs, such as "1.77". A plugin reads and writes the
    // host's context by the layouts of the release it was built with, so it must be built with this one.
    static const char* imguiRelease();

private:
    // From NewFrame to Render, with the input already given to Dear ImGui.
    void drawFrame();
    void drawSettingsWindow();
    void drawPluginWindow();
    void askWhetherInputIsBlocked();

    halvex::host::HostState& host;
    ImGuiContext* imgui = nullptr;
    render::AlphaTexture font;
    UserInput pending;
    bool framed = false;

    Halvex::Plugin::PluginSettingsWindow* page = nullptr;
    Halvex::Plugin::PluginWindow* window = nullptr;
    WindowPlace settingsPlace;
    WindowPlace pluginWindowPlace;
    HostPanels panels;
    // The display of the desktop window the interface is shown in, if any, in pixels.
    struct DisplaySize {
        float width, height;
    };
    std::optional<DisplaySize> desktopDisplay;
    bool showSettings = false;
    bool pluginMenuOpen = false;
    bool blocked = false;
};

} // namespace kadenzo::sim
