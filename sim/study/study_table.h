// The table `kadenzo-sim study` prints: first, for a player, a row a point in plain words; the analyst's
// columns after it when asked (--details); last, the verdict on whether the plugin played bears the
// figures out.
#pragma once

#include "study/study_report.h"

#include <string>

namespace kadenzo::study {

// A line saying what the rows are; a heading and a row a point: the value, the accuracy the player
// trains at, the speeds of 8 attempts in 10 (the 10th to the 90th percentile, in percent of normal
// speed) and the attempts from the start speed until the speed first stands at its most likely value,
// rounded to two figures. A point that cannot be worked out shows the figures as played, and why. With
// DETAILS, the analyst's table follows: the chain's and the runs' figures side by side, their distances
// in standard errors and the balance point. Last the verdict (studyVerdict), and a line on the points
// that settle later than the burn-in, when there are any.
std::string studyTable(const StudyResult& result, bool details);

// The verdict on the sweep, in one line ending in a newline: that the analysis agrees with the plugin
// played at every point, that some points differ from it, that there were too few runs to judge, and
// how many points could not be worked out.
std::string studyVerdict(const StudyResult& result);

// ATTEMPTS as the player's table shows it: a whole number, two figures from 100 on ("170", "1,700",
// "310,000"), "over a million" from a million, "never" when not finite.
std::string attemptsInWords(double attempts);

} // namespace kadenzo::study
