// The speeds the coach's staircase can stand at, as floats the plugin reaches, and how far the plugin's
// own float may drift from them (staircase_analysis.h says why, under "The lattice" and "The drift").
#pragma once

#include "study/staircase_analysis.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace kadenzo::study {

struct StaircaseLattice {
    // startSpeed + j x speedStep for a run of j around 0, ascending: every node within the limits, the
    // start, and two more at each end, which only a step the drift lets in could reach.
    std::vector<float> speeds;
    std::size_t start = 0; // the index of startSpeed
    // The most the plugin's speed may move from the lattice's value in one window: 0 where its steps land
    // exactly on the lattice's millionths (every increment of up to six decimals from a start of whole
    // millionths, within the limits the plugin takes), else a millionth and a unit in the last place of
    // the fastest speed a step can land on.
    double unitDrift = 0.0;
};

// Where a step of STEPS increments from SPEED lands, as the plugin writes it, and whether the plugin's
// limits let it be taken; empty for a step to a speed that is not finite.
struct Landing {
    float speed = 0.0f;
    bool withinLimits = false;
};
std::optional<Landing> landingOf(float speed, int steps, const StaircaseSetup& setup);

// Throws std::invalid_argument for a step or start that is no positive number, or a lattice longer than
// any setting of the plugin allows: naming the start speed when it lies outside the limits, far from
// them, else the limits.
StaircaseLattice staircaseLattice(const StaircaseSetup& setup);

// Whether the plugin's limits decide between taking and dropping a step that lands at LANDING, once the
// plugin's speed may lie up to DRIFT from the lattice's value: some speed within DRIFT of LANDING lies
// within the limits and some does not.
bool driftDecides(float landing, double drift, int lowestPercent, int highestPercent);

} // namespace kadenzo::study
