// Parsing and checking the options of `kadenzo-sim window`.
#include "window_options.h"

#include "console.h"
#include "output/output_file.h"

#include <fmt/format.h>

namespace kadenzo::sim {

namespace {

using ApplyOption = void (*)(WindowOptions& options, const std::string& option, const std::string& value);

struct OptionEntry {
    const char* name;
    ApplyOption apply;
};

const std::string& requireName(const std::string& option, const std::string& value, const char* what) {
    if (value.empty()) throw ConsoleError(fmt::format("{} needs {}", option, what));
    return value;
}

int requireWindowSize(const std::string& option, const std::string& value) {
    return requireWholeNumber(value, smallestWindowSize, largestWindowSize, option);
}

const OptionEntry optionTable[] = {
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

const OptionEntry* findOption(const std::string& name) {
    for (const OptionEntry& entry : optionTable)
        if (name == entry.name) return &entry;
    return nullptr;
}

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
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& option = arguments[index];
        const OptionEntry* entry = findOption(option);
        if (!entry)
            throw ConsoleError(
                option.size() > 1 && option[0] == '-'
                    ? fmt::format("unknown option \"{}\" (see kadenzo-sim window --help)", option)
                    : fmt::format("unexpected argument \"{}\"", option));
        if (index + 1 >= arguments.size()) throw ConsoleError(fmt::format("{} needs a value", option));
        entry->apply(options, option, arguments[++index]);
    }
    if (!options.screenshotPath.empty()) checkScreenshotTarget(options.screenshotPath);
    return options;
}

std::optional<int> framesToRender(const WindowOptions& options) {
    if (options.frames) return options.frames;
    if (!options.screenshotPath.empty()) return screenshotFrames;
    return std::nullopt;
}

} // namespace kadenzo::sim
