// Parsing and checking the options of `kadenzo-sim study`.
//
// Index of this file:
// - The table
// - --steps
// - Conflicts: a value given twice, a coach that would measure nothing
// - Files
// - Help
#include "study/study_options.h"

#include "command_words.h"
#include "console/option_table.h"
#include "console_variables.h"
#include "number_text.h"
#include "output/output_file.h"
#include "platform/process_ending.h"
#include "play/play_options.h"
#include "play/player_options.h"
#include "settings_table.h"
#include "simulator.h"
#include "study/readable_numbers.h"
#include "study/study_verdict.h"

#include <fmt/format.h>

#include <algorithm>

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
    {"--details", nullptr,
     [](StudyOptions& options, const std::string&, const std::string&) { options.details = true; }},
    {"--steps", nullptr,
     [](StudyOptions& options, const std::string&, const std::string&) { options.steps = true; }},
};

// ---- --steps -----------------------------------------------------------------------------------

// The options --steps goes with: the step tables depend on the target alone.
const char* const optionsBesideSteps[] = {"--steps", "--sweep", "--set"};

void checkSteps(const StudyOptions& options, const std::vector<std::string>& given) {
    for (const std::string& option : given)
        if (std::none_of(std::begin(optionsBesideSteps), std::end(optionsBesideSteps),
                         [&option](const char* beside) { return option == beside; }))
            throw ConsoleError(
                fmt::format("--steps plays nothing and writes no file: {} has no use with it", option));
    for (const auto& setting : options.settings)
        if (setting.first != setting::idealAccuracy.name)
            throw ConsoleError(fmt::format(
                "--steps: the step tables depend on idealAccuracy alone; --set {} has no use with it",
                setting.first));
}

// ---- Conflicts ---------------------------------------------------------------------------------

// One rule for the value a sweep varies, a setting or a skill: the sweep gives it at every point, so the
// option that would give it too (--set NAME, or the skill's own option) is refused beside it, not dropped.
void refuseTheSweptValueGivenTwice(const StudyOptions& options, const std::vector<std::string>& given) {
    const Sweep& sweep = options.sweep;
    const bool skill = sweepsSkill(sweep);
    const bool givenBeside =
        skill ? std::find(given.begin(), given.end(), "--" + sweep.name) != given.end()
              : std::any_of(options.settings.begin(), options.settings.end(),
                            [&sweep](const auto& setting) { return setting.first == sweep.name; });
    if (givenBeside)
        throw ConsoleError(fmt::format("{}{} and --sweep {} name the same {}", skill ? "--" : "--set ",
                                       sweep.name, sweep.name, skill ? "skill" : "setting"));
}

// Whether the coach is on once the --set values are given, read as the host reads them: the session
// turns it on, then gives them in order (prepareSession), so the last --set slowMoEnabled decides.
bool coachEnabled(const std::vector<std::pair<std::string, std::string>>& settings) {
    halvex::host::ConsoleVariable enabled(setting::slowMoEnabled.name, "1",
                                          setting::slowMoEnabled.description, halvex::host::VariableRange{});
    for (const auto& setting : settings)
        if (setting.first == setting::slowMoEnabled.name) enabled.setText(setting.second);
    return enabled.boolValue();
}

// Rationale: the analysis works out an enabled coach in training; a disabled one never moves the speed,
// so its figures would differ from the runs at every point and say nothing of the settings. The session
// always plays in custom training, and no option takes the game out of it.
void refuseACoachTurnedOff(const StudyOptions& options) {
    if (coachEnabled(options.settings)) return;
    const auto last =
        std::find_if(options.settings.rbegin(), options.settings.rend(),
                     [](const auto& setting) { return setting.first == setting::slowMoEnabled.name; });
    throw ConsoleError(
        fmt::format("--set {}={} turns the coach off, and a study of it would measure nothing: "
                    "the analysis models an enabled coach in training, and a disabled one "
                    "never moves the speed",
                    last->first, last->second));
}

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
    const std::vector<std::string> given =
        applyOptions(arguments, optionTable, sim::playerOptionRows<StudyOptions>, options, "study");
    if (options.steps) checkSteps(options, given);
    refuseTheSweptValueGivenTwice(options, given);
    refuseACoachTurnedOff(options);
    if (toStandardOutput(options.csvPath) && toStandardOutput(options.jsonPath))
        throw ConsoleError("--csv - and --json - cannot both go to standard output");
    if (options.steps) return options;
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
    // Rationale: the help names the error's floor in words.
    static_assert(leastError == 1e-6, "the help says a millionth");
    const StudyOptions defaults;
    return fmt::format(
        R"(kadenzo-sim study: what the coach will do for you, tried on a simulated player before you play.

Usage:
  kadenzo-sim study [--sweep NAME=FROM:TO:STEP] [--details] [--comfort-speed C] [--spread W]
                    [--peak P] [--set NAME=VALUE]... [--runs R] [--attempts N] [--seed S]
                    [--csv FILE|-] [--json FILE|-] [--out DIR] [--plugin PATH]
  kadenzo-sim study --steps [--sweep NAME=FROM:TO:STEP] [--set idealAccuracy=VALUE]

For each value of one setting (by default the target accuracy, idealAccuracy, from 0.5 to 0.9) the
study prints a row of what the coach does over a long session for a simulated player, whose chance
of success falls as the game speeds up (--comfort-speed, --spread, --peak):
  accuracy you train at         the share of your attempts that succeed, on average
  the speed, 8 attempts in 10   where the game speed sits: 8 of every 10 attempts are played
                                from the first speed to the second (percent of normal speed)
  attempts to get there         how many attempts it takes on average, from the speed training
                                starts at, until the speed first stands where it is most often
Last comes the verdict: whether the real plugin, played, bears these figures out.

A window holds ten attempts, so the coach tells targets apart by whole tenths only: 0.65 trains
exactly like 0.6. --steps shows how the speed moves after each count of successes, for each target,
and which targets train alike.

Options:
  --sweep NAME=FROM:TO:STEP
                     the setting or skill to try, FROM to TO in steps of STEP, at most {points}
                     points (default idealAccuracy=0.5:0.9:0.05, nine targets); NAME is a setting
                     ({settings})
                     or a skill of the player ({skills}). The points are
                     FROM + i x STEP up to TO, never beyond it: one within a millionth of STEP
                     of TO is TO. FROM and TO lie within NAME's range; a setting the plugin
                     holds in whole numbers ({wholeSettings}) takes
                     a whole FROM, TO and STEP. The sweep gives NAME at each point, so
                     --set NAME, or the skill's own option, is refused beside it
  --details          after the table, the analyst's: the figures worked out and played side by
                     side, how far apart they lie in standard errors, the spread of the speed and
                     the balance point
  --steps            print, without playing anything, the plugin's step table at each point of the
                     sweep as a Markdown table: for each count of successes in a window (0/10 to
                     10/10), the steps the speed moves (-2 to +2). Consecutive points with the same
                     table share a row ("0.51-0.54"); a table without a 0 "never holds the speed".
                     It takes only --sweep and --set idealAccuracy=VALUE.
  --runs R           how many times each point is played, {leastRuns} to {mostRuns} (default {defaultRuns})
  --attempts N       attempts of each run, {leastAttempts} to {mostAttempts} (default 10000)
{playerOptions}  --csv FILE         write one row per point with every figure; with - to standard
                     output, and the table to standard error
  --json FILE        the same as JSON, with the distribution of the speed; with - to standard
                     output, and the table to standard error
  --out DIR          write study.png into DIR, creating it if needed: left, the accuracy you train
                     at for each point, worked out and played, against the target; right, how
                     often the speed stands at each speed, a row per point
  --plugin PATH      the plugin module to play
  --help             show this text
Each value may also follow its option after '=' (--runs=5); an empty one is refused.

How the figures are obtained:
  Worked out: the coach's rule as a Markov chain on the speeds START + j x increment within the
  limits. After each window the speed moves by the plugin's own step for its count of successes,
  each count as likely as the player's chance at that speed makes it, and a step beyond a limit is
  not taken. The chain's long run is solved exactly (to a residual below {tolerance}): the mean
  accuracy, the 10th and 90th percentiles of the speed, and the expected attempts from START until
  the speed first stands at its most likely value. The balance point (--details) is the accuracy
  at which a step up and a step down are equally likely; the mean accuracy lies near it, not on it.
  Played: R runs of N attempts of the real plugin module in the simulated host, as play plays
  them, run r seeded S + r from 0. The first tenth of each run, in whole windows, is played and
  not measured.
  The verdict: at each point, how far the worked-out mean accuracy and mean speed lie from the
  means of the R runs, in the runs' standard errors (never counted below a millionth, for a speed
  held at a limit in every run). A point "differs" beyond Student's t's critical value for R - 1
  degrees of freedom at the false-alarm chance of four normal standard errors ({chance:.4g},
  two-sided): {criticalDefault} standard errors for {defaultRuns} runs, {criticalFew} for 2, so that a right analysis is
  flagged as rarely with few runs as with many, at about one point in 7,900. Below {leastJudge} runs
  that bound is too wide to catch a wrong analysis, and the verdict says there were too few runs
  to judge. A point that cannot be worked out (the speed can settle in more than one place, as for
  a player sure to succeed at several speeds) is still played and shown as played, with the
  reason; the rest of the sweep stands.
  The drift: the plugin takes each stepped speed in whole millionths, so from a start of whole
  millionths under 400 % (100 % by default) an increment of up to six decimals lands on its
  decimals exactly: the chain's speeds are the plugin's, and its drift bound (drift_bound in the
  JSON) is 0. Only other increments drift, by up to about a millionth a window: never onto another
  speed, but a step that lands that near a limit may be taken or not. The JSON gives the long-run
  chance of such a step (drift_sensitive_chance); the runs played are the judge.

Long sweeps show their progress on standard error: a line as each point is done, and every few
seconds within a point. A study of a coach turned off (--set slowMoEnabled=0) is refused, as it
would measure nothing: the analysis models an enabled coach in training. Every option is checked
before anything is played or written, and files are written whole or not at all, as play writes
them. Exit status: 2 for bad options (a file that could not be written among them) or a sweep
that could not be played; 1 when writing a file failed or a point could not be worked out (each is
named on standard error, and the files are written all the same);
{unchosenEnding}; else 0.
)",
        fmt::arg("tolerance", shortest(stationaryTolerance)), fmt::arg("points", groupedDigits(mostSweepPoints)),
        fmt::arg("wholeSettings", sweepWholeSettingNames()), fmt::arg("settings", sweepSettingNames()),
        fmt::arg("skills", sweepSkillNames()), fmt::arg("leastRuns", leastRuns),
        fmt::arg("mostRuns", mostRuns), fmt::arg("leastAttempts", leastAttempts),
        fmt::arg("mostAttempts", mostAttempts), fmt::arg("playerOptions", sim::playerOptionsHelp()),
        fmt::arg("chance", falseAlarmChance()),
        fmt::arg("criticalDefault", fmt::format("{:.2f}", criticalDistance(defaults.runs))),
        fmt::arg("defaultRuns", defaults.runs),
        fmt::arg("criticalFew", fmt::format("{:.0f}", criticalDistance(2))),
        fmt::arg("leastJudge", leastRunsToJudge), fmt::arg("unchosenEnding", platform::unchosenEndingHelp));
}

} // namespace kadenzo::study
