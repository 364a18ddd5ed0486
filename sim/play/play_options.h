// The options of `kadenzo-sim play`, checked completely before anything is created.
#pragma once

#include "game/player_model.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace kadenzo::sim {

// Rationale: the plugin counts attempts and successes in 32-bit integers; a longer session would
// overflow its counters.
constexpr long long mostAttempts = std::numeric_limits<std::int32_t>::max();

// The pictures --out writes into its folder.
namespace out_pictures {
constexpr const char* overlay = "overlay.png";
constexpr const char* speed = "speed.png";
constexpr const char* settings = "settings.png";
constexpr const char* window = "window.png";
constexpr std::array<const char*, 4> all{overlay, speed, settings, window};
} // namespace out_pictures

struct PlayOptions {
    std::string pluginPath;
    long long attempts = 300;
    std::uint64_t seed = 1;
    PlayerParameters player;
    std::vector<std::pair<std::string, std::string>> settings; // --set NAME=VALUE, in order
    std::string csvPath;                                       // "-" for standard output
    std::string outDirectory;
};

// Parses the play command's arguments (after "play") and declares the files they name to the run's
// files (output/run_files.h): the module, read, and the CSV and the pictures of --out, written (which
// checks their targets, see output::checkTarget); --out must name a folder or nothing yet. Creates
// nothing. Throws ConsoleError naming the bad argument.
PlayOptions parsePlayOptions(const std::vector<std::string>& arguments, const std::string& defaultPluginPath);

// Declares PATH, given with OPTION, an output of the run (output::declareOutput), which checks its
// target; throws ConsoleError "OPTION: WHY".
void declareOutputOf(const std::string& option, const std::string& path, const char* what);

// Every command's --out FOLDER, checked with the options: a folder, or nothing yet where one could be
// created (output::checkFolderTarget: no link that leads nowhere, no folder above it that takes no new
// folder), and each of PICTURES in it declared an output of the run. Creates nothing; throws
// ConsoleError.
void checkOutFolder(const std::string& folder, const std::vector<const char*>& pictures);
// Creates the --out folder when there is one and it does not exist yet, after checking it again (as
// checkOutFolder does); throws ConsoleError.
void createOutFolder(const std::string& folder);
void createOutFolder(const PlayOptions& options);

// Where --out puts the picture NAME, with forward slashes on every platform so that reports read the
// same everywhere.
std::string outPicturePath(const std::string& folder, const char* name);
std::string outPicturePath(const PlayOptions& options, const char* name);

// Whether the CSV goes to standard output (--csv -).
bool csvToStandardOutput(const PlayOptions& options);

// `kadenzo-sim play --help`: the options above, in words.
std::string playHelp();

} // namespace kadenzo::sim
