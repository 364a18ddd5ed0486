// Whether a point's analysis agrees with the plugin played: how far the worked-out mean accuracy and
// mean speed lie from the means of the runs, in the runs' standard errors, and the verdict on it.
//
// Index of this file:
// - The test
// - Verdicts
#pragma once

#include "study/staircase_analysis.h"
#include "study/study_simulation.h"

namespace kadenzo::study {

// ---- The test ----------------------------------------------------------------------------------

// The chance that a right analysis is flagged, for each of the two quantities of a point: two-sided,
// that of four standard errors of a normal distribution, erfc(4 / sqrt 2) = 6.334e-5. Two quantities a
// point make a false alarm at about one point in 7,900: in one default sweep of nine points in 880, in
// one of 90 points in 88.
double falseAlarmChance();

// The distance in standard errors beyond which a point played RUNS times (at least 2) is flagged:
// Student's t's critical value for RUNS - 1 degrees of freedom at falseAlarmChance(): 10050 for 2 runs,
// 32.6 for 4, 9.84 for 7, 5.10 for 20, 4.02 for 1000.
// Rationale: the standard error is estimated from the runs themselves, and from a few it is itself
// far from sure (two runs a and b give |a - b| / 2, which may come out near nothing): four normal
// standard errors flag a third of the right points of a sweep played twice. t widens the bound by just
// what that uncertainty warrants, so that a right analysis is flagged as rarely with 2 runs as with 1000.
double criticalDistance(int runs);

// Rationale: below this many runs the bound is so wide that the test can hardly fail: an analysis ten
// true standard errors off is flagged at 1 point in 1,200 with 2 runs, 1 in 7 with 5, 1 in 3 with 6, and
// from 7 runs (59 %) more often than not. Points played fewer times are judged too few to tell, unless
// they are beyond the bound all the same.
constexpr int leastRunsToJudge = 7;

// The error a distance is divided by never counts as less than this, so that a speed held at a limit in
// every run (no spread across runs at all) agrees with the analysis' limit.
constexpr double leastError = 1e-6;

// ---- Verdicts ----------------------------------------------------------------------------------

enum class Verdict {
    agrees,       // within criticalDistance on both the mean accuracy and the mean speed
    differs,      // beyond it on either
    tooFewRuns,   // within it, played fewer than leastRunsToJudge times
    notWorkedOut, // the analysis could not be made (analyseStaircase refused the setting)
};

// "agrees", "differs", "too few runs", "not worked out": the word of the CSV, the JSON and the table.
const char* verdictText(Verdict verdict);

struct Agreement {
    double accuracyDistance = 0.0; // (simulated - analysed) / standard error
    double speedDistance = 0.0;
    Verdict verdict = Verdict::agrees;
};

// ANALYSIS against SIMULATED, played SIMULATED.runs times (at least 2).
Agreement agreementOf(const SpeedAnalysis& analysis, const SimulatedPoint& simulated);

// The agreement of a point that could not be worked out: no distances.
Agreement notWorkedOut();

} // namespace kadenzo::study
