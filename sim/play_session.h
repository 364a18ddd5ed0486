// `kadenzo-sim play`: a whole training session against the loaded plugin, driven only through the
// host interface (console variables and game events), as the game would drive it.
#pragma once

#include "console.h"
#include "pictures.h"
#include "player_model.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace kadenzo::sim {

// Rationale: the plugin counts attempts and successes in 32-bit integers; a longer session would
// overflow its counters.
constexpr long long mostAttempts = std::numeric_limits<std::int32_t>::max();

struct PlayOptions {
    std::string pluginPath;
    long long attempts = 300;
    std::uint64_t seed = 1;
    PlayerParameters player;
    std::vector<std::pair<std::string, std::string>> settings; // --set NAME=VALUE, in order
    std::string csvPath;
    std::string outDirectory;
};

struct AttemptRecord {
    bool success = false;
    float speed = 1.0f; // game speed when the attempt was taken
};

struct SessionResult {
    std::vector<AttemptRecord> attempts;
    std::vector<WindowResult> windows;
    float targetAccuracy = 0.0f;
    float finalSpeed = 1.0f;
};

// Parses the play command's arguments (after "play"). Throws ConsoleError naming the bad argument.
PlayOptions parsePlayOptions(const std::vector<std::string>& arguments, const std::string& defaultPluginPath);

// Sets the --set variables (each must exist and take the value), enables the plugin, enters custom
// training, loads a round and plays. Calls onWindow after every closed window, and onAttempt after
// every attempt with the number played so far.
SessionResult playSession(Simulator& simulator, const PlayOptions& options,
                          const std::function<void(std::size_t windowIndex, const WindowResult&)>& onWindow,
                          const std::function<void(long long attemptsPlayed)>& onAttempt = {});

// The report lines: one per window, and the summary.
std::string windowLine(std::size_t windowIndex, const WindowResult& window);
std::string sessionSummary(const SessionResult& result);

// Writes the per-attempt CSV through a temporary file, so a failure leaves nothing half-written.
void writeAttemptsCsv(const SessionResult& result, const std::string& path);

// The command as a whole: returns the process's exit status.
int runPlay(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
            std::ostream& out, std::ostream& err);

} // namespace kadenzo::sim
