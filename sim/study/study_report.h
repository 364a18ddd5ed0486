// What a study reports for each point of its sweep: the table on standard output, the CSV and the JSON.
#pragma once

#include "study/staircase_analysis.h"
#include "study/study_simulation.h"
#include "study/study_sweep.h"

#include <string>
#include <vector>

namespace kadenzo::study {

struct StudyPoint {
    double value = 0.0; // of the swept setting or skill
    SpeedAnalysis analysis;
    SimulatedPoint simulated;
    Agreement agreement;
};

struct StudyResult {
    Sweep sweep;
    int runs = 0;
    long long attempts = 0;
    long long burnIn = 0;
    std::vector<StudyPoint> points;
};

// The table: a line saying what was played, a header, a row per point, and a line on the flag.
std::string studyTable(const StudyResult& result);
// A header and a row per point, the same columns as the table's and the balance and settling time.
std::string studyCsv(const StudyResult& result);
// One object: the sweep, the runs, and an array of points with the analysis' stationary distribution.
std::string studyJson(const StudyResult& result);

} // namespace kadenzo::study
