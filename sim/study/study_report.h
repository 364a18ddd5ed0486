// What a study finds at each point of its sweep, and the CSV and the JSON of it (the table it prints is
// study_table.h's).
#pragma once

#include "study/staircase_analysis.h"
#include "study/study_simulation.h"
#include "study/study_sweep.h"
#include "study/study_verdict.h"

#include <string>
#include <vector>

namespace kadenzo::study {

struct StudyPoint {
    double value = 0.0; // of the swept setting or skill
    SpeedAnalysis analysis; // empty when the point could not be worked out
    // Why the point could not be worked out (what analyseStaircase refused); empty when it was.
    std::string failure;
    SimulatedPoint simulated;
    Agreement agreement;

    bool workedOut() const { return failure.empty(); }
};

struct StudyResult {
    Sweep sweep;
    int runs = 0;
    long long attempts = 0;
    long long burnIn = 0;
    std::vector<StudyPoint> points;
};

// A header and a row per point: the analyst's columns of the table, the percentiles of the speeds as
// played, the verdict and the reason a point could not be worked out. A point that could not be worked
// out leaves the chain's cells empty.
std::string studyCsv(const StudyResult& result);
// One object: the sweep, the runs and the test's bound, and an array of points with the analysis' and
// the runs' distribution of speeds; "chain" is null for a point that could not be worked out, and
// "reason" says why.
std::string studyJson(const StudyResult& result);

} // namespace kadenzo::study
