// The coach as the game drives it: arming and disarming, classifying attempts, counting them, and
// moving the game speed after each ten.
//
// Index of this file:
// - Arming and disarming
// - Classifying and counting attempts
// - Speed controller
#include "plugin_fixture.h"

#include "speed_controller.h"

#include <cmath>
#include <limits>

namespace {

bool isWhite(const LinearColor& color) {
    return color.R == 255.0f && color.G == 255.0f && color.B == 255.0f && color.A == 255.0f;
}
bool isGreen(const LinearColor& color) {
    return color.R == 0.0f && color.G == 255.0f && color.B == 0.0f;
}
bool isRed(const LinearColor& color) {
    return color.R == 255.0f && color.G == 0.0f && color.B == 0.0f;
}

// ---- Arming and disarming ----------------------------------------------------------------------

using TrainingRun = PluginFixture;

const std::vector<std::string> armingTrace = {
    "plugin drawable",
    "plugin hook-caller " + game::roundChanged,
    "plugin hook " + game::touch,
    "plugin hook " + game::explode,
    "plugin hook " + game::goal,
    "plugin hook-post " + game::restart,
};

const std::vector<std::string> disarmingTrace = {
    "plugin unhook " + game::roundChanged, "plugin unhook " + game::touch,
    "plugin unhook " + game::explode,      "plugin unhook " + game::goal,
    "plugin unhook-post " + game::restart, "plugin unregister-drawables",
};

TEST_F(TrainingRun, RoundLoadArmsOnlyWhileEnabled) {
    takeTrace();
    fire(game::loadRound);
    EXPECT_FALSE(plugin->trainingLoaded);
    EXPECT_TRUE(takeTrace().empty());
    set("slowMoEnabled", "1");
    fire(game::loadRound);
    EXPECT_TRUE(plugin->trainingLoaded);
    EXPECT_EQ(takeTrace(), armingTrace);
    EXPECT_TRUE(isWhite(plugin->statusColors[9]));
}

TEST_F(TrainingRun, SecondRoundLoadNeitherReregistersNorResets) {
    startTraining();
    play("GGX");
    takeTrace();
    fire(game::loadRound);
    EXPECT_TRUE(takeTrace().empty());
    EXPECT_EQ(plugin->totalShots, 3);
    EXPECT_EQ(host.hooks().count(game::goal), 1u);
}

TEST_F(TrainingRun, DestroyedDisarmsOnceAndOnlyWhileArmedAndEnabled) {
    takeTrace();
    fire(game::destroyed);
    EXPECT_TRUE(takeTrace().empty());
    startTraining();
    takeTrace();
    fire(game::destroyed);
    EXPECT_FALSE(plugin->trainingLoaded);
    EXPECT_EQ(takeTrace(), disarmingTrace);
    fire(game::destroyed);
    plugin->onUnload();
    EXPECT_TRUE(takeTrace().empty());
    EXPECT_EQ(host.hooks().count(game::restart), 0u);
    EXPECT_EQ(host.drawableCount(), 0u);
}

TEST_F(TrainingRun, DisabledWhileArmedFreezesTheRunAndKeepsItArmed) {
    startTraining();
    play("GG");
    set("slowMoEnabled", "0");
    fire(game::destroyed);
    EXPECT_TRUE(plugin->trainingLoaded);
    play("XXX");
    EXPECT_EQ(plugin->totalShots, 2);
    set("slowMoEnabled", "1");
    fire(game::loadRound);
    play("G");
    EXPECT_EQ(plugin->totalShots, 3) << "the old run carries on, with no restart skipped";
    EXPECT_EQ(plugin->currentStreak, 3);
}

TEST_F(TrainingRun, ArmingAfreshResetsThePacksCountersButNotStreakOrHistory) {
    startTraining();
    play("GGGGGGGGGGGGX"
         "GG");
    ASSERT_EQ(plugin->windowShots, 5);
    const float previous = plugin->previousAccuracy;
    fire(game::destroyed);
    fire(game::loadRound);
    EXPECT_EQ(plugin->totalShots, 0);
    EXPECT_EQ(plugin->totalSuccesses, 0);
    EXPECT_EQ(plugin->windowShots, 0);
    EXPECT_EQ(plugin->windowSuccesses, 0);
    EXPECT_EQ(plugin->lastShotsIndex, 0);
    EXPECT_EQ(plugin->currentStreak, 2);
    EXPECT_EQ(plugin->previousAccuracy, previous);
    EXPECT_TRUE(plugin->lastShots[0]);
    EXPECT_TRUE(plugin->skipNextRestart);
    EXPECT_EQ(host.hooks().count(game::goal), 1u);
}

TEST_F(TrainingRun, HandlersAreSilentOutsideCustomTraining) {
    startTraining();
    host.setInCustomTraining(false);
    fire(game::goal);
    fire(game::restart);
    EXPECT_FALSE(plugin->shotSucceeded);
    EXPECT_EQ(plugin->totalShots, 0);
}

// ---- Classifying and counting attempts ---------------------------------------------------------

using ShotTracking = PluginFixture;

struct AttemptCase {
    const char* codes;
    bool touchCounts;
    bool success;
};

TEST_F(ShotTracking, BallEventsDecideTheOutcome) {
    const AttemptCase cases[] = {
        {"N", false, false},                                         // nothing happened: a miss
        {"X", false, false}, {"G", false, true}, {"E", false, true}, // a goal counts after an explosion
        {"T", false, false}, {"T", true, true},
    };
    startTraining();
    for (const AttemptCase& attempt : cases) {
        set("onTouchEnabled", attempt.touchCounts ? "1" : "0");
        const int before = plugin->totalSuccesses;
        play(attempt.codes);
        EXPECT_EQ(plugin->totalSuccesses - before, attempt.success ? 1 : 0) << attempt.codes;
    }
    // Goal, then explosion: still a success.
    fire(game::goal);
    fire(game::explode);
    EXPECT_TRUE(plugin->shotSucceeded);
    EXPECT_FALSE(plugin->shotFailed);
}

TEST_F(ShotTracking, FirstRestartAfterArmingCountsNothingButKeepsTheFlags) {
    set("slowMoEnabled", "1");
    host.setInCustomTraining(true);
    fire(game::loadRound);
    fire(game::goal);
    fire(game::restart);
    EXPECT_EQ(plugin->totalShots, 0);
    EXPECT_FALSE(plugin->skipNextRestart);
    EXPECT_TRUE(plugin->shotSucceeded);
    fire(game::restart);
    EXPECT_EQ(plugin->totalSuccesses, 1);
}

TEST_F(ShotTracking, DisabledRestartsDoNotSpendThePendingSkip) {
    set("slowMoEnabled", "1");
    host.setInCustomTraining(true);
    fire(game::loadRound);
    set("slowMoEnabled", "0");
    fire(game::restart);
    EXPECT_TRUE(plugin->skipNextRestart);
    set("slowMoEnabled", "1");
    play("G");
    EXPECT_EQ(plugin->totalShots, 0);
    play("G");
    EXPECT_EQ(plugin->totalShots, 1);
}

TEST_F(ShotTracking, StreakWindowTotalsAndMarkers) {
    startTraining();
    play("GGXGGGGGG");
    EXPECT_EQ(plugin->currentStreak, 6);
    EXPECT_EQ(plugin->windowShots, 9);
    EXPECT_EQ(plugin->windowSuccesses, 8);
    EXPECT_TRUE(isGreen(plugin->statusColors[0]));
    EXPECT_TRUE(isRed(plugin->statusColors[2]));
    EXPECT_EQ(plugin->statusColors[2].A, 255.0f);
    EXPECT_TRUE(isWhite(plugin->statusColors[9]));
    play("X");
    EXPECT_EQ(plugin->currentStreak, 0);
    EXPECT_EQ(plugin->windowShots, 0);
    for (const LinearColor& marker : plugin->statusColors)
        EXPECT_TRUE(isWhite(marker)) << "the tenth attempt closes the window at once";
    play("G");
    EXPECT_EQ(plugin->windowShots, 1);
    EXPECT_EQ(plugin->totalShots, 11);
    EXPECT_EQ(plugin->totalSuccesses, 9);
}

TEST_F(ShotTracking, HundredEntryRingWrapsAround) {
    startTraining();
    play(std::string(99, 'X'));
    EXPECT_EQ(plugin->lastShotsIndex, 99);
    play("G");
    EXPECT_EQ(plugin->lastShotsIndex, 0);
    EXPECT_TRUE(plugin->lastShots[99]);
    play("G");
    EXPECT_TRUE(plugin->lastShots[0]);
    EXPECT_EQ(plugin->countLastShotsSuccesses(), 2);
    play("X");
    EXPECT_FALSE(plugin->lastShots[1]);
    EXPECT_EQ(plugin->countLastShotsSuccesses(), 2);
}

// ---- Speed controller --------------------------------------------------------------------------

struct WindowCase {
    const char* idealAccuracy;
    const char* startSpeed;
    int successes;
    float expectedSpeed; // NaN: nothing written
};

class SpeedController : public PluginFixture, public ::testing::WithParamInterface<WindowCase> {};

std::string window(int successes) {
    return std::string(successes, 'G') + std::string(10 - successes, 'X');
}

TEST(SpeedStepMultiplier, ComparesInDoubleWithNotANumberGivingZero) {
    EXPECT_EQ(speedStepMultiplier(-0.31), -2);
    EXPECT_EQ(speedStepMultiplier(-0.29), -1);
    EXPECT_EQ(speedStepMultiplier(-0.051), -1);
    EXPECT_EQ(speedStepMultiplier(-0.049), 0);
    EXPECT_EQ(speedStepMultiplier(0.049), 0);
    EXPECT_EQ(speedStepMultiplier(0.051), 1);
    EXPECT_EQ(speedStepMultiplier(0.29), 1);
    EXPECT_EQ(speedStepMultiplier(0.31), 2);
    EXPECT_EQ(speedStepMultiplier(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST_P(SpeedController, ClosesTheWindowAndStepsWithinTheLimits) {
    const WindowCase& test = GetParam();
    // Our console refuses NaN for a ranged variable, but the cell is the host's to fill: the plugin
    // must cope with whatever it holds.
    if (std::string(test.idealAccuracy) == "nan")
        *plugin->idealAccuracy = std::numeric_limits<float>::quiet_NaN();
    else
        set("idealAccuracy", test.idealAccuracy);
    set("sv_soccar_gamespeed", test.startSpeed);
    startTraining();
    play(window(test.successes).substr(0, 9));
    EXPECT_EQ(plugin->windowShots, 9);
    takeTrace();
    play(window(test.successes).substr(9));
    const std::vector<std::string> lines = takeTrace();
    if (std::isnan(test.expectedSpeed)) {
        EXPECT_TRUE(lines.empty());
    } else {
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(speed(), test.expectedSpeed);
    }
    EXPECT_EQ(plugin->previousAccuracy, static_cast<float>(test.successes) / 10.0f);
    EXPECT_EQ(plugin->windowShots, 0);
    EXPECT_EQ(plugin->windowSuccesses, 0);
}

constexpr float unchanged = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, SpeedController,
    ::testing::Values(
        // From speed 1.0 with the default target 0.7 and step 0.05: 0-3 of 10 is -2, 4-6 is -1,
        // 7 is 0 (written back unchanged), 8-9 is +1, 10 is +2. Each new speed is the float nearest to
        // its decimal.
        WindowCase{"0.7", "1", 0, 0.9f}, WindowCase{"0.7", "1", 3, 0.9f}, WindowCase{"0.7", "1", 4, 0.95f},
        WindowCase{"0.7", "1", 6, 0.95f}, WindowCase{"0.7", "1", 7, 1.0f}, WindowCase{"0.7", "1", 8, 1.05f},
        WindowCase{"0.7", "1", 9, 1.05f}, WindowCase{"0.7", "1", 10, 1.1f},
        // The maximum is inclusive; a step past it is dropped whole.
        WindowCase{"0.7", "1.45", 8, 1.5f}, WindowCase{"0.7", "1.45", 10, unchanged},
        WindowCase{"0.7", "0.55", 0, unchanged},
        // A target of 0.75 leaves no window without a step.
        WindowCase{"0.75", "1", 7, 0.95f}, WindowCase{"0.75", "1", 8, 1.05f},
        // A target that is not a number (written into the cell) never moves the speed, but writes it back.
        WindowCase{"nan", "1", 0, 1.0f},
        // A speed set by hand off the millionths is written back on them.
        WindowCase{"0.7", "0.8999998", 7, 0.9f}));

TEST_F(PluginFixture, MaximumBelowMinimumNeverWritesTheSpeed) {
    set("slowMoMaxSpeed", "60");
    set("slowMoMinSpeed", "90");
    startTraining();
    takeTrace();
    play(window(7) + window(0) + window(10));
    EXPECT_TRUE(takeTrace().empty());
    EXPECT_EQ(speed(), 1.0f);
    EXPECT_EQ(plugin->previousAccuracy, 1.0f);
}

TEST_F(PluginFixture, SpeedSetByHandIsWhereTheNextStepStarts) {
    startTraining();
    play(window(3));
    EXPECT_EQ(speed(), 0.9f);
    set("sv_soccar_gamespeed", "1.2");
    play(window(10));
    EXPECT_EQ(speed(), 1.3f);
}

// The float sum of steps drifts (1.0 - 0.05 ten times is 0.49999988); the speed the plugin writes does
// not, so a limit of 50 % is reached and the overlay shows it.
TEST_F(PluginFixture, StepsOfTheIncrementReachTheLimitExactly) {
    startTraining();
    takeTrace();
    for (int windows = 0; windows < 10; ++windows)
        play(window(5));
    EXPECT_EQ(speed(), 0.5f);
    EXPECT_EQ(takeTrace().back(), "plugin set sv_soccar_gamespeed 0.5");
    play(window(5));
    EXPECT_TRUE(takeTrace().empty()) << "0.45 passes the lower limit";
    set("sv_soccar_gamespeed", "1.45");
    play(window(8));
    EXPECT_EQ(speed(), 1.5f);
    play(window(8));
    EXPECT_EQ(speed(), 1.5f) << "1.55 passes the upper limit";
}

// A new speed that no limit holds, or that is not finite, is never written, whatever the cells hold.
TEST_F(PluginFixture, ASpeedBeyondEveryLimitOrNotFiniteIsNeverWritten) {
    startTraining();
    *plugin->slowMoMaxSpeed = std::numeric_limits<int>::max();
    set("sv_soccar_gamespeed", "3e38");
    takeTrace();
    play(window(10));
    EXPECT_TRUE(takeTrace().empty()) << "3e38 is beyond every 32-bit limit";
    set("sv_soccar_gamespeed", "1");
    *plugin->slowMoSpeedIncrement = std::numeric_limits<float>::infinity();
    takeTrace();
    play(window(10) + window(0));
    EXPECT_TRUE(takeTrace().empty());
    *plugin->slowMoSpeedIncrement = std::numeric_limits<float>::quiet_NaN();
    play(window(10));
    EXPECT_TRUE(takeTrace().empty());
}

} // namespace
