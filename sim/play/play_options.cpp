// Parsing and checking the options of `kadenzo-sim play`.
//
// Index of this file:
// - Files
// - The table
// - Help
#include "play/play_options.h"

#include "console/console.h"
#include "console/option_table.h"
#include "output/output_file.h"
#include "platform/process_ending.h"
#include "play/player_options.h"

#include <fmt/format.h>

#include <filesystem>

namespace kadenzo::sim {

namespace fs = std::filesystem;

namespace {

// ---- Files -------------------------------------------------------------------------------------

void declareCsv(const std::string& path) {
    if (path != output::standardOutputName) declareOutputOf("--csv", path, "the CSV file (--csv)");
}

// ---- The table ---------------------------------------------------------------------------------

const OptionRow<PlayOptions> optionTable[] = {
    {"--attempts", "a whole number",
     [](PlayOptions& options, const std::string& option, const std::string& value) {
         options.attempts = requireWholeNumber<long long>(value, 1, mostAttempts, option);
     }},
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
    applyOptions(arguments, optionTable, playerOptionRows<PlayOptions>, options, "play");
    // The module first, so that an output naming it is the one refused.
    output::declareInput(options.pluginPath, pluginModuleWhat);
    if (!options.csvPath.empty()) declareCsv(options.csvPath);
    if (!options.outDirectory.empty())
        checkOutFolder(options.outDirectory, {out_pictures::all.begin(), out_pictures::all.end()});
    return options;
}

void declareOutputOf(const std::string& option, const std::string& path, const char* what) {
    try {
        output::declareOutput(path, what);
    } catch (const output::OutputError& error) {
        throw ConsoleError(fmt::format("{}: {}", option, error.what()));
    }
}

void checkOutFolder(const std::string& folder, const std::vector<const char*>& pictures) {
    bool there = false;
    try {
        there = output::checkFolderTarget(folder);
    } catch (const output::OutputError& error) {
        throw ConsoleError(fmt::format("--out: {}", error.what()));
    }
    // A folder not there yet holds no file that a picture could be written over.
    if (!there) return;
    for (const char* name : pictures)
        declareOutputOf("--out", outPicturePath(folder, name), "a picture of --out");
}

// Checked again, as the folder may be created long after the options were read (study's picture).
void createOutFolder(const std::string& folder) {
    if (folder.empty()) return;
    checkOutFolder(folder, {});
    std::error_code error;
    fs::create_directories(fs::u8path(folder), error);
    if (error) throw ConsoleError(fmt::format("--out: cannot create {}: {}", folder, error.message()));
}

void createOutFolder(const PlayOptions& options) {
    createOutFolder(options.outDirectory);
}

std::string outPicturePath(const std::string& folder, const char* name) {
    return (fs::u8path(folder) / name).generic_u8string();
}

std::string outPicturePath(const PlayOptions& options, const char* name) {
    return outPicturePath(options.outDirectory, name);
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
{playerOptions}  --csv FILE         write one row per attempt: attempt, outcome, game speed when taken;
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
                       fmt::arg("attempts", mostAttempts), fmt::arg("playerOptions", playerOptionsHelp()),
                       fmt::arg("unchosenEnding", platform::unchosenEndingHelp));
}

} // namespace kadenzo::sim
