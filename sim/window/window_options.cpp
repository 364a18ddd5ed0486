// Parsing and checking the options of `kadenzo-sim window`.
#include "window_options.h"

#include "console.h"
#include "option_table.h"
#include "output/output_file.h"

#include <fmt/format.h>

namespace kadenzo::sim {

namespace {

const std::string& requireName(const std::string& option, const std::string& value, const char* what) {
    if (value.empty()) throw ConsoleError(fmt::format("{} needs {}", option, what));
    return value;
}

int requireWindowSize(const std::string& option, const std::string& value) {
    return requireWholeNumber(value, smallestWindowSize, largestWindowSize, option);
}

const OptionRow<WindowOptions> optionTable[] = {
    {"--plugin", [](WindowOptions& options, const std::string&,
                    const std::string& value) { options.pluginPath = value; }},
    {"--script",
     [](WindowOptions& options, const std::string& option, const std::string& value) {
         options.scriptPath = requireName(option, value, "a file name");
     }},
    {"--frames",
     [](WindowOptions& options, const std::string& option, const std::string& value) {
         options.frames = requireWholeNumber(value, 1, largestFrameCount, option);
     }},
    {"--screenshot",
     [](WindowOptions& options, const std::string& option, const std::string& value) {
         options.screenshotPath = requireName(option, value, "a file name");
     }},
    {"--width", [](WindowOptions& options, const std::string& option,
                   const std::string& value) { options.width = requireWindowSize(option, value); }},
    {"--height", [](WindowOptions& options, const std::string& option,
                    const std::string& value) { options.height = requireWindowSize(option, value); }},
};

void checkScreenshotTarget(const std::string& path) {
    if (path.size() < 4 || path.compare(path.size() - 4, 4, ".png") != 0)
        throw ConsoleError(fmt::format("--screenshot writes PNG files; \"{}\" does not end in .png", path));
    try {
        output::checkTarget(path);
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
    if (!options.screenshotPath.empty()) checkScreenshotTarget(options.screenshotPath);
    return options;
}

std::optional<int> framesToRender(const WindowOptions& options) {
    if (options.frames) return options.frames;
    if (!options.screenshotPath.empty()) return screenshotFrames;
    return std::nullopt;
}

} // namespace kadenzo::sim
