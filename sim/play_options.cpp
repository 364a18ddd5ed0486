// Parsing and checking the options of `kadenzo-sim play`.
#include "play_options.h"

#include "console.h"
#include "option_table.h"
#include "output/output_file.h"
#include "platform/files.h"

#include <fmt/format.h>

#include <filesystem>

namespace kadenzo::sim {

namespace fs = std::filesystem;

namespace {

// ---- Values ------------------------------------------------------------------------------------

double parseReal(const std::string& option, const std::string& text, RealRange range) {
    const auto parsed = halvex::host::parseConsoleNumber(text);
    // Compared as the floats they are read as, so that the limits themselves are accepted.
    if (!parsed || !(*parsed >= static_cast<float>(range.least)) ||
        !(*parsed <= static_cast<float>(range.most)))
        throw ConsoleError(fmt::format("{} needs a number from {} to {}, not \"{}\"", option, range.least,
                                       range.most, text));
    return static_cast<double>(*parsed);
}

double parsePeak(const std::string& option, const std::string& text) {
    const auto parsed = halvex::host::parseConsoleNumber(text);
    if (!parsed || !(*parsed > 0.0f) || !(*parsed <= 1.0f))
        throw ConsoleError(fmt::format("{} needs a number above 0 and at most 1, not \"{}\"", option, text));
    return static_cast<double>(*parsed);
}

std::pair<std::string, std::string> parseSetting(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        throw ConsoleError(fmt::format("--set needs NAME=VALUE, not \"{}\"", text));
    std::pair<std::string, std::string> setting{text.substr(0, equals), text.substr(equals + 1)};
    if (!halvex::host::parseConsoleNumber(setting.second))
        throw ConsoleError(fmt::format("--set {}: \"{}\" is not a number", setting.first, setting.second));
    return setting;
}

const std::string& requireName(const std::string& option, const std::string& value, const char* what) {
    if (value.empty()) throw ConsoleError(fmt::format("{} needs {}", option, what));
    return value;
}

// ---- Files -------------------------------------------------------------------------------------

void checkTargetOf(const std::string& option, const std::string& path) {
    try {
        output::checkTarget(path);
    } catch (const output::OutputError& error) {
        throw ConsoleError(fmt::format("{}: {}", option, error.what()));
    }
}

void checkCsvTarget(const std::string& path) {
    if (path != output::standardOutputName) checkTargetOf("--csv", path);
}

// A folder that does not exist yet is created once every option has been checked.
void checkOutFolder(const PlayOptions& options) {
    const std::string& folder = options.outDirectory;
    platform::FileStatus status;
    try {
        status = platform::fileStatus(fs::u8path(folder), platform::Links::followed);
    } catch (const platform::FileSystemError& error) {
        throw ConsoleError(fmt::format("--out: cannot use {}: {}", folder, error.what()));
    }
    if (status.kind == platform::FileKind::absent) return;
    if (status.kind != platform::FileKind::folder)
        throw ConsoleError(fmt::format("--out: {} is not a folder", folder));
    for (const char* name : out_pictures::all)
        checkTargetOf("--out", outPicturePath(options, name));
}

// ---- The table ---------------------------------------------------------------------------------

const OptionRow<PlayOptions> optionTable[] = {
    {"--attempts",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.attempts = requireWholeNumber<long long>(value, 1, mostAttempts, option);
     }},
    {"--seed",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.seed = requireWholeNumber<std::uint64_t>(value, 0, std::numeric_limits<std::uint64_t>::max(),
                                                          option, "a whole number");
     }},
    {"--comfort-speed",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.player.comfortSpeed = parseReal(option, value, comfortSpeedRange);
     }},
    {"--spread",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.player.spread = parseReal(option, value, spreadRange);
     }},
    {"--peak", [](PlayOptions& options, const std::string& option,
                  const std::string& value) { options.player.peak = parsePeak(option, value); }},
    {"--set", [](PlayOptions& options, const std::string&,
                 const std::string& value) { options.settings.push_back(parseSetting(value)); }},
    {"--csv", [](PlayOptions& options, const std::string& option,
                 const std::string& value) { options.csvPath = requireName(option, value, "a file name"); }},
    {"--out",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.outDirectory = requireName(option, value, "a folder name");
     }},
    {"--plugin",
     [](PlayOptions& options, const std::string&, const std::string& value) { options.pluginPath = value; }},
};

} // namespace

PlayOptions parsePlayOptions(const std::vector<std::string>& arguments,
                             const std::string& defaultPluginPath) {
    PlayOptions options;
    options.pluginPath = defaultPluginPath;
    applyOptions(arguments, optionTable, options, "play");
    if (!options.csvPath.empty()) checkCsvTarget(options.csvPath);
    if (!options.outDirectory.empty()) checkOutFolder(options);
    return options;
}

void createOutFolder(const PlayOptions& options) {
    if (options.outDirectory.empty()) return;
    std::error_code error;
    fs::create_directories(fs::u8path(options.outDirectory), error);
    if (error)
        throw ConsoleError(fmt::format("--out: cannot create {}: {}", options.outDirectory, error.message()));
}

std::string outPicturePath(const PlayOptions& options, const char* name) {
    return (fs::u8path(options.outDirectory) / name).generic_u8string();
}

bool csvToStandardOutput(const PlayOptions& options) {
    return options.csvPath == output::standardOutputName;
}

} // namespace kadenzo::sim
