// The simulation side of a study: runs of the real plugin module through the host, played as
// `kadenzo-sim play` plays them (play/play_session.h) and measured after a burn-in; study_verdict.h
// compares them with the analysis.
#pragma once

#include "game/player_model.h"
#include "study/staircase_analysis.h"

#include <cstdint>
#include <functional>
#include <optional>
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
    int runs = 0;         // played
    double meanAccuracy = 0.0;
    double accuracyError = 0.0;
    double meanSpeed = 0.0;
    double speedError = 0.0;
    double speedSd = 0.0; // of every measured attempt's speed, pooled over the runs
    // The share of measured attempts at each of shareSpeeds (ascending), each attempt counted at the
    // nearest of them; both empty when no speeds were given.
    std::vector<float> shareSpeeds;
    std::vector<double> speedShares;
    std::vector<std::string> clamped; // the --set values the plugin clamped, as play tells them
};

// The P-th percentile (0 < P <= 1) of the speeds as played: the slowest of shareSpeeds at which the
// shares at it or slower reach P (the fastest when rounding leaves the total short); nothing when no
// shares were counted.
std::optional<float> sharePercentile(const SimulatedPoint& point, double p);

// How often the runs tell their progress: every this many attempts of a run, and at the end of each.
// Rationale: often enough for a line every few seconds however long a run is (the simulator plays about
// two million attempts a second), rarely enough that the clock read behind it costs nothing per attempt.
constexpr long long progressEvery = 4096;

// Plays the runs. LATTICE gives the speeds the shares are counted at; it is asked once, when the first
// run has the plugin's settings, and what it throws ends the runs. PROGRESS, when given, hears of the
// point's attempts played so far, over all its runs, every progressEvery attempts of a run and at the end
// of each. Throws ConsoleError when the module cannot be loaded or a --set names no console variable.
SimulatedPoint simulatePoint(const PointRuns& runs,
                             const std::function<std::vector<float>(const StaircaseSetup&)>& lattice,
                             const std::function<void(long long attemptsPlayed)>& progress = {});

} // namespace kadenzo::study
