// The analysis under kadenzo-sim study: the speed controller as a Markov chain on the plugin's own floats,
// checked against the figures a player is promised, against a brute-force solve of small chains, and
// against the binomial tails of the balance point; and Student's t, by which the study judges it,
// against its closed forms and printed tables. Whether it agrees with the real plugin is the study
// command's test.
#include "study/staircase_analysis.h"
#include "study/staircase_lattice.h"
#include "study/student_t.h"

#include "speed_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kadenzo::study {
namespace {

SpeedAnalysis analysed(float target, float increment = 0.05f) {
    StaircaseSetup setup;
    setup.targetAccuracy = target;
    setup.speedStep = increment;
    return analyseStaircase(setup, pluginStepTable(target));
}

double hundredths(double value) {
    return std::round(value * 100.0) / 100.0;
}

// ---- The figures promised for the default player ---------------------------------------------------

struct PromisedRow {
    float target;
    double meanAccuracy;
    double meanSpeed;
    double speedSd;
};

TEST(StaircaseAnalysis, ReproducesTheDefaultPlayersTableToTwoDecimals) {
    const PromisedRow rows[] = {
        {0.5f, 0.50, 1.18, 0.07},
        // The spread at 0.6 is 0.0646, which rounds to 0.06 where the table has 0.07; the plugin's rule
        // run for four million windows gives 0.0646 too, so the figure here is the plugin's.
        {0.6f, 0.61, 1.08, 0.06},
        {0.65f, 0.61, 1.08, 0.06},
        {0.7f, 0.69, 1.00, 0.07},
        {0.8f, 0.80, 0.86, 0.07},
        // The plugin reaches its lowest limit, 0.5, and the player's chance at it holds the mean up.
        {0.9f, 0.89, 0.66, 0.08},
    };
    for (const PromisedRow& row : rows) {
        SCOPED_TRACE(row.target);
        const SpeedAnalysis analysis = analysed(row.target);
        EXPECT_DOUBLE_EQ(hundredths(analysis.meanAccuracy), row.meanAccuracy);
        EXPECT_DOUBLE_EQ(hundredths(analysis.meanSpeed), row.meanSpeed);
        EXPECT_DOUBLE_EQ(hundredths(analysis.speedSd), row.speedSd);
        EXPECT_LT(analysis.residual, stationaryTolerance);
    }
}

TEST(StaircaseAnalysis, TargetsWithinOneTenthTrainAlike) {
    // A window holds ten attempts, so 0.65 steps as 0.6 does for every count of successes.
    EXPECT_EQ(pluginStepTable(0.65f), pluginStepTable(0.6f));
    const SpeedAnalysis sixty = analysed(0.6f);
    const SpeedAnalysis sixtyFive = analysed(0.65f);
    EXPECT_EQ(sixtyFive.stationary, sixty.stationary);
    EXPECT_EQ(sixtyFive.meanAccuracy, sixty.meanAccuracy);
    EXPECT_NE(analysed(0.7f).meanAccuracy, sixty.meanAccuracy);
}

TEST(StaircaseAnalysis, TheIncrementTradesAdaptationForSpread) {
    const SpeedAnalysis fine = analysed(0.7f, 0.02f);
    const SpeedAnalysis coarse = analysed(0.7f, 0.1f);
    EXPECT_DOUBLE_EQ(hundredths(fine.speedSd), 0.04);
    EXPECT_DOUBLE_EQ(hundredths(coarse.speedSd), 0.10);
    // Started away from the speed it settles at, the finer increment takes longer to get there.
    StaircaseSetup slowStart;
    slowStart.targetAccuracy = 0.7f;
    slowStart.startSpeed = 0.6f;
    slowStart.speedStep = 0.02f;
    const double fineAttempts = analyseStaircase(slowStart, pluginStepTable(0.7f)).attemptsToMostLikely;
    slowStart.speedStep = 0.1f;
    const double coarseAttempts = analyseStaircase(slowStart, pluginStepTable(0.7f)).attemptsToMostLikely;
    EXPECT_GT(fineAttempts, coarseAttempts);
}

// ---- The chain itself ------------------------------------------------------------------------------

TEST(StaircaseAnalysis, StandsOnTheSpeedsThePluginWrites) {
    const SpeedAnalysis analysis = analysed(0.7f);
    float up = 1.0f;
    for (int step = 0; step < 10; ++step)
        up = *nextSpeed(up, 1, 0.05f, 50, 150);
    EXPECT_EQ(up, 1.5f);
    EXPECT_EQ(analysis.speeds.back(), up);
    // Ten steps down reach the lower limit itself, 0.5, and no further.
    float down = 1.0f;
    for (int step = 0; step < 10; ++step)
        down = *nextSpeed(down, -1, 0.05f, 50, 150);
    EXPECT_EQ(down, 0.5f);
    EXPECT_EQ(analysis.speeds.front(), down);
    EXPECT_FALSE(nextSpeed(down, -1, 0.05f, 50, 150));
    EXPECT_EQ(analysis.speeds.size(), 21u);
    EXPECT_EQ(analysis.stationary.size(), analysis.speeds.size());
    EXPECT_EQ(analysis.driftBound, 0.0) << "steps of 0.05 land on their decimals exactly";
}

TEST(StaircaseAnalysis, SolvesToItsToleranceAcrossSettings) {
    for (const float target : {0.05f, 0.3f, 0.55f, 0.75f, 0.95f})
        for (const float increment : {0.001f, 0.013f, 0.2f}) {
            SCOPED_TRACE(testing::Message() << target << " by " << increment);
            const SpeedAnalysis analysis = analysed(target, increment);
            EXPECT_LT(analysis.residual, stationaryTolerance);
            double total = 0.0;
            for (const double chance : analysis.stationary) {
                EXPECT_GE(chance, 0.0);
                total += chance;
            }
            EXPECT_NEAR(total, 1.0, 1e-12);
            EXPECT_LE(analysis.speedP10, analysis.meanSpeed);
            EXPECT_GE(analysis.speedP90, analysis.meanSpeed);
            EXPECT_GE(analysis.attemptsToMostLikely, 0.0);
        }
}

TEST(StaircaseAnalysis, AWrongStepTableGivesAnotherAnswer) {
    StaircaseSetup setup;
    StepTable wrong = pluginStepTable(0.7f);
    wrong[7] = 1; // a window at the target steps up
    const SpeedAnalysis right = analysed(0.7f);
    const SpeedAnalysis off = analyseStaircase(setup, wrong);
    EXPECT_GT(right.meanAccuracy - off.meanAccuracy, 0.02);
    EXPECT_GT(off.meanSpeed, right.meanSpeed);
}

TEST(StaircaseAnalysis, RefusesWhatHasNoLattice) {
    StaircaseSetup setup;
    for (const float step : {0.0f, -0.05f, std::nanf("")}) {
        setup.speedStep = step;
        EXPECT_THROW(analyseStaircase(setup, pluginStepTable(0.7f)), std::invalid_argument);
    }
    setup.speedStep = 0.05f;
    StepTable tooFar = pluginStepTable(0.7f);
    tooFar[10] = 3;
    EXPECT_THROW(analyseStaircase(setup, tooFar), std::invalid_argument);
}

// ---- Against a brute-force solve of a small chain -------------------------------------------------

// The chain of SETUP on the speeds the analysis found, built the plain way: a dense matrix, each
// count's chance from its own binomial, each step taken if the plugin's limits admit where it lands.
std::vector<std::vector<double>> denseChain(const StaircaseSetup& setup, const std::vector<float>& speeds) {
    const std::size_t n = speeds.size();
    std::vector<std::vector<double>> chain(n, std::vector<double>(n, 0.0));
    const sim::PlayerModel player(setup.player, 0);
    for (std::size_t from = 0; from < n; ++from) {
        const double p = player.successChance(speeds[from]);
        for (int successes = 0; successes <= 10; ++successes) {
            const double chance = std::tgamma(11.0) /
                                  (std::tgamma(successes + 1.0) * std::tgamma(11.0 - successes)) *
                                  std::pow(p, successes) * std::pow(1.0 - p, 10 - successes);
            const float landing = steppedSpeed(
                speeds[from], windowSpeedSteps(successes, setup.targetAccuracy), setup.speedStep);
            std::size_t to = from;
            if (withinSpeedLimits(landing, setup.lowestPercent, setup.highestPercent))
                for (std::size_t node = 0; node < n; ++node)
                    if (std::fabs(speeds[node] - landing) < 1e-4) to = node;
            chain[from][to] += chance;
        }
    }
    return chain;
}

TEST(StaircaseAnalysis, AgreesWithABruteForceSolveOfASmallChain) {
    StaircaseSetup setup;
    setup.targetAccuracy = 0.8f;
    setup.lowestPercent = 80;
    setup.highestPercent = 120;
    setup.startSpeed = 1.15f;
    const SpeedAnalysis analysis = analyseStaircase(setup, pluginStepTable(0.8f));
    ASSERT_EQ(analysis.speeds.size(), 9u);
    const auto chain = denseChain(setup, analysis.speeds);
    const std::size_t n = chain.size();

    // The long run by stepping a distribution forward until it stands still.
    std::vector<double> pi(n, 1.0 / static_cast<double>(n));
    for (int round = 0; round < 20000; ++round) {
        std::vector<double> next(n, 0.0);
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j)
                next[j] += pi[i] * chain[i][j];
        pi = next;
    }
    for (std::size_t node = 0; node < n; ++node)
        EXPECT_NEAR(analysis.stationary[node], pi[node], 1e-9) << analysis.speeds[node];

    // The attempts until the most likely speed, by iterating h = 10 + Q h from zero until it settles.
    std::size_t mode = 0;
    std::size_t start = 0;
    for (std::size_t node = 0; node < n; ++node) {
        if (pi[node] > pi[mode]) mode = node;
        if (analysis.speeds[node] == setup.startSpeed) start = node;
    }
    EXPECT_EQ(analysis.mostLikelySpeed, analysis.speeds[mode]);
    ASSERT_NE(start, mode);
    std::vector<double> attempts(n, 0.0);
    for (int round = 0; round < 100000; ++round) {
        std::vector<double> next(n, 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            if (i == mode) continue;
            next[i] = 10.0;
            for (std::size_t j = 0; j < n; ++j)
                next[i] += chain[i][j] * attempts[j];
        }
        attempts = next;
    }
    EXPECT_GT(analysis.attemptsToMostLikely, 10.0);
    EXPECT_NEAR(analysis.attemptsToMostLikely, attempts[start], 1e-6 * attempts[start]);
}

TEST(StaircaseAnalysis, AStartOutsideTheLimitsIsLeftForGood) {
    StaircaseSetup setup;
    setup.lowestPercent = 110; // the start, 1.0, lies below; the first step up of two reaches 1.1
    const SpeedAnalysis analysis = analyseStaircase(setup, pluginStepTable(0.7f));
    ASSERT_EQ(analysis.speeds.front(), 1.0f);
    EXPECT_EQ(analysis.stationary.front(), 0.0);
    EXPECT_GT(analysis.speedP10, 1.09);
    EXPECT_GT(analysis.attemptsToMostLikely, 10.0);
    EXPECT_LT(analysis.residual, stationaryTolerance);
}

// A lattice too long to hold is blamed on what makes it so: a start far outside the limits (a game speed
// of 1e7, where a float cannot even take a step of 0.05, or of 1,000 by 0.001), else the limits.
TEST(StaircaseAnalysis, ALatticeTooLongNamesItsCause) {
    const auto reason = [](const StaircaseSetup& setup) {
        try {
            analyseStaircase(setup, pluginStepTable(0.7f));
        } catch (const std::invalid_argument& error) {
            return std::string(error.what());
        }
        return std::string("no refusal");
    };
    StaircaseSetup farAbove;
    farAbove.startSpeed = 1e7f;
    EXPECT_EQ(reason(farAbove),
              "the start speed, 1e+09%, lies outside the limits, 50% to 150%, more increments "
              "of 0.05 away than the chain can hold");
    farAbove.startSpeed = 1000.0f;
    farAbove.speedStep = 0.001f;
    EXPECT_EQ(reason(farAbove),
              "the start speed, 1e+05%, lies outside the limits, 50% to 150%, more increments "
              "of 0.001 away than the chain can hold");
    StaircaseSetup wide;
    wide.speedStep = 0.00001f;
    wide.lowestPercent = 1;
    wide.highestPercent = 1000;
    EXPECT_EQ(reason(wide), "the limits hold too many speed steps");
}

// ---- The drift at the limits ------------------------------------------------------------------------

// An increment of more than six decimals: one step rounds to the millionth 0.05 apart, a step of two
// increments to one a millionth off, so the plugin's speed may come to lie a millionth below 0.5.
constexpr float offMillionths = 0.0500004f;

TEST(StaircaseAnalysis, MarksTheStepsThatTheDriftDecidesAndNoOthers) {
    // 0.9 keeps the speed low: some steps land on 0.5, whose side of 50 % the drift decides.
    const SpeedAnalysis low = analysed(0.9f, offMillionths);
    ASSERT_FALSE(low.driftSensitiveSpeeds.empty());
    EXPECT_NEAR(low.driftSensitiveSpeeds.front(), 0.5, 2e-6);
    EXPECT_GT(low.driftSensitiveChance, 0.001);
    EXPECT_LT(low.driftSensitiveChance, 0.1);
    // About a thousand millionths: far less than a step, far more than a step's rounding.
    EXPECT_GT(low.driftBound, 1000 * 1e-6);
    EXPECT_LT(low.driftBound, 0.002);

    // Increments of whole millionths land on their decimals: nothing is left to the drift, up to the
    // largest increment within the widest limits. The plugin's own steps, taken at random for many
    // windows, never leave the lattice's speeds.
    for (const float increment : {0.05f, 0.02f, 0.1f, 0.001f, 0.123456f, 0.5f, 0.9f, 0.999f}) {
        const SpeedAnalysis exact = analysed(0.9f, increment);
        EXPECT_EQ(exact.driftBound, 0.0) << increment;
        EXPECT_TRUE(exact.driftSensitiveSpeeds.empty()) << increment;
        StaircaseSetup widest;
        widest.speedStep = increment;
        widest.lowestPercent = 5;
        widest.highestPercent = 200;
        const SpeedAnalysis wide = analyseStaircase(widest, pluginStepTable(0.7f));
        EXPECT_EQ(wide.driftBound, 0.0) << increment;
        float speed = widest.startSpeed;
        std::uint32_t draw = 12345;
        for (int window = 0; window < 20000; ++window) {
            draw = draw * 1664525u + 1013904223u;
            const int step = static_cast<int>(draw >> 29) % 5 - 2;
            if (const std::optional<float> next = nextSpeed(speed, step, increment, 5, 200)) speed = *next;
            ASSERT_NE(std::find(wide.speeds.begin(), wide.speeds.end(), speed), wide.speeds.end())
                << increment << ": " << speed << " after " << window << " windows";
        }
    }

    // Limits between the steps leave nothing to the drift.
    StaircaseSetup between;
    between.targetAccuracy = 0.9f;
    between.speedStep = offMillionths;
    between.lowestPercent = 52;
    between.highestPercent = 148;
    const SpeedAnalysis clear = analyseStaircase(between, pluginStepTable(0.9f));
    EXPECT_GT(clear.driftBound, 0.0);
    EXPECT_TRUE(clear.driftSensitiveSpeeds.empty());
    EXPECT_EQ(clear.driftSensitiveChance, 0.0);
}

TEST(StaircaseAnalysis, ThePluginsOwnWalkStaysWithinTheDriftOfTheLattice) {
    // The plugin's rule on its own speeds, window by window, beside the lattice speed nearest to it: the
    // two stay within the drift bound, and where they would take a step differently the analysis has
    // marked the landing.
    int driftedApart = 0;
    for (const float target : {0.5f, 0.7f, 0.9f})
        for (const float increment : {0.02f, 0.05f, 0.1f, offMillionths, 0.0333333f})
            for (const std::uint64_t seed : {1u, 2u, 3u}) {
                SCOPED_TRACE(testing::Message() << target << " by " << increment << ", seed " << seed);
                StaircaseSetup setup;
                setup.targetAccuracy = target;
                setup.speedStep = increment;
                const SpeedAnalysis analysis = analyseStaircase(setup, pluginStepTable(target));
                sim::PlayerModel player(setup.player, seed);
                float speed = setup.startSpeed;
                for (int window = 0; window < setup.driftWindows; ++window) {
                    float node = analysis.speeds.front();
                    for (const float lattice : analysis.speeds)
                        if (std::fabs(lattice - speed) < std::fabs(node - speed)) node = lattice;
                    ASSERT_LE(std::fabs(static_cast<double>(node) - speed), analysis.driftBound);
                    int successes = 0;
                    for (int attempt = 0; attempt < 10; ++attempt)
                        successes += player.attempt(speed) ? 1 : 0;
                    const int step = windowSpeedSteps(successes, target);
                    const std::optional<float> next =
                        nextSpeed(speed, step, increment, setup.lowestPercent, setup.highestPercent);
                    const std::optional<Landing> latticeLanding = landingOf(node, step, setup);
                    ASSERT_TRUE(latticeLanding);
                    if (next.has_value() != latticeLanding->withinLimits) {
                        // The walks part here, as the analysis warned.
                        EXPECT_NE(std::find(analysis.driftSensitiveSpeeds.begin(),
                                            analysis.driftSensitiveSpeeds.end(), latticeLanding->speed),
                                  analysis.driftSensitiveSpeeds.end());
                        ++driftedApart;
                        break;
                    }
                    if (next) speed = *next;
                }
            }
    // Among these runs some meet a landing the drift decides, so the marking is put to the test.
    EXPECT_GT(driftedApart, 0);
}

// ---- The balance point -----------------------------------------------------------------------------

double binomialTail(double p, int from, int to) {
    double sum = 0.0;
    for (int k = from; k <= to; ++k)
        sum += std::tgamma(11.0) / (std::tgamma(k + 1.0) * std::tgamma(11.0 - k)) * std::pow(p, k) *
               std::pow(1.0 - p, 10 - k);
    return sum;
}

TEST(StaircaseAnalysis, BalancesWhereTheBinomialTailsMeet) {
    // For 0.7, eight successes or more step up and six or fewer step down.
    const StepTable steps = pluginStepTable(0.7f);
    EXPECT_EQ(steps[6], -1);
    EXPECT_EQ(steps[7], 0);
    EXPECT_EQ(steps[8], 1);
    const double balance = analysed(0.7f).balanceAccuracy;
    EXPECT_NEAR(binomialTail(balance, 8, 10), binomialTail(balance, 0, 6), 1e-9);
    EXPECT_GT(binomialTail(balance - 0.01, 0, 6), binomialTail(balance - 0.01, 8, 10));
    EXPECT_LT(binomialTail(balance + 0.01, 0, 6), binomialTail(balance + 0.01, 8, 10));
    EXPECT_NEAR(balance, 0.694, 0.001);
}

// ---- Student's t -----------------------------------------------------------------------------------

constexpr double pi = 3.14159265358979323846;

TEST(StudentT, MatchesTheClosedFormsOfOneAndTwoDegrees) {
    for (const double t : {0.1, 1.0, 3.0, 125.0, 10050.0}) {
        SCOPED_TRACE(t);
        EXPECT_NEAR(studentTwoSidedTail(t, 1), 1.0 - 2.0 / pi * std::atan(t), 1e-15);
        EXPECT_NEAR(studentTwoSidedTail(t, 2), 1.0 - t / std::sqrt(t * t + 2.0), 1e-15);
    }
    EXPECT_EQ(studentTwoSidedTail(0.0, 5), 1.0);
}

TEST(StudentT, GivesThePrintedCriticalValues) {
    struct Row {
        int degrees;
        double tail;
        double t;
    };
    const Row rows[] = {{1, 0.05, 12.7062}, {2, 0.05, 4.3027}, {3, 0.05, 3.1824}, {10, 0.05, 2.2281},
                        {20, 0.05, 2.0860}, {10, 0.01, 3.1693}, {5, 0.001, 6.8688}, {30, 0.001, 3.6460}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.degrees);
        EXPECT_NEAR(studentCriticalValue(row.tail, row.degrees), row.t, 5e-4);
    }
}

TEST(StudentT, TheCriticalValueOfFourNormalErrorsNarrowsTowardsFour) {
    const double tail = std::erfc(4.0 / std::sqrt(2.0));
    EXPECT_NEAR(tail, 6.334e-5, 1e-8);
    EXPECT_NEAR(studentCriticalValue(tail, 1), 1.0 / std::tan(pi * tail / 2.0), 1e-6);
    double wider = HUGE_VAL;
    for (const int degrees : {1, 2, 3, 6, 19, 100, 999}) {
        SCOPED_TRACE(degrees);
        const double critical = studentCriticalValue(tail, degrees);
        EXPECT_NEAR(studentTwoSidedTail(critical, degrees), tail, 1e-9 * tail);
        EXPECT_LT(critical, wider);
        EXPECT_GT(critical, 4.0);
        wider = critical;
    }
    EXPECT_NEAR(wider, 4.017, 0.001);
    EXPECT_THROW(studentCriticalValue(0.0, 3), std::invalid_argument);
    EXPECT_THROW(studentCriticalValue(1.0, 3), std::invalid_argument);
    EXPECT_THROW(studentCriticalValue(0.05, 0), std::invalid_argument);
}

} // namespace
} // namespace kadenzo::study
