// Where the desktop window's panels and the host's windows first appear, worked out from the window's
// size alone, so that at every size from 1024 x 640 up they lie inside the window, below the menu bar,
// and none covers another:
//   the host's settings window    top left
//   the Console                   under it, on the left
//   the plugin's window           beside the Console, at the right of the left column
//   the Training panel            a column on the right, below the plugin's overlay where there is room
// Afterwards every window stays where the person puts it.
#pragma once

#include "host_ui/host_interface.h"
#include "window/game_view.h"

namespace kadenzo::sim {

struct WindowLayout {
    WindowPlace settings;
    WindowPlace pluginWindow;
    WindowPlace training;
    WindowPlace console;
    // The height of each of the chart's two plots.
    float chartHeight = 0;
};

// The height of the host's menu bar with Dear ImGui's default font and style: the font's 13 pixels and
// the frame's padding above and below.
constexpr float menuBarHeight = 19.0f;

// The layout of a display of WIDTH x HEIGHT pixels whose game canvas lies at CANVAS (fitCanvas), whose
// top right quarter holds the plugin's overlay.
WindowLayout layoutWindow(float width, float height, const ViewRect& canvas);

} // namespace kadenzo::sim
