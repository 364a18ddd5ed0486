// Parsing and checking the options of `kadenzo-sim study`.
//
// Index of this file:
// - The table
// - Files
// - Help
#include "study/study_options.h"

#include "command_words.h"
#include "console/option_table.h"
#include "output/output_file.h"
#include "platform/process_ending.h"
#include "play/play_options.h"
#include "play/player_options.h"
#include "simulator.h"
#include "study/study_simulation.h"

#include <fmt/format.h>

namespace kadenzo::study {

namespace {

using sim::ConsoleError;
using sim::OptionRow;

// ---- The table ---------------------------------------------------------------------------------

const OptionRow<StudyOptions> optionTable[] = {
    {"--sweep", "NAME=FROM:TO:STEP",
     [](StudyOptions& options, const std::string&, const std::string& value) {
         options.sweep = parseSweep(value);
     }},
    {"--runs", "a whole number",
     [](StudyOptions& options, const std::string& option, const std::string& value) {
         options.runs =
             sim::requireWholeNumber<int>(value, leastRuns, mostRuns, option,
                                          fmt::format("a whole number from {} to {}", leastRuns, mostRuns));
     }},
    {"--attempts", "a whole number",
     [](StudyOptions& options, const std::string& option, const std::string& value) {
         options.attempts = sim::requireWholeNumber<long long>(
             value, leastAttempts, mostAttempts, option,
             fmt::format("a whole number from {} to {}", leastAttempts, mostAttempts));
     }},
    {"--csv", "a file name",
     [](StudyOptions& options, const std::string&, const std::string& value) { options.csvPath = value; }},
    {"--json", "a file name",
     [](StudyOptions& options, const std::string&, const std::string& value) { options.jsonPath = value; }},
    {"--out", "a folder name",
     [](StudyOptions& options, const std::string&, const std::string& value) {
         options.outDirectory = value;
     }},
    {"--plugin", "a path",
     [](StudyOptions& options, const std::string&, const std::string& value) { options.pluginPath = value; }},
};

// ---- Files -------------------------------------------------------------------------------------

bool toStandardOutput(const std::string& path) {
    return path == output::standardOutputName;
}

void declareTable(const char* option, const std::string& path, const char* what) {
    if (!path.empty() && !toStandardOutput(path)) sim::declareOutputOf(option, path, what);
}

} // namespace

long long burnInAttempts(long long attempts) {
    return attempts / 10 / 10 * 10;
}

StudyOptions parseStudyOptions(const std::vector<std::string>& arguments,
                               const std::string& defaultPluginPath) {
    StudyOptions options;
    options.pluginPath = defaultPluginPath;
    applyOptions(arguments, optionTable, sim::playerOptionRows<StudyOptions>, options, "study");
    if (!sweepsSkill(options.sweep))
        for (const auto& setting : options.settings)
            if (setting.first == options.sweep.name)
                throw ConsoleError(fmt::format("--set {} and --sweep {} name the same setting", setting.first,
                                               options.sweep.name));
    if (toStandardOutput(options.csvPath) && toStandardOutput(options.jsonPath))
        throw ConsoleError("--csv - and --json - cannot both go to standard output");
    // The module first, so that an output naming it is the one refused.
    output::declareInput(options.pluginPath, sim::pluginModuleWhat);
    declareTable("--csv", options.csvPath, "the CSV file (--csv)");
    declareTable("--json", options.jsonPath, "the JSON file (--json)");
    if (!options.outDirectory.empty()) sim::checkOutFolder(options.outDirectory, {studyPicture});
    return options;
}

bool tableToStandardError(const StudyOptions& options) {
    return toStandardOutput(options.csvPath) || toStandardOutput(options.jsonPath);
}

// ---- Help --------------------------------------------------------------------------------------

std::string studyHelp() {
    return fmt::format(
        R"(kadenzo-sim study: what the coach's settings do to a player, worked out and simulated.

Usage:
  kadenzo-sim study [--comfort-speed C] [--spread W] [--peak P] [--set NAME=VALUE]...
                    [--sweep NAME=FROM:TO:STEP] [--runs R] [--attempts N] [--seed S]
                    [--csv FILE|-] [--json FILE|-] [--out DIR] [--plugin PATH]

Every ten attempts the coach steps the game speed by -2 to +2 increments, by how many of the ten
succeeded. For each point of the sweep the study reports three things:
  the analysis    the controller as a chain on the speeds START + j x increment within the
                  limits: the step of each count of successes worked out with the plugin's
                  own single-precision arithmetic and table, a step beyond a limit dropped
                  whole, each count as likely as a binomial of the player's chance at that
                  speed. Its long run (solved to a residual below {tolerance}): the mean accuracy,
                  the mean speed, its spread and its 10th and 90th percentiles, and the
                  attempts until the speed first stands at its most likely value.
  the balance     the accuracy at which a step up and a step down are equally likely: where a
                  transformed up-down staircase converges (Levitt 1971). The chain's mean
                  accuracy lies near it, not on it: the balance counts a step of two
                  increments as one, and the mean averages the player's chance over the
                  speeds the staircase wanders through, where the chance is no straight line
                  of the speed, and the limits cut the wandering. A window holds ten attempts,
                  so the coach tells only whole tenths apart (0.65 trains like 0.6).
  the simulation  R runs of N attempts of the real plugin module through the host, as play
                  plays them, each run seeded S + its number from 0. The first tenth of each
                  run (in whole windows) is burn-in, played and discarded. The mean accuracy
                  and speed of each run give the means and their standard errors across
                  runs, and the distance of the analysis from them in standard errors.
The drift: the plugin adds its increments in floats, each step rounding by up to half a unit in
the last place, and roundings do not undo each other. The chain's speeds are therefore the floats
the plugin reaches from the start by whole steps (1.0 - 0.05 ten times is 0.49999988, below 50 %,
so 0.5 is never reached from 1.0), and each step lands where the plugin's own arithmetic puts it.
After many windows the plugin's speed may still lie a few units in the last place from those
floats: too little to move it to another speed, but where a step lands within that bound of a
limit (1.45 + 0.05 against 150 %) it decides whether the step is taken or dropped. The chain
takes such a step as its float says, and the JSON gives the long-run chance per window of such a
landing (drift_sensitive_chance). The simulation of the real plugin is the judge: a point whose
analysis and simulation differ by more than {distance} standard errors is flagged "differs" in the
table, the CSV and the JSON.

Options:
  --sweep NAME=FROM:TO:STEP
                     the setting or skill to sweep, FROM to TO in steps of STEP, at most
                     {points} points (default idealAccuracy=0.5:0.9:0.05, nine targets); NAME is
                     a setting ({settings})
                     or a skill of the player ({skills})
  --runs R           independent runs per point, {leastRuns} to {mostRuns} (default 20)
  --attempts N       attempts per run, {leastAttempts} to {mostAttempts} (default 10000)
{playerOptions}  --csv FILE         write one row per point; with - to standard output, and the table
                     to standard error
  --json FILE        the same as JSON; with - to standard output, and the table to standard error
  --out DIR          write study.png into DIR, creating it if needed: the mean accuracy of each
                     point against its target, with the diagonal where they would be equal,
                     and the stationary speed distribution of each point
  --plugin PATH      the plugin module to load
  --help             show this text
Each value may also follow its option after '=' (--runs=5); an empty one is refused.

Long sweeps show their progress on standard error. Every option is checked before anything is
played or written, and files are written whole or not at all, as play writes them. Exit status: 2
for bad options (a file that could not be written among them) or a sweep that could not be
played, 1 when writing a file failed, {unchosenEnding}; else 0.
)",
        fmt::arg("distance", disagreementDistance), fmt::arg("tolerance", stationaryTolerance),
        fmt::arg("points", mostSweepPoints), fmt::arg("settings", sweepSettingNames()),
        fmt::arg("skills", sweepSkillNames()), fmt::arg("leastRuns", leastRuns),
        fmt::arg("mostRuns", mostRuns), fmt::arg("leastAttempts", leastAttempts),
        fmt::arg("mostAttempts", mostAttempts), fmt::arg("playerOptions", sim::playerOptionsHelp()),
        fmt::arg("unchosenEnding", platform::unchosenEndingHelp));
}

} // namespace kadenzo::study
