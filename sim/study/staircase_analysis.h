// The coach's speed controller worked out exactly, as a Markov chain: from the speed it stands at, the
// ten attempts of a window move it by the plugin's own rule (plugin/speed_controller.h), each count of
// successes as likely as a binomial of the player's chance at that speed says.
//
// Index of this file:
// - StaircaseSetup: what is analysed
// - StepTable: the step of each count of successes
// - SpeedAnalysis, analyseStaircase: what the chain says in the long run
#pragma once

#include "game/player_model.h"

#include <array>
#include <vector>

namespace kadenzo::study {

// ---- What is analysed ----------------------------------------------------------------------------

struct StaircaseSetup {
    sim::PlayerParameters player;
    float targetAccuracy = 0.7f; // idealAccuracy
    float speedStep = 0.05f;     // slowMoSpeedIncrement
    int lowestPercent = 50;      // slowMoMinSpeed
    int highestPercent = 150;    // slowMoMaxSpeed
    float startSpeed = 1.0f;     // the game's speed when training starts
    // The windows over which the plugin's float drift is bounded (see "The drift" below): a run of N
    // attempts closes N / 10 windows.
    int driftWindows = 1000;
};

// ---- The step of each count of successes ---------------------------------------------------------

// Steps of speedStep (-2 to +2) for 0 to 10 successes in a window.
using StepTable = std::array<int, 11>;

// The plugin's own table for TARGET, computed with its single-precision arithmetic.
StepTable pluginStepTable(float targetAccuracy);

// ---- What the chain says in the long run ---------------------------------------------------------

// The lattice: the chain stands on the speeds startSpeed + j x speedStep, each the float the plugin
// writes after j steps of one increment from startSpeed: the float sum taken to the nearest millionth
// (plugin/speed_controller.h), so 1.0 - 0.05 ten times is 0.5. A step from a node lands where the
// plugin's nextSpeed puts it and is dropped whole when the plugin's limits refuse it. The chain's speeds
// are the start and the nodes that steps from it reach.
//
// The drift: for an increment of up to six decimals, and a start on whole millionths, the plugin's
// speed is the lattice's value exactly, whatever the path. Otherwise each step rounds to a millionth,
// and rounding does not undo itself (a step of two increments is one rounding, two steps of one are
// two), so after W windows the plugin's speed may lie up to about W millionths from the lattice's value.
// That is far less than a step over runs of any length study plays, so it never moves the speed to
// another node, but where a step lands on a limit it decides whether the step is taken or dropped. The
// analysis bounds the drift by a millionth and a unit in the last place of the fastest speed per window
// over driftWindows windows plus the steps from the start to the node, and marks each step whose landing
// lies within that bound of a limit: the chain takes or drops it as the lattice's value says, and
// reports the long-run chance of such steps. Near a limit the plugin's drift decides; the simulation
// judges.
//
// Percentiles are of the discrete distribution: the p-th is the slowest lattice speed at which the
// chance of standing at it or slower reaches p.

struct SpeedAnalysis {
    std::vector<float> speeds;      // the speeds the chain can stand at, ascending
    std::vector<double> stationary; // the long-run chance of each speed, summing to 1
    double meanAccuracy = 0.0;      // the player's chance of success averaged over the stationary speeds
    double meanSpeed = 0.0;
    double speedSd = 0.0;
    double speedP10 = 0.0;
    double speedP90 = 0.0;
    // Expected attempts from startSpeed until the speed first stands at its most likely value.
    double attemptsToMostLikely = 0.0;
    // The chance of success at which a step up and a step down are equally likely (the staircase's
    // balance point, after Levitt 1971). The chain's mean accuracy lies near it but not on it (0.689
    // against 0.694 for 0.7 and the default player): the balance counts a step of two increments as
    // one, and the mean averages the player's chance over the spread of speeds the staircase wanders
    // through, where the chance is not a straight line of the speed, and the limits cut the wandering.
    double balanceAccuracy = 0.0;
    double residual = 0.0;        // sum of |pi P - pi| of the solution returned
    double mostLikelySpeed = 0.0; // the speed of the largest stationary chance (the slowest of equals)
    // The drift (see above): the most the plugin's speed may lie from the lattice's value, the landings
    // that lie within it of a limit (ascending), and the long-run chance per window of a step landing
    // on one of them.
    double driftBound = 0.0;
    std::vector<float> driftSensitiveSpeeds;
    double driftSensitiveChance = 0.0;
};

// The tolerance the stationary distribution is solved to: the elimination is direct and sums only
// non-negative terms, so its residual stays below this for every setting the plugin takes.
inline constexpr double stationaryTolerance = 1e-12;

// Throws std::invalid_argument for a speedStep or startSpeed that is no positive number, a lattice of
// more than 100,000 steps (staircaseLattice says whether the start or the limits make it), negative
// driftWindows, a table stepping more than two increments, or a chain that could settle in more than one
// place from startSpeed (which no table of the plugin's makes).
SpeedAnalysis analyseStaircase(const StaircaseSetup& setup, const StepTable& steps);

} // namespace kadenzo::study
