// Parsing and checking the options of `kadenzo-sim window`.
#include "window/window_options.h"

#include "console/console.h"
#include "console/option_table.h"
#include "output/output_file.h"
#include "platform/process_ending.h"

#include <fmt/format.h>

namespace kadenzo::sim {

namespace {

int requireWindowSize(const std::string& option, const std::string& value) {
    return requireWholeNumber(value, smallestWindowSize, largestWindowSize, option);
}

const OptionRow<WindowOptions> optionTable[] = {
    {"--plugin", "a path",
     [](WindowOptions& options, const std::string&, const std::string& value) {
         options.pluginPath = value;
     }},
    {"--script", "a file name",
     [](WindowOptions& options, const std::string&, const std::string& value) {
         options.scriptPath = value;
     }},
    {"--frames", "a whole number",
     [](WindowOptions& options, const std::string& option, const std::string& value) {
         options.frames = requireWholeNumber(value, 1, largestFrameCount, option);
     }},
    {"--screenshot", "a file name",
     [](WindowOptions& options, const std::string&, const std::string& value) {
         options.screenshotPath = value;
     }},
    {"--width", "a whole number",
     [](WindowOptions& options, const std::string& option, const std::string& value) {
         options.width = requireWindowSize(option, value);
     }},
    {"--height", "a whole number",
     [](WindowOptions& options, const std::string& option, const std::string& value) {
         options.height = requireWindowSize(option, value);
     }},
};

void checkScreenshotTarget(const std::string& path) {
    if (path.size() < 4 || path.compare(path.size() - 4, 4, ".png") != 0)
        throw ConsoleError(fmt::format("--screenshot writes PNG files; \"{}\" does not end in .png", path));
    try {
        output::declareOutput(path, "the screenshot (--screenshot)");
    } catch (const output::OutputError& error) {
        throw ConsoleError(fmt::format("--screenshot: {}", error.what()));
    }
}

} // namespace

WindowOptions parseWindowOptions(const std::vector<std::string>& arguments,
                                 const std::string& defaultPluginPath) {
    WindowOptions options;
    options.pluginPath = defaultPluginPath;
    applyOptions(arguments, optionTable, options, "window");
    // The module first, so that an output naming it is the one refused.
    output::declareInput(options.pluginPath, pluginModuleWhat);
    if (!options.screenshotPath.empty()) checkScreenshotTarget(options.screenshotPath);
    return options;
}

std::optional<int> framesToRender(const WindowOptions& options) {
    if (options.frames) return options.frames;
    if (!options.screenshotPath.empty()) return screenshotFrames;
    return std::nullopt;
}

// ---- Help --------------------------------------------------------------------------------------

std::string windowHelp() {
    return fmt::format(R"(kadenzo-sim window: Kadenzo in a desktop window, to try the plugin without the game.

Usage:
  kadenzo-sim window [--plugin PATH] [--script FILE] [--frames N] [--screenshot FILE.png]
                     [--width W] [--height H] [--config FILE]

Loads the plugin and opens a window showing the game's canvas with the plugin's overlay (scaled to
fit), the host's settings window with the plugin's page, and the host's menu bar, whose Plugins
menu opens and closes the plugin's window (togglemenu); at the right of the menu bar a line says
what keeps the plugin from acting (disabled, or the game not in custom training). The Training
panel shows both, and has buttons for the game's events and for whole attempts, an automatic
player (the play model, with its skill and pace adjustable while it plays) and a chart of the game
speed and the window accuracy of every attempt the game saw, clicked or typed. The Console panel
takes every console command and shows the trace and the commands' output; the same lines go to
standard output, errors to standard error. The panels first fit the window's size.
Keys (when no text field has the keyboard): L load round, G goal, T touch, E explosion,
R restart, S success, X miss, P automatic player.

Options:
  --plugin PATH        load this plugin module instead of the one built beside kadenzo-sim
  --script FILE        run console commands (and the window's own) before the first frame; as in
                       the console, the first failing line ends the run with FILE:LINE: message
                       and status 2. A line it schedules with after is the script's too: when it
                       fails, the window closes and the run ends so, LINE being the after's line
  --frames N           render N frames (1 to {largestFrameCount}), then close the window
  --screenshot FILE.png
                       after the last frame write the window's own pixels as a PNG picture
                       ({screenshotFrames} frames unless --frames says otherwise)
  --width W, --height H
                       the window's size in pixels, {smallest} to {largest} (default 1600 x 900)
  --config FILE        the console variables kept from one run to the next: read before the
                       plugin loads, written when the window closes (see kadenzo-sim --help)
  --help               show this text
Each value may also follow its option after '=' (--frames=10); an empty one is refused.

Without a display (or where this build has no window system) it says why and exits with status 2.
Exit status: 2 for bad options, no window, a plugin that cannot be loaded, a failing script line
(or one the script scheduled) or a failure when the plugin is unloaded at the end; 1 when the
screenshot could not be written; {unchosenEnding}; else 0.
)",
                       fmt::arg("largestFrameCount", largestFrameCount),
                       fmt::arg("screenshotFrames", screenshotFrames),
                       fmt::arg("smallest", smallestWindowSize), fmt::arg("largest", largestWindowSize),
                       fmt::arg("unchosenEnding", platform::unchosenEndingHelp));
}

} // namespace kadenzo::sim
