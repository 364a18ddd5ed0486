// kadenzo-sim play: its options, the player model, a whole session against the real plugin module, and
// what a session leaves behind: its summary and chart whatever the game speed held, the counts and
// windows it keeps in bounded memory, and the CSV it writes.
//
// Index of this file:
// - Play options
// - Player model
// - A whole session
// - Summary
// - Chart
// - Windows kept for the chart
// - Files
#include "built_modules.h"
#include "error_message.h"
#include "output_test_support.h"
#include "pictures/chart_layout.h"
#include "play/play_session.h"
#include "game/player_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <variant>

namespace {

using namespace kadenzo::sim;
using test::builtPlugin;

// ---- Play options ------------------------------------------------------------------------------

TEST(PlayOptions, DefaultsAndValues) {
    const PlayOptions defaults = parsePlayOptions({}, "plugin.so");
    EXPECT_EQ(defaults.attempts, 300);
    EXPECT_EQ(defaults.pluginPath, "plugin.so");
    const PlayOptions options = parsePlayOptions({"--attempts", "20", "--seed", "7", "--peak", "1", "--set",
                                                  "idealAccuracy=0.8", "--set", "showStatus=0"},
                                                 "plugin.so");
    EXPECT_EQ(options.attempts, 20);
    EXPECT_EQ(options.seed, 7u);
    EXPECT_EQ(options.player.peak, 1.0);
    ASSERT_EQ(options.settings.size(), 2u);
    EXPECT_EQ(options.settings[0].first, "idealAccuracy");
    EXPECT_EQ(options.settings[1].second, "0");
}

std::string optionErrorOf(const std::vector<std::string>& arguments) {
    return messageOf<ConsoleError>([&] { parsePlayOptions(arguments, "plugin.so"); });
}

TEST(PlayOptions, BadValuesAreRefusedWithTheirOption) {
    const std::vector<std::vector<std::string>> bad = {
        {"--attempts", "0"},   {"--attempts", "-5"},
        {"--attempts", "2.5"}, {"--attempts", "many"},
        {"--attempts"},        {"--seed", "-1"},
        {"--spread", "0"},     {"--comfort-speed", "nan"},
        {"--peak", "1.5"},     {"--set", "idealAccuracy"},
        {"--set", "=1"},       {"--set", "idealAccuracy=high"},
        {"--frobnicate", "1"}, {"stray"},
        {"--csv", ""},         {"--out", ""},
    };
    for (const auto& arguments : bad)
        EXPECT_NE(optionErrorOf(arguments).find(arguments[0]), std::string::npos)
            << arguments[0] << " accepted";
}

TEST(PlayOptions, NumbersBeyondTheirLimitsNameTheLimit) {
    EXPECT_EQ(optionErrorOf({"--attempts", "2147483648"}),
              "--attempts is too large (at most 2147483647), not \"2147483648\"");
    EXPECT_EQ(optionErrorOf({"--attempts", "99999999999999999999999"}),
              "--attempts is too large (at most 2147483647), not \"99999999999999999999999\"");
    EXPECT_EQ(optionErrorOf({"--seed", "18446744073709551616"}),
              "--seed is too large (at most 18446744073709551615), not \"18446744073709551616\"");
    EXPECT_EQ(optionErrorOf({"--attempts", "-99999999999999999999999"}),
              "--attempts must be a whole number of at least 1, not \"-99999999999999999999999\"");
    EXPECT_EQ(optionErrorOf({"--spread", "1e-50"}),
              "--spread needs a number from 0.001 to 100, not \"1e-50\"");
    EXPECT_EQ(optionErrorOf({"--comfort-speed", "1e39"}),
              "--comfort-speed needs a number from 0.01 to 100, not \"1e39\"");
    const PlayOptions limits = parsePlayOptions({"--attempts", "2147483647", "--spread", "0.001",
                                                 "--comfort-speed", "0.01", "--seed", "18446744073709551615"},
                                                "plugin.so");
    EXPECT_EQ(limits.attempts, 2147483647);
    EXPECT_EQ(limits.seed, 18446744073709551615u);
}

TEST(PlayOptions, AnUnknownOptionIsReportedAsSuchWithOrWithoutAValue) {
    EXPECT_EQ(optionErrorOf({"--trace"}), "unknown option \"--trace\" (see kadenzo-sim play --help)");
    EXPECT_EQ(optionErrorOf({"--trace", "1"}), "unknown option \"--trace\" (see kadenzo-sim play --help)");
    EXPECT_EQ(optionErrorOf({"--trace=1"}), "unknown option \"--trace\" (see kadenzo-sim play --help)");
    EXPECT_EQ(optionErrorOf({"--seed"}), "--seed needs a whole number");
}

// The value of an option follows it as the next argument or after '=', up to the first '=' (--set's own
// value holds one); "--" ends the options, and play takes no operand after it.
TEST(PlayOptions, AValueFollowsItsOptionOrAnEqualsSignAndDashDashEndsTheOptions) {
    const PlayOptions options = parsePlayOptions(
        {"--attempts=20", "--seed", "7", "--set=idealAccuracy=0.8", "--csv=-", "--"}, "plugin.so");
    EXPECT_EQ(options.attempts, 20);
    EXPECT_EQ(options.seed, 7u);
    ASSERT_EQ(options.settings.size(), 1u);
    EXPECT_EQ(options.settings[0], (std::pair<std::string, std::string>{"idealAccuracy", "0.8"}));
    EXPECT_EQ(options.csvPath, "-");
    EXPECT_EQ(optionErrorOf({"--attempts=20", "--attempts", "30"}), "--attempts can be given only once");
    EXPECT_EQ(optionErrorOf({"--attempts=0"}), "--attempts must be a whole number of at least 1, not \"0\"");
    EXPECT_EQ(optionErrorOf({"--", "--attempts", "20"}), "unexpected argument \"--attempts\"");
    EXPECT_EQ(optionErrorOf({"--seed", "1", "--", "--"}), "unexpected argument \"--\"");
}

// An empty value is refused as a missing one is, given after '=' or on its own.
TEST(PlayOptions, AnEmptyValueIsRefusedAsAMissingOneIs) {
    EXPECT_EQ(optionErrorOf({"--seed="}), "--seed needs a whole number");
    EXPECT_EQ(optionErrorOf({"--seed", ""}), "--seed needs a whole number");
    EXPECT_EQ(optionErrorOf({"--csv="}), "--csv needs a file name");
    EXPECT_EQ(optionErrorOf({"--out", ""}), "--out needs a folder name");
    EXPECT_EQ(optionErrorOf({"--plugin="}), "--plugin needs a path");
    EXPECT_EQ(optionErrorOf({"--set="}), "--set needs NAME=VALUE");
}

// Every option but --set, whose help says it repeats, is refused the second time, whatever the values;
// --set keeps each setting in order.
TEST(PlayOptions, AnOptionGivenTwiceIsRefusedButSetRepeats) {
    const std::vector<std::vector<std::string>> twice = {
        {"--attempts", "5", "--attempts", "6"},
        {"--seed", "1", "--seed", "1"},
        {"--comfort-speed", "1", "--comfort-speed", "1.1"},
        {"--spread", "0.2", "--spread", "0.3"},
        {"--peak", "1", "--peak", "0.5"},
        {"--csv", "a.csv", "--csv", "b.csv"},
        {"--out", "a", "--out", "b"},
        {"--plugin", "a.so", "--plugin", "b.so"},
    };
    for (const auto& arguments : twice)
        EXPECT_EQ(optionErrorOf(arguments), arguments[0] + " can be given only once");
    const PlayOptions options =
        parsePlayOptions({"--set", "idealAccuracy=0.8", "--set", "idealAccuracy=0.7"}, "plugin.so");
    ASSERT_EQ(options.settings.size(), 2u);
    EXPECT_EQ(options.settings[1].second, "0.7");
}

class PlayOptionFiles : public output_test::FolderTest {};

TEST_F(PlayOptionFiles, NothingIsCreatedBeforeEveryOptionIsChecked) {
    EXPECT_NE(optionErrorOf({"--out", path("pictures"), "--attempts", "0"}), "");
    EXPECT_NE(optionErrorOf({"--out", path("pictures"), "--csv", path("absent/session.csv")}), "");
    EXPECT_EQ(entries(), std::vector<std::string>{});
    const PlayOptions options =
        parsePlayOptions({"--out", path("pictures"), "--csv", path("session.csv")}, "x");
    EXPECT_EQ(entries(), std::vector<std::string>{}) << "parsing alone creates nothing";
    createOutFolder(options);
    EXPECT_EQ(entries(), std::vector<std::string>{"pictures"});
}

TEST_F(PlayOptionFiles, TargetsThatCannotBeWrittenAreRefusedBeforeTheSession) {
    writeFile("file", "");
    std::filesystem::create_directories(folder / "pictures" / "speed.png");
    EXPECT_EQ(optionErrorOf({"--out", path("file")}), "--out: " + path("file") + " is not a folder");
    PlayOptions pictures;
    pictures.outDirectory = path("pictures");
    EXPECT_EQ(optionErrorOf({"--out", path("pictures")}),
              "--out: cannot write " + outPicturePath(pictures, "speed.png") + ": it is a folder");
    EXPECT_EQ(optionErrorOf({"--csv", path("pictures")}),
              "--csv: cannot write " + path("pictures") + ": it is a folder");
    EXPECT_EQ(optionErrorOf({"--csv", "-"}), "") << "standard output";
}

// ---- Player model ------------------------------------------------------------------------------

TEST(PlayerModel, ChanceFallsWithSpeedAndDrawsRepeatForASeed) {
    PlayerModel player(PlayerParameters{1.0, 0.1, 0.9}, 3);
    EXPECT_NEAR(player.successChance(1.0f), 0.45, 1e-9);
    EXPECT_GT(player.successChance(0.8f), player.successChance(1.2f));
    PlayerModel again(PlayerParameters{1.0, 0.1, 0.9}, 3);
    int successes = 0;
    for (int attempt = 0; attempt < 2000; ++attempt) {
        const bool outcome = player.attempt(1.0f);
        EXPECT_EQ(outcome, again.attempt(1.0f));
        successes += outcome ? 1 : 0;
    }
    EXPECT_NEAR(successes / 2000.0, 0.45, 0.05);
}

// ---- A whole session ---------------------------------------------------------------------------

TEST(PlaySession, SettlesNearTheTargetAndReportsEveryWindow) {
    Simulator simulator;
    loadPlugin(simulator, builtPlugin());
    PlayOptions options = parsePlayOptions({"--attempts", "400", "--seed", "5"}, builtPlugin());
    std::size_t reported = 0;
    prepareSession(simulator, options);
    SessionEvents events;
    events.windowClosed = [&reported](std::size_t index, const TenAttemptWindow&,
                                      const std::optional<std::string>&) { reported = index; };
    const SessionResult result = playSession(simulator, options, events);
    EXPECT_EQ(result.tally.attempts(), 400);
    EXPECT_EQ(reported, 40u);
    EXPECT_FLOAT_EQ(result.targetAccuracy, 0.7f);
    // Player at 70 % near speed 1.0 with the defaults: the speed must come down from too fast, not run away.
    EXPECT_GT(result.finalSpeed, 0.7f);
    EXPECT_LT(result.finalSpeed, 1.3f);
    const std::string summary = sessionSummary(result);
    EXPECT_NE(summary.find("attempts             400"), std::string::npos) << summary;
    // The plugin counted what the session played.
    EXPECT_EQ(simulator.host.variables().find("slowMoEnabled")->text(), "1");
}

TEST(PlaySession, UnknownSettingStopsBeforeAnyAttempt) {
    Simulator simulator;
    loadPlugin(simulator, builtPlugin());
    const PlayOptions options = parsePlayOptions({"--set", "idealAccuracy=0.9", "--set", "nosuch=1"}, "x");
    EXPECT_THROW(prepareSession(simulator, options), ConsoleError);
    EXPECT_EQ(simulator.host.variables().find("idealAccuracy")->text(), "0.7") << "nothing was applied";
    EXPECT_FALSE(simulator.host.inCustomTraining());
}

// ---- What a session explains ------------------------------------------------------------------

// Why a window left the speed: the plugin's settings and the game's state as the host holds them.
TEST(HeldSpeedReason, NamesTheCauseWhenItIsNotTheAccuracy) {
    const CoachSettings settings{0.7f, 0.05f, 50, 150, true, true};
    const auto reason = [](const CoachSettings& under, int successes, float speed, float after) {
        return heldSpeedReason(under, TenAttemptWindow{successes, speed, after});
    };
    EXPECT_EQ(reason(settings, 10, 1.0f, 1.1f), std::nullopt) << "the speed moved";
    EXPECT_EQ(reason(settings, 7, 1.0f, 1.0f), std::nullopt) << "on target: the accuracy is the reason";
    EXPECT_EQ(reason(settings, 10, 1.5f, 1.5f), "held at the upper limit 1.5");
    EXPECT_EQ(reason(settings, 0, 0.5f, 0.5f), "held at the lower limit 0.5");
    // The step's landing is told as the plugin takes it, in millionths: 1.55, not the float sum 1.5500001.
    EXPECT_EQ(reason(settings, 10, 1.45f, 1.45f), "held: a step to 1.55 would pass the upper limit 1.5")
        << "two steps up from within the limits";
    EXPECT_EQ(reason(settings, 5, 0.5f, 0.5f), "held at the lower limit 0.5");
    CoachSettings disabled = settings;
    disabled.enabled = false;
    EXPECT_EQ(reason(disabled, 10, 1.0f, 1.0f), "held: the plugin is disabled");
    CoachSettings outside = settings;
    outside.inCustomTraining = false;
    EXPECT_EQ(reason(outside, 10, 1.0f, 1.0f), "held: the game is not in custom training");
}

class PlayReport : public ::testing::Test {
protected:
    int play(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--attempts", "40", "--seed", "2"});
        return runPlay(arguments, builtPlugin(), out, err);
    }
    std::string firstLine() const { return out.str().substr(0, out.str().find('\n')); }
    // The report's window lines.
    std::vector<std::string> windowLines() const {
        std::vector<std::string> lines;
        std::istringstream report(out.str());
        for (std::string line; std::getline(report, line);)
            if (line.rfind("window ", 0) == 0) lines.push_back(line);
        return lines;
    }
    // Whether every window line ends with ENDING.
    ::testing::AssertionResult everyWindowEndsWith(const std::string& ending) const {
        const std::vector<std::string> lines = windowLines();
        if (lines.size() != 4) return ::testing::AssertionFailure() << out.str();
        for (const std::string& line : lines)
            if (line.size() < ending.size() ||
                line.compare(line.size() - ending.size(), ending.size(), ending) != 0)
                return ::testing::AssertionFailure() << line;
        return ::testing::AssertionSuccess();
    }
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(PlayReport, TheFirstLineStatesTheTargetTheStepAndTheLimits) {
    ASSERT_EQ(play({}), 0) << err.str();
    EXPECT_EQ(firstLine(),
              "target accuracy 0.7, speed step 0.05, limits 0.5 to 1.5 (plugin enabled, custom training)");
    out.str("");
    ASSERT_EQ(play({"--set", "idealAccuracy=0.95", "--set", "slowMoSpeedIncrement=0.1", "--set",
                    "slowMoMinSpeed=40", "--set", "slowMoMaxSpeed=105", "--set", "slowMoEnabled=0"}),
              0)
        << err.str();
    EXPECT_EQ(firstLine(),
              "target accuracy 0.95, speed step 0.1, limits 0.4 to 1.05 (plugin disabled, custom training)");
}

TEST_F(PlayReport, AValueSetBeyondItsRangeIsToldAndTheSessionPlaysWithWhatItHolds) {
    ASSERT_EQ(play({"--set", "idealAccuracy=5", "--set", "slowMoMaxSpeed=1e3"}), 0) << err.str();
    EXPECT_EQ(err.str(), "--set idealAccuracy: 5 is beyond its range 0 to 1; it holds 1\n"
                         "--set slowMoMaxSpeed: 1e3 is beyond its range 5 to 200; it holds 200\n");
    EXPECT_EQ(firstLine(),
              "target accuracy 1, speed step 0.05, limits 0.5 to 2 (plugin enabled, custom training)");
}

TEST_F(PlayReport, AWindowThatHeldTheSpeedSaysWhy) {
    ASSERT_EQ(play({"--set", "slowMoEnabled=0"}), 0) << err.str();
    EXPECT_TRUE(everyWindowEndsWith("speed 1.00 -> 1.00  held: the plugin is disabled"));
    out.str("");
    // A player who hits nearly everything at any speed the limits allow.
    ASSERT_EQ(play({"--set", "slowMoMaxSpeed=100", "--comfort-speed", "5", "--peak", "1"}), 0) << err.str();
    EXPECT_TRUE(everyWindowEndsWith("speed 1.00 -> 1.00  held at the upper limit 1"));
    out.str("");
    // And one who misses nearly everything.
    ASSERT_EQ(play({"--set", "slowMoMinSpeed=100", "--comfort-speed", "0.01", "--peak", "0.01"}), 0)
        << err.str();
    EXPECT_TRUE(everyWindowEndsWith("speed 1.00 -> 1.00  held at the lower limit 1"));
}

// ---- Summary -----------------------------------------------------------------------------------

std::string summaryLine(const SessionResult& result, const std::string& start) {
    const std::string summary = sessionSummary(result);
    const std::size_t begin = summary.find(start);
    return begin == std::string::npos ? "" : summary.substr(begin, summary.find('\n', begin) - begin);
}

TEST(SessionSummary, TheFinalSpeedIsShownAsHeldEvenWhenNoNumberCanShowIt) {
    SessionResult result;
    const std::vector<std::pair<float, std::string>> speeds = {
        {1.05f, "final speed          1.05 (105%)"},
        {std::numeric_limits<float>::quiet_NaN(), "final speed          nan (nan%)"},
        {std::numeric_limits<float>::infinity(), "final speed          inf (inf%)"},
        {-std::numeric_limits<float>::infinity(), "final speed          -inf (-inf%)"},
        {1e30f, "final speed          1000000015047466219876688855040.00 (1.0000000150474662e+32%)"},
    };
    for (const auto& [speed, line] : speeds) {
        result.finalSpeed = speed;
        EXPECT_EQ(summaryLine(result, "final speed"), line);
    }
}

TEST(SessionSummary, CountsTheLastHundredAttemptsAndWindowsNearTheTarget) {
    SessionResult result;
    result.targetAccuracy = 0.7f;
    for (int attempt = 0; attempt < 150; ++attempt)
        result.tally.addAttempt(attempt < 100);
    for (const int successes : {0, 6, 7, 8, 10, 9})
        result.tally.addWindow(successes);
    EXPECT_EQ(summaryLine(result, "total"), "total accuracy       66.7% (100 of 150)");
    EXPECT_EQ(summaryLine(result, "last 100"), "last 100 accuracy    50.0% (50 of 100)");
    EXPECT_EQ(summaryLine(result, "windows"), "windows near target  3 of 6 within 10 points of 70%");
}

// Under a hundred attempts the line counts them all and says how many; from a hundred on, the last hundred.
TEST(SessionSummary, TheRecentAccuracyIsNamedByTheAttemptsItCounts) {
    const std::vector<std::pair<int, std::string>> sessions = {
        {1, "last 1 accuracy      0.0% (0 of 1)"},
        {30, "last 30 accuracy     80.0% (24 of 30)"},
        {99, "last 99 accuracy     79.8% (79 of 99)"},
        {100, "last 100 accuracy    80.0% (80 of 100)"},
        {101, "last 100 accuracy    80.0% (80 of 100)"},
        {1000, "last 100 accuracy    80.0% (80 of 100)"},
    };
    for (const auto& [attempts, line] : sessions) {
        SessionResult result;
        // Every fifth attempt, the first among them, misses.
        for (int attempt = 0; attempt < attempts; ++attempt)
            result.tally.addAttempt(attempt % 5 != 0);
        EXPECT_EQ(summaryLine(result, "last "), line) << attempts << " attempts";
    }
}

// ---- Chart -------------------------------------------------------------------------------------

bool allFinite(std::initializer_list<float> values) {
    for (const float value : values)
        if (!std::isfinite(value)) return false;
    return true;
}

bool drawable(const kadenzo::render::Item& item) {
    if (const auto* line = std::get_if<kadenzo::render::Line>(&item))
        return allFinite({line->x0, line->y0, line->x1, line->y1});
    if (const auto* box = std::get_if<kadenzo::render::Rectangle>(&item))
        return allFinite({box->x0, box->y0, box->x1, box->y1});
    const auto& text = std::get<kadenzo::render::Text>(item);
    return allFinite({text.x, text.y}) && text.x >= 0.0f;
}

TEST(SpeedChart, NonFiniteAndHugeSpeedsLeaveTheChartDrawable) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (const float odd : {nan, infinity, -infinity, 3e38f, -3e38f}) {
        TenAttemptWindows windows;
        windows.add(TenAttemptWindow{5, 1.0f, odd});
        windows.add(TenAttemptWindow{7, odd, odd});
        windows.add(TenAttemptWindow{6, odd, 1.0f});
        const kadenzo::render::Scene scene = speedChartScene(windows, 0.7f);
        for (const kadenzo::render::Item& item : scene.items)
            EXPECT_TRUE(drawable(item)) << "speed " << odd;
    }
}

TEST(SpeedChart, AGroupedChartStillCountsEveryWindow) {
    TenAttemptWindows windows;
    for (int window = 0; window < 5000; ++window)
        windows.add(TenAttemptWindow{window % 11, 1.0f, 1.0f});
    const kadenzo::render::Scene scene = speedChartScene(windows, 0.7f);
    bool labelled = false;
    for (const kadenzo::render::Item& item : scene.items)
        if (const auto* text = std::get_if<kadenzo::render::Text>(&item))
            labelled |= text->text == "5000 windows";
    EXPECT_TRUE(labelled);
}

// A tick is a round number: 1, 2, 2.5 or 5 times a power of ten, and the ticks are whole steps.
::testing::AssertionResult roundTicks(const AxisScale& axis, double low, double high, int mostIntervals) {
    const double exponent = std::floor(std::log10(axis.step) + 1e-9);
    const double mantissa = axis.step / std::pow(10.0, exponent);
    bool round = false;
    for (const double allowed : {1.0, 2.0, 2.5, 5.0})
        round = round || std::fabs(mantissa - allowed) < 1e-9;
    if (!round) return ::testing::AssertionFailure() << "step " << axis.step;
    const double slack = axis.step * 1e-9; // what a multiple of the step may be off by in double
    if (axis.low > low + slack || axis.high < high - slack)
        return ::testing::AssertionFailure()
               << axis.low << " to " << axis.high << " leaves out some of the range";
    const std::vector<double> ticks = axis.ticks();
    if (ticks.size() < 2 || static_cast<int>(ticks.size()) > mostIntervals + 1)
        return ::testing::AssertionFailure() << ticks.size() << " ticks";
    for (const double tick : ticks) {
        const double steps = tick / axis.step;
        if (std::fabs(steps - std::round(steps)) > 1e-6)
            return ::testing::AssertionFailure() << "tick " << tick;
    }
    return ::testing::AssertionSuccess();
}

TEST(ChartLayout, AxesTickAtRoundNumbersForAnyRange) {
    const std::vector<std::pair<double, double>> ranges = {
        {0.78, 1.12}, {0.95, 1.05},    {0.5, 1.5},    {0.0, 300.0}, {0.0, 5000.0}, {0.0, 21474836470.0},
        {1.0, 1.0},   {0.001, 0.0013}, {-3e38, 3e38}, {0.0, 100.0}, {0.9, 1.15},
    };
    for (const auto& [low, high] : ranges)
        for (const int most : {4, 6, 10})
            EXPECT_TRUE(roundTicks(roundAxis(low, high, most), low, high, most)) << low << " to " << high;
    const AxisScale speeds = roundAxis(0.78, 1.12, 6);
    EXPECT_DOUBLE_EQ(speeds.step, 0.1);
    EXPECT_EQ(speeds.label(speeds.ticks().front()), "0.7");
    EXPECT_EQ(speeds.label(speeds.ticks().back()), "1.2");
    const AxisScale attempts = roundAxis(0.0, 5000.0, 10, false);
    EXPECT_EQ(attempts.low, 0.0);
    EXPECT_EQ(attempts.high, 5000.0) << "not widened: the attempts end where the session did";
    EXPECT_EQ(attempts.ticks(),
              (std::vector<double>{0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 5000}));
    const AxisScale percents = roundAxis(0.0, 100.0, 4);
    EXPECT_EQ(percents.label(percents.ticks()[1]), "25");
    EXPECT_DOUBLE_EQ(roundTickStep(0.25, 5), 0.05);
    EXPECT_DOUBLE_EQ(roundTickStep(7.0, 3), 2.5);
}

TEST(ChartLayout, BarsGroupRoundNumbersOfWindowsAndStayApart) {
    constexpr double width = 1020.0;
    constexpr double narrowest = 12.0;
    struct Case {
        std::size_t windows, perGroup, perBar;
    };
    for (const Case& expected :
         {Case{30, 1, 1}, Case{85, 1, 1}, Case{86, 1, 2}, Case{500, 1, 10}, Case{3000, 2, 50},
          Case{100'000, 100, 2000}, Case{214'748'364, 200'000, 5'000'000}}) {
        const std::size_t perBar = windowsPerBar(expected.windows, expected.perGroup, width, narrowest);
        EXPECT_EQ(perBar, expected.perBar) << expected.windows << " windows";
        EXPECT_EQ(perBar % expected.perGroup, 0u) << "a bar is made of whole groups";
        const double bars = std::ceil(static_cast<double>(expected.windows) / static_cast<double>(perBar));
        EXPECT_GE(width / bars, narrowest) << expected.windows << " windows: the bars would touch";
    }
}

// ---- Windows kept for the chart ----------------------------------------------------------------

TEST(TenAttemptWindows, KeepsEveryWindowWhileTheyFitThenSumsThemInRoundGroups) {
    TenAttemptWindows windows;
    for (std::size_t window = 0; window < TenAttemptWindows::capacity; ++window)
        windows.add(TenAttemptWindow{static_cast<int>(window % 11), static_cast<float>(window), 0.0f});
    EXPECT_EQ(windows.groups().size(), TenAttemptWindows::capacity);
    EXPECT_EQ(windows.windowsPerGroup(), 1u);

    long long successes = 0;
    for (std::size_t window = 0; window < 1'000'000; ++window)
        successes += static_cast<long long>(window % 11);
    for (std::size_t window = TenAttemptWindows::capacity; window < 1'000'000; ++window)
        windows.add(TenAttemptWindow{static_cast<int>(window % 11), static_cast<float>(window), 0.0f});
    EXPECT_EQ(windows.total(), 1'000'000u);
    EXPECT_LE(windows.groups().size(), TenAttemptWindows::capacity);
    const std::size_t size = windows.windowsPerGroup();
    EXPECT_EQ(size, 1000u) << "grown along 1, 2, 10, 20, 100, 200, 1000";
    long long summed = 0;
    std::size_t counted = 0;
    for (std::size_t index = 0; index < windows.groups().size(); ++index) {
        const WindowGroup& group = windows.groups()[index];
        if (index + 1 < windows.groups().size()) {
            ASSERT_EQ(group.windows, size) << index;
        }
        // The speeds during were the windows' numbers: each group's lowest is its first window's.
        ASSERT_EQ(group.lowestSpeed, 0.0) << "the speeds after were all 0";
        ASSERT_EQ(group.highestSpeed, static_cast<double>(static_cast<float>(counted + group.windows - 1)));
        summed += group.successes;
        counted += group.windows;
    }
    EXPECT_EQ(counted, 1'000'000u);
    EXPECT_EQ(summed, successes) << "nothing is lost in the sums";
}

TEST(TenAttemptWindows, GroupsGrowAlongRoundNumbers) {
    std::vector<std::size_t> sizes{1};
    while (sizes.size() < 8)
        sizes.push_back(nextGroupSize(sizes.back()));
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1, 2, 10, 20, 100, 200, 1000, 2000}));
}

// ---- Files -------------------------------------------------------------------------------------

class PlayFiles : public output_test::FolderTest {
protected:
    int play(std::vector<std::string> arguments) { return runPlay(arguments, builtPlugin(), out, err); }
    std::ostringstream out;
    std::ostringstream err;
};

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(PlayFiles, TheCsvHasARowPerAttempt) {
    ASSERT_EQ(play({"--attempts", "25", "--seed", "3", "--csv", path("session.csv")}), 0) << err.str();
    const std::string csv = contents("session.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "attempt,outcome,speed");
    EXPECT_EQ(lineCount(csv), 26u);
    EXPECT_NE(csv.find("\n25,"), std::string::npos);
    EXPECT_EQ(entries(), std::vector<std::string>{"session.csv"});
}

// The speeds as people write them: 0.95, not 0.949999988.
TEST_F(PlayFiles, TheCsvWritesEachSpeedAsTheShortestTextOfItsFloat) {
    // Every attempt missed, against a target of 0.2: one step down after the first window.
    ASSERT_EQ(play({"--attempts", "20", "--peak", "0.01", "--set", "idealAccuracy=0.2", "--csv",
                    path("session.csv")}),
              0)
        << err.str();
    const std::string csv = contents("session.csv");
    EXPECT_NE(csv.find("\n11,miss,0.95\n"), std::string::npos) << csv;
}

TEST_F(PlayFiles, ASessionThatFailsLeavesNoFile) {
    EXPECT_EQ(play({"--csv", path("session.csv"), "--set", "nosuchvariable=1"}), 2);
    EXPECT_EQ(entries(), std::vector<std::string>{});
}

TEST_F(PlayFiles, ACsvOnStandardOutputSendsTheReportToStandardError) {
    ASSERT_EQ(play({"--attempts", "20", "--seed", "3", "--csv", "-"}), 0) << err.str();
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "attempt,outcome,speed");
    EXPECT_EQ(lineCount(out.str()), 21u);
    EXPECT_EQ(err.str().rfind("target accuracy 0.7, speed step 0.05", 0), 0u) << err.str();
    EXPECT_NE(err.str().find("\nwindow    1  attempts"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("attempts             20\n"), std::string::npos);
    EXPECT_EQ(entries(), std::vector<std::string>{});
}

} // namespace
