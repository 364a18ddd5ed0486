// The desktop window's own panels, drawn with Dear ImGui into the host's context. They hold no platform
// code, so that every port of the window (GLFW and OpenGL, Win32 and Direct3D) shows the same ones:
// - the host's menu bar: Host (the settings window, quit) and Plugins (each plugin menu: togglemenu),
//   and at its right what keeps the plugin from acting (plugin_readiness.h)
// - Training: whether the plugin is enabled and the game in training, the game's events, whole attempts, the
// automatic player and the live chart
// - Console: the log and the command line
// - the keyboard shortcuts of the frequent events, named on their buttons
// Whatever a panel asks for runs as a console line between frames (WindowSession::request), so that it
// shows in the log as if typed.
#pragma once

#include <array>
#include <cstddef>

namespace kadenzo::sim {

class WindowSession;

// A button of the Training panel, and its key: what it runs, one console line per line of `lines`. Keys
// are the upper-case letters, which Dear ImGui's GLFW and Win32 backends both report under their ASCII
// codes; 0 for none.
struct GameAction {
    const char* label;
    char key;
    const char* lines;
    const char* tip;
};

// The key that starts and stops the automatic player.
constexpr char playerKey = 'P';

class WindowControls {
public:
    // Draws the menu bar and the panels, and runs the shortcuts of keys pressed in this frame unless a
    // text field has the keyboard.
    void draw(WindowSession& session);

private:
    void drawMenuBar(WindowSession& session);
    void drawTrainingPanel(WindowSession& session);
    void drawReadiness(WindowSession& session);
    void drawPlayer(WindowSession& session);
    void drawChart(WindowSession& session);
    void drawConsolePanel(WindowSession& session);
    void handleShortcuts(WindowSession& session);

    std::array<char, 4096> commandLine{};
    std::size_t logLinesSeen = 0;
    bool refocusCommandLine = false;
};

} // namespace kadenzo::sim
