// `kadenzo-sim study`.
//
// Index of this file:
// - The sweep
// - The files
// - The command
#include "study/study_command.h"

#include "command_line.h"
#include "output/output_file.h"
#include "pictures/pictures.h"
#include "platform/terminal_text.h"
#include "play/play_options.h"
#include "study/staircase_lattice.h"
#include "study/study_picture.h"
#include "study/study_steps.h"
#include "study/study_table.h"

#include <fmt/format.h>

#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>

namespace kadenzo::study {

// ---- The sweep ---------------------------------------------------------------------------------

namespace {

// The speeds a point that cannot be worked out counts its shares at: the lattice's, or none when the
// setting has no lattice either.
std::vector<float> latticeSpeeds(const StaircaseSetup& setup) {
    try {
        return staircaseLattice(setup).speeds;
    } catch (const std::invalid_argument&) {
        return {};
    }
}

StudyPoint studyPoint(const StudyOptions& options, double value, long long burnIn,
                      const std::function<void(long long attemptsPlayed)>& playing) {
    StudyPoint point;
    point.value = value;
    PointRuns runs;
    runs.pluginPath = options.pluginPath;
    runs.player = playerAt(options.sweep, options.player, value);
    runs.settings = settingsAt(options.sweep, options.settings, value);
    runs.runs = options.runs;
    runs.attempts = options.attempts;
    runs.burnIn = burnIn;
    runs.seed = options.seed;
    point.simulated = simulatePoint(
        runs,
        [&point](const StaircaseSetup& setup) {
            try {
                point.analysis = analyseStaircase(setup, pluginStepTable(setup.targetAccuracy));
                return point.analysis.speeds;
            } catch (const std::invalid_argument& error) {
                point.failure = error.what();
                return latticeSpeeds(setup);
            }
        },
        playing);
    point.agreement = point.workedOut() ? agreementOf(point.analysis, point.simulated) : notWorkedOut();
    return point;
}

} // namespace

StudyResult runSweep(const StudyOptions& options, const SweepEvents& events) {
    StudyResult result;
    result.sweep = options.sweep;
    result.runs = options.runs;
    result.attempts = options.attempts;
    result.burnIn = burnInAttempts(options.attempts);
    for (const double value : sweepValues(options.sweep)) {
        const std::size_t index = result.points.size();
        std::function<void(long long)> playing;
        if (events.playing)
            playing = [&events, index, value](long long played) { events.playing(index, value, played); };
        result.points.push_back(studyPoint(options, value, result.burnIn, playing));
        if (events.pointDone) events.pointDone(result.points.size(), result.points.back());
    }
    return result;
}

namespace {

// ---- The files ---------------------------------------------------------------------------------

// TEXT to PATH, whole or not at all, or to OUT for "-"; nothing for no path.
void writeText(const std::string& path, const std::string& text, std::ostream& out, std::ostream& report) {
    if (path.empty()) return;
    if (path == output::standardOutputName) {
        out << text << std::flush;
        return;
    }
    output::OutputFile file(path);
    file.write(text);
    file.commit();
    report << "wrote " << platform::terminalText(path) << '\n';
}

void writePicture(const StudyOptions& options, const StudyResult& result, std::ostream& report) {
    if (options.outDirectory.empty()) return;
    sim::createOutFolder(options.outDirectory);
    const std::string path = sim::outPicturePath(options.outDirectory, studyPicture);
    sim::PictureWriter writer;
    std::string message;
    if (!writer.write(studyScene(result), path, message)) throw output::OutputError(message);
    report << "wrote " << platform::terminalText(path) << '\n';
}

// ---- The command -------------------------------------------------------------------------------

constexpr int writeFailed = 1;
constexpr int notAllWorkedOut = 1;
constexpr int cannotStudy = 2;
// Rationale: below this many attempts in all a sweep takes a few seconds at most and says nothing
// until its table.
constexpr long long longSweepAttempts = 1'000'000;

int fail(std::ostream& out, std::ostream& err, const std::exception& error, int status) {
    out << std::flush;
    err << "kadenzo-sim study: " << platform::terminalText(error.what()) << std::endl;
    return status;
}

// --steps: the table on OUT, the notices of clamped values on ERR.
int printSteps(const StudyOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<std::string> notices;
    std::vector<StepGroup> groups;
    try {
        groups = stepGroups(options, notices);
    } catch (const std::exception& error) {
        return fail(out, err, error, cannotStudy);
    }
    for (const std::string& notice : notices)
        err << platform::terminalText(notice) << '\n';
    out << stepsTable(options.sweep, groups) << std::flush;
    return 0;
}

// Every point that could not be worked out, named on ERR; the status they leave.
int reportFailures(const StudyResult& result, std::ostream& err) {
    int status = 0;
    for (const StudyPoint& point : result.points)
        if (!point.workedOut()) {
            err << platform::terminalText(fmt::format("kadenzo-sim study: {} {}: cannot be worked out: {}",
                                                      result.sweep.name, sweepValueText(point.value),
                                                      point.failure))
                << std::endl;
            status = notAllWorkedOut;
        }
    return status;
}

} // namespace

int runStudy(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
             std::ostream& out, std::ostream& err, const ProgressTiming& timing) {
    StudyOptions options;
    try {
        if (sim::asksForHelp(arguments)) {
            out << studyHelp();
            return 0;
        }
        options = parseStudyOptions(arguments, defaultPluginPath);
    } catch (const std::exception& error) {
        return fail(out, err, error, cannotStudy);
    }
    if (options.steps) return printSteps(options, out, err);
    const std::size_t points = sweepValues(options.sweep).size();
    const long long attemptsPerPoint = options.runs * options.attempts;
    const bool showProgress = static_cast<long long>(points) * attemptsPerPoint >= longSweepAttempts;
    SweepProgress progress(options.sweep.name, points, attemptsPerPoint, timing);
    std::set<std::string> told;
    SweepEvents events;
    events.pointDone = [&](std::size_t done, const StudyPoint& point) {
        for (const std::string& clamped : point.simulated.clamped)
            if (told.insert(clamped).second) err << platform::terminalText(clamped) << '\n';
        if (showProgress) err << progress.pointDone(done - 1, point.value) << std::endl;
    };
    if (showProgress)
        events.playing = [&](std::size_t index, double value, long long played) {
            if (const std::optional<std::string> line = progress.playing(index, value, played))
                err << *line << std::endl;
        };
    StudyResult result;
    try {
        result = runSweep(options, events);
    } catch (const std::exception& error) {
        return fail(out, err, error, cannotStudy);
    }
    std::ostream& report = tableToStandardError(options) ? err : out;
    report << studyTable(result, options.details) << std::flush;
    try {
        writeText(options.csvPath, studyCsv(result), out, report);
        writeText(options.jsonPath, studyJson(result), out, report);
        writePicture(options, result, report);
    } catch (const std::exception& error) {
        reportFailures(result, err);
        return fail(out, err, error, writeFailed);
    }
    out << std::flush;
    return reportFailures(result, err);
}

} // namespace kadenzo::study
