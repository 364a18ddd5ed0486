// `kadenzo-sim study`: a sweep of one setting or skill, each point worked out as a chain and played
// through the real plugin, reported as a table, CSV, JSON and a picture.
#pragma once

#include "study/study_options.h"
#include "study/study_progress.h"
#include "study/study_report.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace kadenzo::study {

// What a sweep tells as it goes; each may be left empty.
struct SweepEvents {
    // Within point INDEX (from 0), at VALUE, the attempts of its runs played so far: every
    // progressEvery attempts of a run and at the end of each (study_simulation.h).
    std::function<void(std::size_t index, double value, long long attemptsPlayed)> playing;
    // Once a point is done, with the number done so far.
    std::function<void(std::size_t pointsDone, const StudyPoint&)> pointDone;
};

// The points of OPTIONS' sweep, analysed and played. A point the analysis refuses is still played and
// keeps the reason (StudyPoint::failure). Throws ConsoleError when a point cannot be played (the module,
// a --set).
StudyResult runSweep(const StudyOptions& options, const SweepEvents& events = {});

// The command as a whole: returns the process's exit status, 2 for bad options (a file that could not
// be written among them) or a sweep that could not be played, 1 when writing a file failed or a point
// could not be worked out (each named on ERR after the table and the files), else 0. --steps prints
// its table and plays nothing. A long sweep tells its progress on ERR as TIMING says (study_progress.h).
int runStudy(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
             std::ostream& out, std::ostream& err, const ProgressTiming& timing = {});

} // namespace kadenzo::study
