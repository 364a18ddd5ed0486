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
#include "play/play_options.h"
#include "study/study_picture.h"

#include <fmt/format.h>

#include <ostream>
#include <set>

namespace kadenzo::study {

// ---- The sweep ---------------------------------------------------------------------------------

StudyResult runSweep(const StudyOptions& options,
                     const std::function<void(std::size_t pointsDone, const StudyPoint&)>& progress) {
    StudyResult result;
    result.sweep = options.sweep;
    result.runs = options.runs;
    result.attempts = options.attempts;
    result.burnIn = burnInAttempts(options.attempts);
    for (const double value : sweepValues(options.sweep)) {
        StudyPoint point;
        point.value = value;
        PointRuns runs;
        runs.pluginPath = options.pluginPath;
        runs.player = playerAt(options.sweep, options.player, value);
        runs.settings = settingsAt(options.sweep, options.settings, value);
        runs.runs = options.runs;
        runs.attempts = options.attempts;
        runs.burnIn = result.burnIn;
        runs.seed = options.seed;
        point.simulated = simulatePoint(runs, [&point](const StaircaseSetup& setup) {
            point.analysis = analyseStaircase(setup, pluginStepTable(setup.targetAccuracy));
            return point.analysis.speeds;
        });
        point.agreement = agreementOf(point.analysis, point.simulated);
        result.points.push_back(std::move(point));
        if (progress) progress(result.points.size(), result.points.back());
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
    report << "wrote " << path << '\n';
}

void writePicture(const StudyOptions& options, const StudyResult& result, std::ostream& report) {
    if (options.outDirectory.empty()) return;
    sim::createOutFolder(options.outDirectory);
    const std::string path = sim::outPicturePath(options.outDirectory, studyPicture);
    sim::PictureWriter writer;
    std::string message;
    if (!writer.write(studyScene(result), path, message)) throw output::OutputError(message);
    report << "wrote " << path << '\n';
}

// ---- The command -------------------------------------------------------------------------------

constexpr int writeFailed = 1;
constexpr int cannotStudy = 2;
// Rationale: below this many attempts in all a sweep takes a few seconds at most and says nothing
// until its table.
constexpr long long longSweepAttempts = 1'000'000;

int fail(std::ostream& out, std::ostream& err, const std::exception& error, int status) {
    out << std::flush;
    err << "kadenzo-sim study: " << error.what() << std::endl;
    return status;
}

} // namespace

int runStudy(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
             std::ostream& out, std::ostream& err) {
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
    const std::size_t points = sweepValues(options.sweep).size();
    const bool showProgress =
        static_cast<long long>(points) * options.runs * options.attempts >= longSweepAttempts;
    std::set<std::string> told;
    StudyResult result;
    try {
        result = runSweep(options, [&](std::size_t done, const StudyPoint& point) {
            for (const std::string& clamped : point.simulated.clamped)
                if (told.insert(clamped).second) err << clamped << '\n';
            if (showProgress)
                err << fmt::format("study: {} of {} points ({} {})", done, points, options.sweep.name,
                                   sweepValueText(point.value))
                    << std::endl;
        });
    } catch (const std::exception& error) {
        return fail(out, err, error, cannotStudy);
    }
    std::ostream& report = tableToStandardError(options) ? err : out;
    report << studyTable(result) << std::flush;
    try {
        writeText(options.csvPath, studyCsv(result), out, report);
        writeText(options.jsonPath, studyJson(result), out, report);
        writePicture(options, result, report);
    } catch (const std::exception& error) {
        return fail(out, err, error, writeFailed);
    }
    out << std::flush;
    return 0;
}

} // namespace kadenzo::study
