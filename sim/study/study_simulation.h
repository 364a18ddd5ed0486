// The simulation side of a study: runs of the real plugin module through the host, played as
// `kadenzo-sim play` plays them (play/play_session.h), measured after a burn-in, and compared with the
// analysis in standard errors across runs.
#pragma once

#include "game/player_model.h"
#include "study/staircase_analysis.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kadenzo::study {

// What one point is played with.
struct PointRuns {
    std::string pluginPath;
    sim::PlayerParameters player;
    std::vector<std::pair<std::string, std::string>> settings; // given as --set gives them
    int runs = 20;
    long long attempts = 10000;
    long long burnIn = 1000; // attempts played at the start of each run and not measured
    std::uint64_t seed = 1;  // run R is seeded SEED + R
};

// What the runs measured after their burn-in: the means over runs and their standard errors across
// runs (each run's own mean is one sample, so that the attempts' dependence within a run counts).
struct SimulatedPoint {
    StaircaseSetup setup; // the settings as the plugin holds them once given, the player, the start speed
    double meanAccuracy = 0.0;
    double accuracyError = 0.0;
    double meanSpeed = 0.0;
    double speedError = 0.0;
    double speedSd = 0.0; // of every measured attempt's speed, pooled over the runs
    // The share of measured attempts at each speed, by the nearest speed of the analysis' lattice.
    std::vector<double> speedShares;
    std::vector<std::string> clamped; // the --set values the plugin clamped, as play tells them
};

// Plays the runs. LATTICE gives the speeds the shares are counted at; it is worked out once the first
// run has the plugin's settings. PROGRESS, when given, hears of every run finished. Throws ConsoleError
// when the module cannot be loaded or a --set names no console variable.
SimulatedPoint simulatePoint(const PointRuns& runs,
                             const std::function<std::vector<float>(const StaircaseSetup&)>& lattice,
                             const std::function<void(int runsDone)>& progress = {});

// How far the analysis lies from the simulation. Rationale: beyond disagreementDistance standard
// errors on either the mean accuracy or the mean speed is flagged; for a sweep's nine points, two
// quantities each, that happens by chance less than once in five hundred sweeps.
constexpr double disagreementDistance = 4.0;

struct Agreement {
    double accuracyDistance = 0.0; // (simulated - analysed) / standard error
    double speedDistance = 0.0;
    bool agrees = true;
};

Agreement agreementOf(const SpeedAnalysis& analysis, const SimulatedPoint& simulated);

} // namespace kadenzo::study
