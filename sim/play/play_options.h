// The options of `kadenzo-sim play`, checked completely before anything is created.
#pragma once

#include "play/player_model.h"

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

// The player model's accepted values, wide enough for any useful player and narrow enough to keep its
// arithmetic finite. Limits are included.
struct RealRange {
    double least;
    double most;
};
constexpr RealRange comfortSpeedRange{0.01, 100.0};
constexpr RealRange spreadRange{0.001, 100.0};

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

// Creates the --out folder when there is one and it does not exist yet; throws ConsoleError.
void createOutFolder(const PlayOptions& options);

// Where --out puts the picture NAME, with forward slashes on every platform so that reports read the
// same everywhere.
std::string outPicturePath(const PlayOptions& options, const char* name);

// Whether the CSV goes to standard output (--csv -).
bool csvToStandardOutput(const PlayOptions& options);

// `kadenzo-sim play --help`: the options above, in words.
std::string playHelp();

} // namespace kadenzo::sim
