// The speeds the coach's staircase can stand at, as floats the plugin reaches, and how far the plugin's
// own float may drift from them (staircase_analysis.h says why, under "The lattice" and "The drift").
#pragma once

#include "study/staircase_analysis.h"

#include <cstddef>
#include <vector>

namespace kadenzo::study {

struct StaircaseLattice {
    // startSpeed + j x speedStep for a run of j around 0, ascending: every node within the limits, the
    // start, and two more at each end, which only a step the drift lets in could reach.
    std::vector<float> speeds;
    std::size_t start = 0; // the index of startSpeed
    // One unit in the last place of the fastest speed a step can land on: the most a step rounds by,
    // doubled.
    double unitDrift = 0.0;
};

// Throws std::invalid_argument for a step or start that is no positive number, or limits that would
// make the lattice longer than any setting of the plugin allows.
StaircaseLattice staircaseLattice(const StaircaseSetup& setup);

// Whether the plugin's limits decide between taking and dropping a step that lands at LANDING, once the
// plugin's speed may lie up to DRIFT from the lattice's value: some speed within DRIFT of LANDING lies
// within the limits and some does not.
bool driftDecides(float landing, double drift, int lowestPercent, int highestPercent);

} // namespace kadenzo::study
