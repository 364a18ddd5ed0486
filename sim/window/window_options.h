// The options of `kadenzo-sim window`, checked completely before a window opens.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

struct WindowOptions {
    std::string pluginPath;
    std::string scriptPath;     // console commands run before the first frame; empty for none
    std::optional<int> frames;  // render this many frames, then close; none: until the window is closed
    std::string screenshotPath; // the window's pixels after the last frame, as PNG; empty for none
    int width = 1600;
    int height = 900;
};

// The frames a run with --screenshot but without --frames renders: a tab bar lays itself out in the first,
// so the picture shows the windows settled.
constexpr int screenshotFrames = 3;
// The largest window either way; as large as the largest canvas.
constexpr int largestWindowSize = 16384;
constexpr int smallestWindowSize = 64;

// Parses the arguments after "window" and declares the screenshot an output of the run
// (output::declareOutput, which checks its target). Creates nothing. Throws ConsoleError naming the bad
// argument.
WindowOptions parseWindowOptions(const std::vector<std::string>& arguments,
                                 const std::string& defaultPluginPath);

// How many frames the run renders before it closes by itself; none when it lasts until the person closes
// the window.
std::optional<int> framesToRender(const WindowOptions& options);

// `kadenzo-sim window --help`, without the window's own commands (window_session.h adds them).
std::string windowHelp();

} // namespace kadenzo::sim
