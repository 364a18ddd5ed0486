// What a play session leaves behind: its summary and chart whatever the game speed held, the counts
// and windows it keeps in bounded memory, and the CSV it writes.
//
// Index of this file:
// - Summary
// - Chart
// - Windows kept for the chart
// - Files
#include "built_modules.h"
#include "output_test_support.h"
#include "play/play_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <variant>

namespace {

using namespace kadenzo::sim;
using test::builtPlugin;

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

TEST(SpeedChart, AThinnedChartStillCountsEveryWindow) {
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

// ---- Windows kept for the chart ----------------------------------------------------------------

TEST(TenAttemptWindows, KeepsEveryWindowWhileTheyFitThenAnEvenlySpacedSet) {
    TenAttemptWindows windows;
    for (std::size_t window = 0; window < TenAttemptWindows::capacity - 1; ++window)
        windows.add(TenAttemptWindow{0, static_cast<float>(window), 0.0f});
    EXPECT_EQ(windows.kept().size(), TenAttemptWindows::capacity - 1);
    EXPECT_EQ(windows.stride(), 1u);

    for (std::size_t window = TenAttemptWindows::capacity - 1; window < 1'000'000; ++window)
        windows.add(TenAttemptWindow{0, static_cast<float>(window), 0.0f});
    EXPECT_EQ(windows.total(), 1'000'000u);
    EXPECT_LT(windows.kept().size(), TenAttemptWindows::capacity);
    EXPECT_GE(windows.kept().size() * windows.stride(), 1'000'000u - windows.stride());
    for (std::size_t index = 0; index < windows.kept().size(); ++index)
        ASSERT_EQ(windows.kept()[index].speedDuring, static_cast<float>(index * windows.stride())) << index;
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

TEST_F(PlayFiles, ASessionThatFailsLeavesNoFile) {
    EXPECT_EQ(play({"--csv", path("session.csv"), "--set", "nosuchvariable=1"}), 2);
    EXPECT_EQ(entries(), std::vector<std::string>{});
}

TEST_F(PlayFiles, ACsvOnStandardOutputSendsTheReportToStandardError) {
    ASSERT_EQ(play({"--attempts", "20", "--seed", "3", "--csv", "-"}), 0) << err.str();
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "attempt,outcome,speed");
    EXPECT_EQ(lineCount(out.str()), 21u);
    EXPECT_EQ(err.str().rfind("window    1", 0), 0u) << err.str();
    EXPECT_NE(err.str().find("attempts             20\n"), std::string::npos);
    EXPECT_EQ(entries(), std::vector<std::string>{});
}

} // namespace
