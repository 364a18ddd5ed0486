// The options of `kadenzo-sim study`, checked completely before anything is created or played.
#pragma once

#include "game/player_model.h"
#include "study/study_sweep.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kadenzo::study {

// Rationale: two runs at least give a standard error; a thousand runs of the most attempts is already
// hours of play.
constexpr int leastRuns = 2;
constexpr int mostRuns = 1000;
// At least ten windows after the burn-in; at most what keeps a sweep's sums exact in doubles.
constexpr long long leastAttempts = 100;
constexpr long long mostAttempts = 10'000'000;

// The picture --out writes into its folder.
constexpr const char* studyPicture = "study.png";

struct StudyOptions {
    std::string pluginPath;
    std::uint64_t seed = 1;
    sim::PlayerParameters player;
    std::vector<std::pair<std::string, std::string>> settings; // --set NAME=VALUE, in order
    Sweep sweep;
    int runs = 20;
    long long attempts = 10000;
    std::string csvPath;  // "-" for standard output
    std::string jsonPath; // "-" for standard output
    std::string outDirectory;
    bool details = false; // --details: the analyst's columns after the player's table
    bool steps = false;   // --steps: the step tables of the sweep, nothing played
};

// The attempts at the start of each run that are played but not measured: the first tenth, in whole
// windows.
long long burnInAttempts(long long attempts);

// Parses the study command's arguments (after "study") and declares the files they name to the run's
// files: the module, read, and the CSV, the JSON and the picture of --out, written. Creates nothing.
// Throws ConsoleError naming the bad argument. --steps takes only --sweep and --set idealAccuracy, as it
// plays nothing and writes no file: any other option beside it is refused, and no file is declared.
StudyOptions parseStudyOptions(const std::vector<std::string>& arguments,
                               const std::string& defaultPluginPath);

// Whether the CSV or the JSON goes to standard output ("-"); the table then goes to standard error.
bool tableToStandardError(const StudyOptions& options);

// `kadenzo-sim study --help`.
std::string studyHelp();

} // namespace kadenzo::study
