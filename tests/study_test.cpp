// kadenzo-sim study with the real plugin module: what its options refuse (nothing written), the
// analysis against the plugin played and the verdict on it, a point that cannot be worked out, the
// table, CSV and JSON of a small sweep, the step tables of --steps, and the labels of study.png.
//
// Index of this file:
// - Options refused
// - The analysis against the plugin
// - Sweeps
// - A point that cannot be worked out
// - The table and the files
// - Progress
// - Step tables
// - The picture
#include "built_modules.h"
#include "output_test_support.h"
#include "pictures/chart_style.h"
#include "play/play_options.h"
#include "study/study_command.h"
#include "study/study_picture.h"
#include "study/study_progress.h"
#include "study/study_simulation.h"
#include "study/study_sweep.h"
#include "study/study_table.h"
#include "study/study_verdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::study;
using kadenzo::sim::test::builtPlugin;

// ---- Options refused ---------------------------------------------------------------------------

class StudyFiles : public output_test::FolderTest {
protected:
    int study(std::vector<std::string> arguments, const ProgressTiming& timing = {}) {
        return runStudy(arguments, builtPlugin(), out, err, timing);
    }
    std::ostringstream out;
    std::ostringstream err;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// ARGUMENTS with every output named, so that "nothing written" means something: refused with status 2
// and MESSAGE alone, nothing written, nothing on standard output.
class StudyRefusals : public StudyFiles {
protected:
    void expectRefused(const std::vector<std::string>& bad, const std::string& message) {
        SCOPED_TRACE(::testing::PrintToString(bad));
        out.str("");
        err.str("");
        std::vector<std::string> arguments = bad;
        arguments.insert(arguments.end(), {"--csv", path("study.csv"), "--json", path("study.json"), "--out",
                                           path("pictures")});
        EXPECT_EQ(study(arguments), 2);
        EXPECT_EQ(err.str(), "kadenzo-sim study: " + message + "\n");
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(entries(), std::vector<std::string>{});
        EXPECT_FALSE(std::regex_search(err.str(), std::regex("[0-9]{10}"))) << "a number of unreadable size";
    }
};

TEST_F(StudyRefusals, BadInputIsRefusedWithStatusTwoAndNothingWritten) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--sweep", "idealAccuracy=0.9:0.5:0.1"}, "--sweep idealAccuracy: FROM 0.9 is above TO 0.5"},
        {{"--sweep", "idealAcuracy=0.5:0.9:0.1"},
         "--sweep: nothing that can be swept is named \"idealAcuracy\" (the names: idealAccuracy, "
         "slowMoSpeedIncrement, slowMoMaxSpeed, slowMoMinSpeed, comfort-speed, spread, peak)"},
        {{"--sweep", "ideal\x1b[2JAccuracy=0.5:0.9:0.1"},
         "--sweep: nothing that can be swept is named \"ideal\\x1B[2JAccuracy\" (the names: idealAccuracy, "
         "slowMoSpeedIncrement, slowMoMaxSpeed, slowMoMinSpeed, comfort-speed, spread, peak)"},
        {{"--sweep", "idealAccuracy=0.5:1.5:0.1"}, "--sweep idealAccuracy: 1.5 is beyond its range 0 to 1"},
        {{"--sweep", "idealAccuracy=-0.5:0.5:0.1"}, "--sweep idealAccuracy: -0.5 is beyond its range 0 to 1"},
        {{"--sweep", "idealAccuracy=0.5:1e300:0.1"},
         "--sweep idealAccuracy: 1e+300 is beyond its range 0 to 1"},
        {{"--sweep", "slowMoSpeedIncrement=0.0005:0.01:0.001"},
         "--sweep slowMoSpeedIncrement: 0.0005 is beyond its range 0.001 to 0.999"},
        {{"--sweep", "slowMoMaxSpeed=150:201:1"}, "--sweep slowMoMaxSpeed: 201 is beyond its range 5 to 200"},
        {{"--sweep", "peak=0:1:0.1"}, "--sweep peak: 0 is beyond its range 1e-06 to 1"},
        {{"--sweep", "idealAccuracy=0.5:0.9"},
         "--sweep needs NAME=FROM:TO:STEP, not \"idealAccuracy=0.5:0.9\""},
        {{"--sweep", "idealAccuracy=0.5:0.6:0.1", "--sweep", "idealAccuracy=0.5:0.6:0.1"},
         "--sweep can be given only once"},
        {{"--runs", "1"}, "--runs must be a whole number from 2 to 1000, not \"1\""},
        {{"--runs", "1001"}, "--runs is too large (at most 1000), not \"1001\""},
        {{"--attempts", "99"}, "--attempts must be a whole number from 100 to 10000000, not \"99\""},
        {{"--attempts", "10000001"}, "--attempts is too large (at most 10000000), not \"10000001\""},
        {{"--set", "nosuchvariable=1", "--runs", "2", "--attempts", "100"},
         "--set: no console variable is named \"nosuchvariable\""},
    };
    for (const auto& [bad, message] : cases)
        expectRefused(bad, message);
}

// FROM, TO and STEP: each refusal says what the part is, and a number only at a readable size.
TEST_F(StudyRefusals, EachPartOfASweepIsCalledByWhatItIs) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"0.5:0.9:0", "STEP is 0; the step must be above 0"},
        {"0.5:0.9:-0", "STEP is 0; the step must be above 0"},
        {"0.5:0.9:-0.1", "STEP -0.1 is negative; the step must be above 0"},
        {"0.5:0.9:-1e300", "STEP -1e+300 is negative; the step must be above 0"},
        {"0:1:1e-320", "STEP 1e-320 is subnormal, below the least normal double (2.2e-308)"},
        {"0:1:1e-400", "STEP is too small for a double (below 4.9e-324): it reads as 0"},
        {"0:1:nan", "STEP is NaN; a sweep needs finite numbers"},
        {"nan:1:0.1", "FROM is NaN; a sweep needs finite numbers"},
        {"0:1:inf", "STEP is infinite; a sweep needs finite numbers"},
        {"0:-infinity:0.1", "TO is infinite; a sweep needs finite numbers"},
        {"0:1e400:0.1", "TO is too large for a double (above 1.8e+308)"},
        {"1e-310:1:0.1", "FROM 1e-310 is subnormal, below the least normal double (2.2e-308)"},
        {"0.5:high:0.1", "TO \"high\" is not a number"},
        {"0x1:1:0.1", "FROM \"0x1\" is not a number"},
        {" 0.5:0.9:0.1", "FROM \" 0.5\" is not a number"},
        {"0.5::0.1", "TO \"\" is not a number"},
        {"0.5:0.9:0.1:0.2", "STEP \"0.1:0.2\" is not a number"},
        {"0:1:0.0009", "0:1:0.0009 makes more than 1,000 points"},
        {"0:1:1e-300", "0:1:1e-300 makes more than 1,000 points"},
        {"0:1:2.2250738585072014e-308", "0:1:2.22507386e-308 makes more than 1,000 points"},
    };
    for (const auto& [parts, message] : cases)
        expectRefused({"--sweep", "idealAccuracy=" + parts}, "--sweep idealAccuracy: " + message);
}

// slowMoMaxSpeed and slowMoMinSpeed are held in integer cells, which would truncate a fraction.
TEST_F(StudyRefusals, IntegerSettingsAreSweptInWholeNumbers) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"slowMoMaxSpeed=100:200:100.00005",
         "slowMoMaxSpeed holds whole numbers; STEP 100.00005 has a fraction"},
        {"slowMoMaxSpeed=100.5:200:10", "slowMoMaxSpeed holds whole numbers; FROM 100.5 has a fraction"},
        {"slowMoMinSpeed=50:1.005e2:10", "slowMoMinSpeed holds whole numbers; TO 100.5 has a fraction"},
        {"slowMoMinSpeed=50:100:0.5", "slowMoMinSpeed holds whole numbers; STEP 0.5 has a fraction"},
    };
    for (const auto& [sweep, message] : cases)
        expectRefused({"--sweep", sweep}, "--sweep " + sweep.substr(0, sweep.find('=')) + ": " + message);
}

// What a sweep varies is given by the sweep at every point: the option that would give it too, the
// setting's --set or the skill's own, is refused beside it, whichever comes first.
TEST_F(StudyRefusals, AValueGivenByTheSweepAndAnOptionIsRefused) {
    expectRefused({"--set", "idealAccuracy=0.6"},
                  "--set idealAccuracy and --sweep idealAccuracy name the same setting");
    expectRefused({"--sweep", "slowMoMaxSpeed=150:200:10", "--set", "slowMoMaxSpeed=120"},
                  "--set slowMoMaxSpeed and --sweep slowMoMaxSpeed name the same setting");
    expectRefused({"--peak", "0.5", "--sweep", "peak=0.5:0.9:0.1"},
                  "--peak and --sweep peak name the same skill");
    expectRefused({"--sweep", "spread=0.1:0.3:0.1", "--spread", "0.2"},
                  "--spread and --sweep spread name the same skill");
    expectRefused({"--comfort-speed=1", "--sweep=comfort-speed=0.8:1.6:0.4"},
                  "--comfort-speed and --sweep comfort-speed name the same skill");
}

// The session turns the coach on, then gives the --set values in order: the last one of slowMoEnabled
// decides, read as the host reads it (0.5 truncates to 0, NaN is 0).
TEST_F(StudyRefusals, ACoachTurnedOffIsRefused) {
    const std::string why = " turns the coach off, and a study of it would measure nothing: the analysis "
                            "models an enabled coach in training, and a disabled one never moves the speed";
    expectRefused({"--set", "slowMoEnabled=0"}, "--set slowMoEnabled=0" + why);
    expectRefused({"--set", "slowMoEnabled=1", "--set", "slowMoEnabled=0.5"},
                  "--set slowMoEnabled=0.5" + why);
    expectRefused({"--set", "slowMoEnabled=nan"}, "--set slowMoEnabled=nan" + why);

    EXPECT_EQ(study({"--set", "slowMoEnabled=0", "--set", "slowMoEnabled=2", "--sweep",
                     "idealAccuracy=0.7:0.7:1", "--runs", "2", "--attempts", "100"}),
              0)
        << err.str();
}

// ---- The analysis against the plugin -----------------------------------------------------------

// The runs of one point with the default player: 20 runs of 10,000 attempts, seeds 1 to 20.
SimulatedPoint played(float target, float increment, SpeedAnalysis& analysis,
                      const StepTable* wrong = nullptr) {
    PointRuns runs;
    runs.pluginPath = builtPlugin();
    runs.settings = {{"idealAccuracy", std::to_string(target)},
                     {"slowMoSpeedIncrement", std::to_string(increment)}};
    runs.burnIn = burnInAttempts(runs.attempts);
    return simulatePoint(runs, [&](const StaircaseSetup& setup) {
        analysis = analyseStaircase(setup, wrong ? *wrong : pluginStepTable(setup.targetAccuracy));
        return analysis.speeds;
    });
}

struct Point {
    float target;
    float increment;
};
const Point agreementPoints[] = {{0.5f, 0.05f}, {0.7f, 0.05f}, {0.9f, 0.05f}, {0.7f, 0.02f}, {0.7f, 0.1f}};

// The tolerance is the simulation's own: criticalDistance standard errors across runs.
TEST(StudyAgreement, TheAnalysisAgreesWithThePluginPlayed) {
    for (const Point& point : agreementPoints) {
        SpeedAnalysis analysis;
        const SimulatedPoint simulated = played(point.target, point.increment, analysis);
        const Agreement agreement = agreementOf(analysis, simulated);
        EXPECT_EQ(agreement.verdict, Verdict::agrees)
            << "target " << point.target << ", increment " << point.increment << ": accuracy "
            << analysis.meanAccuracy << " against " << simulated.meanAccuracy << " +- "
            << simulated.accuracyError << ", speed " << analysis.meanSpeed << " against "
            << simulated.meanSpeed << " +- " << simulated.speedError;
        EXPECT_GT(simulated.accuracyError, 0.0);
        EXPECT_LT(simulated.accuracyError, 0.01) << "the runs measure the accuracy closely";
    }
}

// The table of a target a tenth lower: each count of successes steps as if the player were aiming
// lower. The same runs must tell it from the plugin's.
TEST(StudyAgreement, AWrongStepTableFailsIt) {
    for (const Point& point : agreementPoints) {
        const StepTable wrong = pluginStepTable(point.target - 0.1f);
        SpeedAnalysis analysis;
        const SimulatedPoint simulated = played(point.target, point.increment, analysis, &wrong);
        EXPECT_EQ(agreementOf(analysis, simulated).verdict, Verdict::differs)
            << "target " << point.target << ", increment " << point.increment;
    }
}

// A standard error from two runs is itself far from sure; the bound of Student's t keeps a right
// analysis unflagged at every point of a long sweep, and says that so few runs cannot judge.
TEST(StudyAgreement, AFewRunsFlagNoRightPointOfALongSweep) {
    StudyOptions options;
    options.pluginPath = builtPlugin();
    options.attempts = 1000;
    options.sweep = parseSweep("idealAccuracy=0.05:0.95:0.01");
    for (const int runs : {2, 3}) {
        SCOPED_TRACE(runs);
        options.runs = runs;
        const StudyResult result = runSweep(options);
        ASSERT_EQ(result.points.size(), 91u);
        for (const StudyPoint& point : result.points)
            EXPECT_EQ(point.agreement.verdict, Verdict::tooFewRuns) << sweepValueText(point.value);
        EXPECT_EQ(studyVerdict(result).rfind("Verdict: too few runs to judge: ", 0), 0u) << studyVerdict(result);
    }
}

// ---- Sweeps ------------------------------------------------------------------------------------

// A sweep gives each point its value: a setting through --set as the plugin holds it, a skill to the
// player.
TEST(StudySweep, EachPointPlaysItsValue) {
    StudyOptions options;
    options.pluginPath = builtPlugin();
    options.runs = 2;
    options.attempts = 500;
    options.sweep = parseSweep("slowMoSpeedIncrement=0.02:0.1:0.08");
    const StudyResult steps = runSweep(options);
    ASSERT_EQ(steps.points.size(), 2u);
    EXPECT_EQ(steps.points[0].simulated.setup.speedStep, 0.02f);
    EXPECT_EQ(steps.points[1].simulated.setup.speedStep, 0.1f);
    EXPECT_LT(steps.points[0].analysis.speedSd, steps.points[1].analysis.speedSd);

    options.sweep = parseSweep("comfort-speed=0.8:1.6:0.8");
    const StudyResult skills = runSweep(options);
    ASSERT_EQ(skills.points.size(), 2u);
    EXPECT_EQ(skills.points[1].simulated.setup.player.comfortSpeed, 1.6);
    EXPECT_EQ(skills.points[1].simulated.setup.speedStep, 0.05f) << "the plugin's default";
    EXPECT_GT(skills.points[1].simulated.meanSpeed, skills.points[0].simulated.meanSpeed + 0.3);
}

// A setting's bounds are floats a little off the decimals that name them (0.001f is above 0.001), and
// a sweep from one to the other is within its range.
TEST(StudySweep, ASweepReachesASettingsOwnBounds) {
    Sweep sweep;
    ASSERT_NO_THROW(sweep = parseSweep("slowMoSpeedIncrement=0.001:0.999:0.998"));
    EXPECT_EQ(sweepValues(sweep), (std::vector<double>{0.001, 0.999}));
}

// FROM + i x STEP up to TO, never beyond it: a last step that overshoots TO by less than a millionth of
// STEP lands on TO itself, one that overshoots it by more is left out, and a step that does not divide
// the sweep ends short of TO.
TEST(StudySweep, PointsStopAtTo) {
    const std::vector<std::pair<std::string, std::vector<double>>> cases = {
        {"idealAccuracy=0.1:0.4:0.30000001", {0.1, 0.4}},
        {"idealAccuracy=0.1:0.4:0.3000002", {0.1, 0.4}},
        {"idealAccuracy=0.1:0.4:0.3000004", {0.1}},
        {"idealAccuracy=0.1:0.4:0.29999", {0.1, 0.1 + 0.29999}},
        {"peak=0.1:1:0.30000001", {0.1, 0.1 + 0.30000001, 0.1 + 2 * 0.30000001, 1.0}},
        {"slowMoSpeedIncrement=0.5:0.999:0.49900005", {0.5, 0.999}},
        {"slowMoMaxSpeed=1e2:200:1e2", {100.0, 200.0}},
        {"idealAccuracy=0.5:0.9:0.15", {0.5, 0.65, 0.8}},
        {"idealAccuracy=0.7:0.7:5", {0.7}},
        {"idealAccuracy=0.5:0.9:5", {0.5}},
        {"idealAccuracy=-0:0:1", {0.0}},
    };
    for (const auto& [text, values] : cases) {
        const Sweep sweep = parseSweep(text);
        EXPECT_EQ(sweepValues(sweep), values) << text;
    }
    const std::vector<double> nine = sweepValues(parseSweep("idealAccuracy=0.5:0.9:0.05"));
    ASSERT_EQ(nine.size(), 9u);
    EXPECT_EQ(nine.back(), 0.9);
    EXPECT_FALSE(std::signbit(sweepValues(parseSweep("idealAccuracy=-0:0:1")).front())) << "-0 is 0";
    const std::vector<double> most = sweepValues(parseSweep("comfort-speed=0.01:100:0.1"));
    ASSERT_EQ(most.size(), 1000u);
    EXPECT_LE(most.back(), 100.0);
}

// A sweep's last point is within the setting's range, so no --set of it is clamped (or told of); the
// row shows the value played.
TEST_F(StudyFiles, ASweepPlaysOnlyThePointsAskedFor) {
    ASSERT_EQ(
        study({"--sweep", "slowMoSpeedIncrement=0.5:0.999:0.49900005", "--runs", "2", "--attempts", "100"}),
        0)
        << err.str();
    EXPECT_EQ(err.str(), "");
    const std::vector<std::string> lines = linesOf(out.str());
    ASSERT_GE(lines.size(), 4u) << out.str();
    EXPECT_EQ(lines[3].rfind("0.999 ", 0), 0u) << lines[3];
}

// ---- A point that cannot be worked out ---------------------------------------------------------

// A player sure to succeed below the comfort speed, aiming at every attempt: each speed below 100 % holds
// for good, and from 100 % a window may step to either of two, so the long run is left to chance. The
// point is played all the same and reported with its reason; the other point stands.
const std::vector<std::string> unsettledSweep = {"--sweep", "idealAccuracy=0.9:1:0.1", "--peak", "1", "--spread",
                                                 "0.001", "--comfort-speed", "1", "--runs", "7", "--attempts", "500"};
const std::string unsettledReason =
    "the speed can settle in more than one place; the step table leaves the long run to chance";

TEST_F(StudyFiles, APointThatCannotBeWorkedOutIsReportedAndTheRestStands) {
    std::vector<std::string> arguments = unsettledSweep;
    arguments.insert(arguments.end(),
                     {"--csv", path("study.csv"), "--json", path("study.json"), "--out", path("pictures")});
    EXPECT_EQ(study(arguments), 1);
    EXPECT_EQ(err.str(), "kadenzo-sim study: idealAccuracy 1: cannot be worked out: " + unsettledReason + "\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"pictures", "study.csv", "study.json"}));

    const std::vector<std::string> lines = linesOf(out.str());
    ASSERT_GE(lines.size(), 5u) << out.str();
    EXPECT_EQ(lines[2].rfind("0.9            0.81", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("1              1.00                    90%   ", 0), 0u) << lines[3];
    EXPECT_NE(lines[3].find("as played; cannot be worked out: " + unsettledReason), std::string::npos);
    EXPECT_EQ(lines[4], "Verdict: 1 of 2 points cannot be worked out; the figures worked out agree with the "
                        "plugin played at every other point (within 9.84 standard errors of 7 runs).");

    const std::vector<std::string> csv = linesOf(contents("study.csv"));
    ASSERT_EQ(csv.size(), 3u);
    EXPECT_EQ(csv[2].rfind("1,,,1.000000,0.000000,,,0.900000,", 0), 0u) << csv[2];
    EXPECT_NE(csv[2].find(",not worked out," + unsettledReason), std::string::npos) << csv[2];
    const std::string json = contents("study.json");
    EXPECT_NE(json.find("{\"value\": 1, \"balance_accuracy\": null, \"chain\": null, \"reason\": \"" +
                        unsettledReason + "\""),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"verdict\": \"not worked out\""), std::string::npos);
    EXPECT_NE(json.find("\"verdict\": \"agrees\""), std::string::npos);
}

// A game speed far above the limits: the walk from it towards them is longer than any setting of the
// plugin makes. The reason names the start speed, not the limits, and every speed is readable.
TEST_F(StudyFiles, AStartFarOutsideTheLimitsIsNamedAsTheCause) {
    EXPECT_EQ(study({"--set", "sv_soccar_gamespeed=1e7", "--sweep", "idealAccuracy=0.7:0.7:1", "--runs", "2",
                     "--attempts", "100"}),
              1);
    EXPECT_EQ(err.str(),
              "kadenzo-sim study: idealAccuracy 0.7: cannot be worked out: the start speed, 1e+09%, "
              "lies outside the limits, 50% to 150%, more increments of 0.05 away than the chain "
              "can hold\n");
    EXPECT_EQ(
        linesOf(out.str()).at(0),
        "What the coach does over a long session for the simulated player, who starts at 1e+09% speed:");
}

// ---- The table and the files -------------------------------------------------------------------

const std::vector<std::string> smallSweep = {
    "--sweep", "idealAccuracy=0.6:0.8:0.1", "--runs", "7", "--attempts", "1000"};

TEST_F(StudyFiles, TheTableSpeaksToAPlayerAndEndsInTheVerdict) {
    ASSERT_EQ(study(smallSweep), 0) << err.str();
    EXPECT_EQ(err.str(), "") << "a short sweep shows no progress";
    EXPECT_EQ(out.str(),
              "What the coach does over a long session for the simulated player, who starts at 100% speed:\n"
              "idealAccuracy  accuracy you train at  the speed, 8 attempts in 10  attempts to get there\n"
              "0.6            0.61                   100% to 115%                 49\n"
              "0.7            0.69                    90% to 110%                 0\n"
              "0.8            0.80                    75% to 95%                  74\n"
              "Verdict: the figures worked out agree with the plugin played at every point (within 9.84 "
              "standard errors of 7 runs).\n");
    EXPECT_EQ(entries(), std::vector<std::string>{});
}

TEST_F(StudyFiles, DetailsAddTheAnalystsColumns) {
    std::vector<std::string> arguments = smallSweep;
    arguments.push_back("--details");
    ASSERT_EQ(study(arguments), 0) << err.str();
    const std::vector<std::string> lines = linesOf(out.str());
    ASSERT_EQ(lines.size(), 16u) << out.str();
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6],
              "7 runs x 1000 attempts per point, the first 100 of each run burn-in, played and not measured.");
    EXPECT_EQ(lines[10].rfind("idealAccuracy  balance  accuracy         simulated  dist  speed", 0), 0u) << lines[10];
    EXPECT_EQ(lines[11].rfind("0.6              0.597     0.607", 0), 0u) << lines[11];
    EXPECT_EQ(lines[12].rfind("0.7              0.694     0.689", 0), 0u) << lines[12];
    EXPECT_EQ(lines[15].rfind("Verdict: the figures worked out agree", 0), 0u) << lines[15];
}

TEST_F(StudyFiles, TooFewRunsAreSaidToBeSo) {
    ASSERT_EQ(study({"--sweep", "idealAccuracy=0.7:0.7:0.1", "--runs", "6", "--attempts", "1000"}), 0) << err.str();
    EXPECT_EQ(linesOf(out.str()).back(),
              "Verdict: too few runs to judge: 6 runs flag only a point more than 12.28 standard errors from the "
              "plugin played, and none is; 7 runs or more judge.");
}

// A settle figure may be astronomically large where the speed rarely reaches its likeliest value; the
// player's table keeps it readable, the analyst's in exponent form.
TEST(StudyTable, NumbersStayReadable) {
    EXPECT_EQ(attemptsInWords(0.0), "0");
    EXPECT_EQ(attemptsInWords(26.3), "26");
    EXPECT_EQ(attemptsInWords(99.6), "100");
    EXPECT_EQ(attemptsInWords(172.3), "170");
    EXPECT_EQ(attemptsInWords(1748.2), "1,700");
    EXPECT_EQ(attemptsInWords(314419.0), "310,000");
    EXPECT_EQ(attemptsInWords(2.3e22), "over a million");
    EXPECT_EQ(attemptsInWords(HUGE_VAL), "never");

    StudyResult result;
    result.runs = 20;
    StudyPoint point;
    point.value = 0.3;
    point.analysis.meanAccuracy = 0.476;
    point.analysis.speedP10 = 0.95;
    point.analysis.speedP90 = 1.1;
    point.analysis.attemptsToMostLikely = 2.3e22;
    point.simulated.setup.startSpeed = 1.0f;
    result.points.push_back(point);
    const std::string table = studyTable(result, true);
    EXPECT_NE(table.find("0.3            0.48                    95% to 110%                 over a million\n"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("  2.30e+22\n"), std::string::npos) << table;
    EXPECT_FALSE(std::regex_search(table, std::regex("[0-9]{8}"))) << table;

    // Speeds far from normal, as a game speed given by --set may be: three significant figures.
    const std::vector<std::pair<float, std::string>> starts = {
        {1.001f, "100.1%"}, {1e7f, "1e+09%"}, {1e30f, "1e+32%"}, {3e38f, "3e+40%"}, {1e-30f, "1e-28%"}};
    for (const auto& [start, shown] : starts) {
        result.points.front().simulated.setup.startSpeed = start;
        EXPECT_EQ(linesOf(studyTable(result, false)).front(),
                  "What the coach does over a long session for the simulated player, who starts at " + shown +
                      " speed:");
    }
}

TEST_F(StudyFiles, TheCsvAndTheJsonHoldTheTablesNumbers) {
    std::vector<std::string> arguments = smallSweep;
    arguments.insert(arguments.end(),
                     {"--csv", path("study.csv"), "--json", path("study.json"), "--out", path("pictures")});
    ASSERT_EQ(study(arguments), 0) << err.str();
    EXPECT_EQ(entries(), (std::vector<std::string>{"pictures", "study.csv", "study.json"}));
    EXPECT_EQ(entries("pictures"), std::vector<std::string>{"study.png"});

    const std::vector<std::string> csv = linesOf(contents("study.csv"));
    ASSERT_EQ(csv.size(), 4u);
    EXPECT_EQ(csv[0],
              "idealAccuracy,balance_accuracy,chain_accuracy,simulated_accuracy,accuracy_error,"
              "accuracy_distance,chain_speed,simulated_speed,speed_error,speed_distance,chain_speed_sd,"
              "simulated_speed_sd,chain_speed_p10,chain_speed_p90,simulated_speed_p10,simulated_speed_p90,"
              "attempts_to_most_likely,verdict,reason");
    EXPECT_EQ(csv[2].rfind("0.7,0.69", 0), 0u) << csv[2];
    for (const std::string& row : csv)
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), 18) << row;
    EXPECT_EQ(csv[3].substr(csv[3].size() - 8), ",agrees,") << "no reason when worked out";

    const std::string json = contents("study.json");
    EXPECT_EQ(
        json.rfind(
            "{\n  \"sweep\": {\"name\": \"idealAccuracy\", \"from\": 0.6, \"to\": 0.8, \"step\": 0.1},\n"
            "  \"runs\": 7, \"attempts\": 1000, \"burn_in\": 100, \"false_alarm_chance\": 6.334e-05, "
            "\"critical_distance\": 9.844, \"least_runs_to_judge\": 7,\n",
            0),
        0u)
        << json;
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), std::count(json.begin(), json.end(), '}'));
    EXPECT_NE(json.find("{\"value\": 0.7, \"balance_accuracy\": 0.69"), std::string::npos) << json;
    EXPECT_NE(json.find("\"distribution\": [{\"speed\": 0.5, \"chain\": "), std::string::npos) << json;
    EXPECT_EQ(std::count(json.begin(), json.end(), '"') % 2, 0);

    const std::vector<std::string> report = linesOf(out.str());
    EXPECT_EQ(report.end()[-3], "wrote " + path("study.csv"));
    EXPECT_EQ(report.end()[-1], "wrote " + kadenzo::sim::outPicturePath(path("pictures"), "study.png"));
}

TEST_F(StudyFiles, ACsvOnStandardOutputSendsTheTableToStandardError) {
    std::vector<std::string> arguments = smallSweep;
    arguments.insert(arguments.end(), {"--csv", "-"});
    ASSERT_EQ(study(arguments), 0) << err.str();
    EXPECT_EQ(linesOf(out.str()).size(), 4u) << out.str();
    EXPECT_EQ(out.str().rfind("idealAccuracy,balance_accuracy", 0), 0u);
    EXPECT_EQ(err.str().rfind("What the coach does", 0), 0u) << err.str();
}

// ---- Progress ----------------------------------------------------------------------------------

// A steady clock the test moves by hand; it counts its reads.
struct HandClock {
    std::chrono::steady_clock::time_point now{};
    int reads = 0;
    ProgressTiming timing(std::chrono::steady_clock::duration interval) {
        return {interval, [this] {
                    ++reads;
                    return now;
                }};
    }
};

TEST(StudyProgress, ALineWithinAPointOnceTheIntervalHasPassed) {
    using std::chrono::seconds;
    HandClock clock;
    SweepProgress progress("idealAccuracy", 9, 200000, clock.timing(seconds(2)));
    clock.now += seconds(1);
    EXPECT_EQ(progress.playing(0, 0.5, 4096), std::nullopt);
    clock.now += seconds(1);
    EXPECT_EQ(progress.playing(0, 0.5, 8192),
              "study: point 1 of 9 (idealAccuracy 0.5): 8,192 of 200,000 attempts played");
    clock.now += seconds(1);
    EXPECT_EQ(progress.playing(0, 0.5, 12288), std::nullopt) << "the interval runs from the last line";
    clock.now += seconds(5);
    EXPECT_EQ(progress.playing(0, 0.5, 16384),
              "study: point 1 of 9 (idealAccuracy 0.5): 16,384 of 200,000 attempts played");
    clock.now += seconds(1);
    EXPECT_EQ(progress.pointDone(0, 0.5), "study: 1 of 9 points (idealAccuracy 0.5)");
    clock.now += seconds(1);
    EXPECT_EQ(progress.playing(1, 0.55, 4096), std::nullopt) << "the interval runs from the point's line too";
    clock.now += seconds(1);
    EXPECT_EQ(progress.playing(1, 0.55, 8192),
              "study: point 2 of 9 (idealAccuracy 0.55): 8,192 of 200,000 attempts played");
    EXPECT_EQ(clock.reads, 8) << "once at the start, once for each call";
}

// Every progressEvery attempts of a run and at the end of each, counted over the point's runs.
TEST(StudySweep, TheRunsTellTheirProgressWithinAPoint) {
    StudyOptions options;
    options.pluginPath = builtPlugin();
    options.runs = 2;
    options.attempts = 10000;
    options.sweep = parseSweep("idealAccuracy=0.6:0.7:0.1");
    std::vector<std::pair<std::size_t, long long>> heard;
    SweepEvents events;
    events.playing = [&heard](std::size_t index, double, long long played) {
        heard.emplace_back(index, played);
    };
    runSweep(options, events);
    const std::vector<long long> each = {4096, 8192, 10000, 14096, 18192, 20000};
    std::vector<std::pair<std::size_t, long long>> expected;
    for (const std::size_t index : {0u, 1u})
        for (const long long played : each)
            expected.emplace_back(index, played);
    EXPECT_EQ(heard, expected);
}

// A one-point sweep long enough to show its progress, on a clock a second later at each read: a line at
// every check within the point, then the point's own. No sleep: the clock is the test's.
TEST_F(StudyFiles, ALongPointShowsItsProgressAsItGoes) {
    HandClock clock;
    ProgressTiming timing = clock.timing(std::chrono::seconds(1));
    const auto tick = timing.now;
    timing.now = [&clock, tick] {
        clock.now += std::chrono::seconds(1);
        return tick();
    };
    ASSERT_EQ(study({"--sweep", "idealAccuracy=0.7:0.7:1", "--runs", "2", "--attempts", "500000"}, timing), 0)
        << err.str();
    const std::vector<std::string> lines = linesOf(err.str());
    // 122 multiples of 4096 in a run of 500,000, and its end, in each of the two runs.
    ASSERT_EQ(lines.size(), 2u * 123u + 1u) << err.str();
    EXPECT_EQ(lines.front(), "study: point 1 of 1 (idealAccuracy 0.7): 4,096 of 1,000,000 attempts played");
    EXPECT_EQ(lines[122], "study: point 1 of 1 (idealAccuracy 0.7): 500,000 of 1,000,000 attempts played");
    EXPECT_EQ(lines[123], "study: point 1 of 1 (idealAccuracy 0.7): 504,096 of 1,000,000 attempts played");
    EXPECT_EQ(lines.back(), "study: 1 of 1 points (idealAccuracy 0.7)");
}

// ---- Step tables -------------------------------------------------------------------------------

// The cells of a Markdown row, trimmed: "| a | b |" gives {"a", "b"}.
std::vector<std::string> cellsOf(const std::string& row) {
    std::vector<std::string> cells;
    std::istringstream stream(row.substr(1));
    for (std::string cell; std::getline(stream, cell, '|');) {
        cell.erase(0, cell.find_first_not_of(' '));
        cell.erase(cell.find_last_not_of(' ') + 1);
        cells.push_back(cell);
    }
    return cells;
}

TEST_F(StudyFiles, StepTablesGroupTheTargetsThatTrainAlike) {
    ASSERT_EQ(study({"--steps", "--sweep", "idealAccuracy=0.5:0.9:0.01"}), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    const std::vector<std::string> lines = linesOf(out.str());
    ASSERT_EQ(lines.size(), 13u) << out.str();
    EXPECT_EQ(cellsOf(lines[0]), (std::vector<std::string>{"idealAccuracy", "0/10", "1/10", "2/10", "3/10", "4/10",
                                                           "5/10", "6/10", "7/10", "8/10", "9/10", "10/10", "note"}));
    EXPECT_EQ(cellsOf(lines[1])[1], "---:");
    std::vector<std::string> groups;
    std::vector<std::string> neverHolding;
    for (std::size_t line = 2; line < lines.size(); ++line) {
        const std::vector<std::string> cells = cellsOf(lines[line]);
        ASSERT_EQ(cells.size(), 13u) << lines[line];
        EXPECT_EQ(lines[line].size(), lines[0].size()) << "the columns line up";
        groups.push_back(cells[0]);
        if (cells[12] == "never holds the speed") neverHolding.push_back(cells[0]);
        EXPECT_EQ(std::find(cells.begin() + 1, cells.end() - 1, "0") == cells.end() - 1, !cells[12].empty())
            << lines[line];
    }
    EXPECT_EQ(groups, (std::vector<std::string>{"0.5", "0.51-0.54", "0.55", "0.56-0.59", "0.6-0.65", "0.66-0.7",
                                                "0.71-0.74", "0.75", "0.76-0.79", "0.8-0.84", "0.85-0.9"}));
    EXPECT_EQ(neverHolding, (std::vector<std::string>{"0.55", "0.75"}));
    // The rule of the README: more than 0.3 below the target two steps down, within 0.05 none, ...
    EXPECT_EQ(cellsOf(lines[7]),
              (std::vector<std::string>{"0.66-0.7", "-2", "-2", "-2", "-2", "-1", "-1", "-1", "0", "+1", "+1", "+2", ""}));
}

TEST_F(StudyFiles, AStepTableDependsOnTheTargetAlone) {
    ASSERT_EQ(study({"--steps", "--sweep", "slowMoSpeedIncrement=0.02:0.1:0.01", "--set", "idealAccuracy=0.95"}),
              0)
        << err.str();
    const std::vector<std::string> lines = linesOf(out.str());
    ASSERT_EQ(lines.size(), 3u) << out.str();
    EXPECT_EQ(cellsOf(lines[2]).front(), "0.02-0.1");
    EXPECT_EQ(cellsOf(lines[2]).back(), "idealAccuracy 0.95; never holds the speed");

    out.str("");
    ASSERT_EQ(study({"--steps", "--sweep", "peak=0.5:1:0.5", "--set", "idealAccuracy=5"}), 0) << err.str();
    EXPECT_EQ(err.str(), "--set idealAccuracy: 5 is beyond its range 0 to 1; it holds 1\n");
    EXPECT_EQ(cellsOf(linesOf(out.str())[2]).back(), "idealAccuracy 1");
}

TEST_F(StudyFiles, StepTablesRefuseWhatHasNoUseWithThem) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--csv", path("steps.csv")}, "--steps plays nothing and writes no file: --csv has no use with it"},
        {{"--json", "-"}, "--steps plays nothing and writes no file: --json has no use with it"},
        {{"--out", path("pictures")}, "--steps plays nothing and writes no file: --out has no use with it"},
        {{"--runs", "5"}, "--steps plays nothing and writes no file: --runs has no use with it"},
        {{"--attempts", "500"}, "--steps plays nothing and writes no file: --attempts has no use with it"},
        {{"--seed", "3"}, "--steps plays nothing and writes no file: --seed has no use with it"},
        {{"--comfort-speed", "1"}, "--steps plays nothing and writes no file: --comfort-speed has no use with it"},
        {{"--plugin", builtPlugin()}, "--steps plays nothing and writes no file: --plugin has no use with it"},
        {{"--details"}, "--steps plays nothing and writes no file: --details has no use with it"},
        {{"--sweep", "peak=0.5:1:0.5", "--set", "slowMoMaxSpeed=120"},
         "--steps: the step tables depend on idealAccuracy alone; --set slowMoMaxSpeed has no use with it"},
        {{"--set", "idealAccuracy=0.6"}, "--set idealAccuracy and --sweep idealAccuracy name the same setting"},
        {{"--sweep", "peak=0.5:1:0.5", "--set", "idealAccuracy=nan"},
         "\"nan\" cannot be clamped to the range 0..1 of idealAccuracy"},
        {{"--steps"}, "--steps can be given only once"},
        {{"--steps=yes"}, "--steps takes no value, not \"--steps=yes\""},
    };
    for (const auto& [bad, message] : cases) {
        out.str("");
        err.str("");
        std::vector<std::string> arguments = {"--steps"};
        arguments.insert(arguments.end(), bad.begin(), bad.end());
        if (bad.front() == "--steps=yes") arguments.erase(arguments.begin());
        EXPECT_EQ(study(arguments), 2) << message;
        EXPECT_EQ(err.str(), "kadenzo-sim study: " + message + "\n");
        EXPECT_EQ(out.str(), "") << message;
        EXPECT_EQ(entries(), std::vector<std::string>{}) << message;
    }
}

// ---- The picture -------------------------------------------------------------------------------

// A sweep of COUNT targets from 0.5 to 0.9, each with a spread of speeds worked out and played.
StudyResult syntheticSweep(std::size_t count) {
    StudyResult result;
    result.runs = 20;
    result.attempts = 10000;
    for (std::size_t index = 0; index < count; ++index) {
        StudyPoint point;
        point.value = count == 1 ? 0.7 : 0.5 + 0.4 * static_cast<double>(index) / static_cast<double>(count - 1);
        point.simulated.setup.targetAccuracy = static_cast<float>(point.value);
        point.analysis.meanAccuracy = point.value - 0.01;
        point.analysis.balanceAccuracy = point.value;
        point.simulated.meanAccuracy = point.value - 0.011;
        point.simulated.accuracyError = 0.001;
        for (int step = 0; step < 20; ++step) {
            const float speed = 0.5f + 0.05f * static_cast<float>(step);
            const double chance = std::exp(-0.5 * std::pow((speed - 1.5 + point.value) / 0.1, 2.0));
            point.analysis.speeds.push_back(speed);
            point.analysis.stationary.push_back(chance);
            point.simulated.shareSpeeds.push_back(speed);
            point.simulated.speedShares.push_back(chance);
        }
        result.points.push_back(point);
    }
    return result;
}

std::vector<kadenzo::render::Text> textsOf(const kadenzo::render::Scene& scene) {
    std::vector<kadenzo::render::Text> texts;
    for (const kadenzo::render::Item& item : scene.items)
        if (const auto* text = std::get_if<kadenzo::render::Text>(&item)) texts.push_back(*text);
    return texts;
}

// A text line of the picture writer's font is about 16 pixels high.
bool overlap(const kadenzo::render::Text& a, const kadenzo::render::Text& b) {
    using kadenzo::sim::chart_style::textWidth;
    return a.x < b.x + textWidth(b.text) && b.x < a.x + textWidth(a.text) && a.y < b.y + 16.0f && b.y < a.y + 16.0f;
}

TEST(StudyPicture, LabelsNeverOverprint) {
    for (const std::size_t count : {1u, 9u, 50u, 1000u}) {
        SCOPED_TRACE(count);
        const kadenzo::render::Scene scene = studyScene(syntheticSweep(count));
        const std::vector<kadenzo::render::Text> texts = textsOf(scene);
        for (std::size_t a = 0; a < texts.size(); ++a) {
            EXPECT_GE(texts[a].x, 0.0f) << texts[a].text;
            EXPECT_LE(texts[a].x + kadenzo::sim::chart_style::textWidth(texts[a].text), scene.width) << texts[a].text;
            for (std::size_t b = a + 1; b < texts.size(); ++b)
                EXPECT_FALSE(overlap(texts[a], texts[b])) << '"' << texts[a].text << "\" and \"" << texts[b].text << '"';
        }
        const auto rowLabels = std::count_if(texts.begin(), texts.end(), [&](const kadenzo::render::Text& text) {
            return text.x > 540.0f && text.x < 680.0f && text.text.find('.') != std::string::npos;
        });
        EXPECT_GE(rowLabels, std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(count), 10)) << "the rows are named";
    }
}

TEST(StudyPicture, SaysWhatItShowsAndScalesToTheData) {
    const std::vector<kadenzo::render::Text> texts = textsOf(studyScene(syntheticSweep(9)));
    const auto has = [&texts](const std::string& wanted) {
        return std::count_if(texts.begin(), texts.end(),
                             [&wanted](const kadenzo::render::Text& text) { return text.text == wanted; });
    };
    EXPECT_EQ(has("worked out"), 1);
    EXPECT_EQ(has("played, +-1 standard error"), 1);
    EXPECT_EQ(has("idealAccuracy"), 2) << "the left panel's axis and the right panel's rows";
    EXPECT_EQ(has("game speed, percent of normal"), 1);
    EXPECT_EQ(has("accuracy"), 1);
    // The accuracies lie from 0.49 to 0.9: their axis neither starts at 0 nor ends at 1.
    EXPECT_EQ(has("0.0"), 0);
    EXPECT_EQ(has("0.2"), 0);
    EXPECT_EQ(has("0.5"), 3) << "a tick of both axes, and a row";
    EXPECT_EQ(has("100%"), 1);
}

} // namespace
