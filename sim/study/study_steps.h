// `kadenzo-sim study --steps`: the plugin's step table at each point of a sweep, worked out from its
// own rule without playing anything: for each count of successes in a window of ten, the steps of
// speed (-2 to +2) the window moves. Consecutive points with the same table make one group, so that a
// sweep of targets shows which train alike.
#pragma once

#include "study/staircase_analysis.h"
#include "study/study_options.h"

#include <string>
#include <vector>

namespace kadenzo::study {

// Consecutive points of a sweep, from FIRST to LAST, whose targets step alike.
struct StepGroup {
    double first = 0.0;
    double last = 0.0;
    float target = 0.0f; // the target of the first, as the plugin holds it
    StepTable steps{};
};

// The groups of OPTIONS' sweep, each point's target as the plugin would hold it: the swept value for a
// sweep of idealAccuracy, else the last --set idealAccuracy or the setting's default. NOTICES gets a
// line for a --set value that the setting's range clamped, as play tells it. Throws ConsoleError for a
// --set idealAccuracy that the setting refuses.
std::vector<StepGroup> stepGroups(const StudyOptions& options, std::vector<std::string>& notices);

// The groups as a Markdown table: a heading, a separator row, and a row a group, its values as "0.5"
// or "0.51-0.54", its steps as -2 to +2, and "never holds the speed" for a table without a 0. A sweep
// of anything but idealAccuracy names the target in the note.
std::string stepsTable(const Sweep& sweep, const std::vector<StepGroup>& groups);

} // namespace kadenzo::study
