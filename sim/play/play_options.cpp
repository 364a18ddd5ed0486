// Parsing and checking the options of `kadenzo-sim play`.
//
// Index of this file:
// - Values
// - Files
// - The table
// - Help
#include "play/play_options.h"

#include "console/console.h"
#include "console/option_table.h"
#include "output/output_file.h"
#include "platform/files.h"
#include "platform/process_ending.h"

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

// ---- Files -------------------------------------------------------------------------------------

void declareOutputOf(const std::string& option, const std::string& path, const char* what) {
    try {
        output::declareOutput(path, what);
    } catch (const output::OutputError& error) {
        throw ConsoleError(fmt::format("{}: {}", option, error.what()));
    }
}

void declareCsv(const std::string& path) {
    if (path != output::standardOutputName) declareOutputOf("--csv", path, "the CSV file (--csv)");
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
        declareOutputOf("--out", outPicturePath(options, name), "a picture of --out");
}

// ---- The table ---------------------------------------------------------------------------------

const OptionRow<PlayOptions> optionTable[] = {
    {"--attempts", "a whole number",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.attempts = requireWholeNumber<long long>(value, 1, mostAttempts, option);
     }},
    {"--seed", "a whole number",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.seed = requireWholeNumber<std::uint64_t>(value, 0, std::numeric_limits<std::uint64_t>::max(),
                                                          option, "a whole number");
     }},
    {"--comfort-speed", "a number",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.player.comfortSpeed = parseReal(option, value, comfortSpeedRange);
     }},
    {"--spread", "a number",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.player.spread = parseReal(option, value, spreadRange);
     }},
    {"--peak", "a number",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.player.peak = parsePeak(option, value);
     }},
    {"--set", "NAME=VALUE",
     [](PlayOptions& options, const std::string&, const std::string& value) {
         options.settings.push_back(parseSetting(value));
     },
     true},
    {"--csv", "a file name",
     [](PlayOptions& options, const std::string&, const std::string& value) { options.csvPath = value; }},
    {"--out", "a folder name",
     [](PlayOptions& options, const std::string&, const std::string& value) {
         options.outDirectory = value;
     }},
    {"--plugin", "a path",
     [](PlayOptions& options, const std::string&, const std::string& value) { options.pluginPath = value; }},
};

} // namespace

PlayOptions parsePlayOptions(const std::vector<std::string>& arguments,
                             const std::string& defaultPluginPath) {
    PlayOptions options;
    options.pluginPath = defaultPluginPath;
    applyOptions(arguments, optionTable, options, "play");
    // The module first, so that an output naming it is the one refused.
    output::declareInput(options.pluginPath, pluginModuleWhat);
    if (!options.csvPath.empty()) declareCsv(options.csvPath);
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

// ---- Help --------------------------------------------------------------------------------------

std::string playHelp() {
    return fmt::format(R"(kadenzo-sim play: a whole training session with a simulated player.

Usage:
  kadenzo-sim play [--plugin PATH] [--attempts N] [--seed S] [--comfort-speed C] [--spread W]
                   [--peak P] [--set NAME=VALUE]... [--csv FILE] [--out DIR] [--config FILE]

Enables the plugin, enters custom training, loads a round and plays N attempts, only through
console variables and game events. The player succeeds with chance
    P / (1 + exp((speed - C) / W))
so P is the best accuracy at low speed, C the speed at which it has halved, and W how fast it
falls around C. Each attempt ends in a goal or a ball explosion, then the controller restarts.

Options:
  --attempts N       attempts to play, a whole number from 1 to {attempts} (the plugin counts
                     in 32 bits; default 300)
  --seed S           seed of the player's random numbers, a whole number (default 1)
  --comfort-speed C  from {comfortLeast} to {comfortMost} (default 1.2)
  --spread W         from {spreadLeast} to {spreadMost} (default 0.2)
  --peak P           above 0 and at most 1 (default 0.95)
  --set NAME=VALUE   set a console variable before the session starts; repeatable,
                     e.g. --set idealAccuracy=0.8
  --csv FILE         write one row per attempt: attempt, outcome, game speed when taken;
                     with --csv - the rows go to standard output and the report to standard
                     error
  --out DIR          write four pictures into DIR, creating it if needed: overlay.png (the
                     overlay in the middle of the session's last window), speed.png (game
                     speed and window accuracy over the session, a bar per window or per
                     round number of windows), settings.png (the host's settings window
                     with the plugin's page) and window.png (the plugin's own window)
  --plugin PATH      the plugin module to load
  --config FILE      the console variables kept from one run to the next: read before the
                     plugin loads (--set then changes them), written once the session is over
                     (see kadenzo-sim --help)
  --help             show this text
Each value may also follow its option after '=' (--attempts=20); an empty one is refused.

Prints the coach's settings as the session starts (target accuracy, speed step, speed limits,
whether the plugin is enabled and the game in custom training), one line per closed ten-attempt
window, saying why it held the speed when its accuracy was not the reason (the plugin disabled,
the game not in custom training, a step beyond a limit), and a summary at the end. A --set value
beyond its variable's range is clamped to it, which is told on standard error.

Every option is checked before anything is created or played. Files are written whole or not
at all: never through a symbolic link, never over a folder, a device, a FIFO or a read-only
file, never into a folder without write permission (for root too), and never over a file the
run reads (the module, kadenzo-sim, the settings file) or another file it writes, however the
two are spelled. Exit status: 2 for bad options (a file that could not be written among them, the settings
file included) or a session that could not be played, 1 when writing a file failed once the
session had started (the settings at exit included),
{unchosenEnding}; else 0.
)",
                       fmt::arg("attempts", mostAttempts), fmt::arg("comfortLeast", comfortSpeedRange.least),
                       fmt::arg("comfortMost", comfortSpeedRange.most),
                       fmt::arg("spreadLeast", spreadRange.least), fmt::arg("spreadMost", spreadRange.most),
                       fmt::arg("unchosenEnding", platform::unchosenEndingHelp));
}

} // namespace kadenzo::sim
