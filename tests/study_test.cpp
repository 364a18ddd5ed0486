// kadenzo-sim study with the real plugin module: what its options refuse (nothing written), the
// analysis against the plugin played, and the table, CSV and JSON of a small sweep.
//
// Index of this file:
// - Options refused
// - The analysis against the plugin
// - Sweeps
// - The table and the files
#include "built_modules.h"
#include "output_test_support.h"
#include "play/play_options.h"
#include "study/study_command.h"
#include "study/study_simulation.h"
#include "study/study_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::study;
using kadenzo::sim::test::builtPlugin;

// ---- Options refused ---------------------------------------------------------------------------

class StudyFiles : public output_test::FolderTest {
protected:
    int study(std::vector<std::string> arguments) { return runStudy(arguments, builtPlugin(), out, err); }
    std::ostringstream out;
    std::ostringstream err;
};

// Each with every output named, so that "nothing written" means something.
TEST_F(StudyFiles, BadInputIsRefusedWithStatusTwoAndNothingWritten) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--sweep", "idealAccuracy=0.5:0.9:0"}, "--sweep idealAccuracy: the step must be above 0, not 0"},
        {{"--sweep", "idealAccuracy=0.5:0.9:-0.1"},
         "--sweep idealAccuracy: the step must be above 0, not -0.1"},
        {{"--sweep", "idealAccuracy=0.9:0.5:0.1"}, "--sweep idealAccuracy: FROM 0.9 is above TO 0.5"},
        {{"--sweep", "idealAcuracy=0.5:0.9:0.1"},
         "--sweep: nothing that can be swept is named \"idealAcuracy\" (the names: idealAccuracy, "
         "slowMoSpeedIncrement, slowMoMaxSpeed, slowMoMinSpeed, comfort-speed, spread, peak)"},
        {{"--sweep", "idealAccuracy=0:1:0.0009"},
         "--sweep idealAccuracy: 0:1:0.0009 makes 1112 points, more than 1000"},
        {{"--sweep", "idealAccuracy=0.5:1.5:0.1"}, "--sweep idealAccuracy: 1.5 is beyond its range 0 to 1"},
        {{"--sweep", "slowMoSpeedIncrement=0.0005:0.01:0.001"},
         "--sweep slowMoSpeedIncrement: 0.0005 is beyond its range 0.001 to 0.999"},
        {{"--sweep", "slowMoMaxSpeed=150:201:1"}, "--sweep slowMoMaxSpeed: 201 is beyond its range 5 to 200"},
        {{"--sweep", "idealAccuracy=0.5:high:0.1"}, "--sweep idealAccuracy: TO \"high\" is not a number"},
        {{"--sweep", "idealAccuracy=0.5:0.9"},
         "--sweep needs NAME=FROM:TO:STEP, not \"idealAccuracy=0.5:0.9\""},
        {{"--runs", "1"}, "--runs must be a whole number from 2 to 1000, not \"1\""},
        {{"--runs", "1001"}, "--runs is too large (at most 1000), not \"1001\""},
        {{"--attempts", "99"}, "--attempts must be a whole number from 100 to 10000000, not \"99\""},
        {{"--attempts", "10000001"}, "--attempts is too large (at most 10000000), not \"10000001\""},
        {{"--set", "idealAccuracy=0.6"},
         "--set idealAccuracy and --sweep idealAccuracy name the same setting"},
        {{"--set", "nosuchvariable=1", "--runs", "2", "--attempts", "100"},
         "--set: no console variable is named \"nosuchvariable\""},
    };
    for (const auto& [bad, message] : cases) {
        out.str("");
        err.str("");
        std::vector<std::string> arguments = bad;
        arguments.insert(arguments.end(), {"--csv", path("study.csv"), "--json", path("study.json"), "--out",
                                           path("pictures")});
        EXPECT_EQ(study(arguments), 2) << bad[1];
        EXPECT_EQ(err.str(), "kadenzo-sim study: " + message + "\n");
        EXPECT_EQ(out.str(), "") << bad[1];
        EXPECT_EQ(entries(), std::vector<std::string>{}) << bad[1];
    }
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

// The tolerance is the simulation's own: disagreementDistance standard errors across runs.
TEST(StudyAgreement, TheAnalysisAgreesWithThePluginPlayed) {
    for (const Point& point : agreementPoints) {
        SpeedAnalysis analysis;
        const SimulatedPoint simulated = played(point.target, point.increment, analysis);
        const Agreement agreement = agreementOf(analysis, simulated);
        EXPECT_TRUE(agreement.agrees)
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
        EXPECT_FALSE(agreementOf(analysis, simulated).agrees)
            << "target " << point.target << ", increment " << point.increment;
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

// ---- The table and the files -------------------------------------------------------------------

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

const std::vector<std::string> smallSweep = {
    "--sweep", "idealAccuracy=0.6:0.8:0.1", "--runs", "3", "--attempts", "1000"};

TEST_F(StudyFiles, TheTableHasARowPerPointAndSaysWhetherTheyAgree) {
    ASSERT_EQ(study(smallSweep), 0) << err.str();
    EXPECT_EQ(err.str(), "") << "a short sweep shows no progress";
    const std::vector<std::string> lines = linesOf(out.str());
    ASSERT_EQ(lines.size(), 9u) << out.str();
    EXPECT_EQ(
        lines[0],
        "3 runs x 1000 attempts per point, the first 100 of each run burn-in, played and not measured.");
    EXPECT_EQ(lines[4].rfind("idealAccuracy  balance  accuracy           simulated   dist", 0), 0u)
        << lines[4];
    EXPECT_EQ(lines[5].rfind("0.6              0.597     0.607", 0), 0u) << lines[5];
    EXPECT_EQ(lines[6].rfind("0.7              0.694     0.689", 0), 0u) << lines[6];
    EXPECT_EQ(lines[7].rfind("0.8              0.791     0.796", 0), 0u) << lines[7];
    EXPECT_EQ(lines[8],
              "the analysis agrees with the plugin played at every point (within 4 standard errors)");
    EXPECT_EQ(entries(), std::vector<std::string>{});
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
              "simulated_speed_sd,chain_speed_p10,chain_speed_p90,attempts_to_most_likely,flag");
    EXPECT_EQ(csv[2].rfind("0.7,0.69", 0), 0u) << csv[2];
    for (const std::string& row : csv)
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), 15) << row;
    EXPECT_EQ(csv[3].back(), ',') << "no flag when they agree";

    const std::string json = contents("study.json");
    EXPECT_EQ(
        json.rfind(
            "{\n  \"sweep\": {\"name\": \"idealAccuracy\", \"from\": 0.6, \"to\": 0.8, \"step\": 0.1},\n"
            "  \"runs\": 3, \"attempts\": 1000, \"burn_in\": 100, \"disagreement_distance\": 4,\n",
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
    EXPECT_EQ(err.str().rfind("3 runs x 1000 attempts", 0), 0u) << err.str();
}

} // namespace
