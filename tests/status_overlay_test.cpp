// The status overlay: anchors, line positions, values and the canvas calls of one frame.
//
// Index of this file:
// - Layout arithmetic
// - One frame
#include "plugin_fixture.h"

#include "status_overlay.h"

#include <cmath>
#include <limits>

namespace {

using status_overlay::Anchors;
using status_overlay::computeAnchors;

// ---- Layout arithmetic -------------------------------------------------------------------------

TEST(OverlayAnchors, FollowTheCanvasSize) {
    const Anchors large = computeAnchors(Vector2{1920, 1080});
    EXPECT_EQ(large.x0, 1200);
    EXPECT_EQ(large.shift, 360);
    EXPECT_EQ(large.y0, 108);
    const Anchors small = computeAnchors(Vector2{1280, 720});
    EXPECT_EQ(small.x0, 800);
    EXPECT_EQ(small.shift, 240);
    EXPECT_EQ(small.y0, 72);
    const Anchors narrow = computeAnchors(Vector2{571, 400});
    EXPECT_EQ(narrow.x0, 0);
    EXPECT_EQ(narrow.shift, 285);
    EXPECT_EQ(computeAnchors(Vector2{572, 400}).x0, 400);
}

TEST(OverlayValues, TruncationIsDefinedForEveryFloat) {
    EXPECT_EQ(status_overlay::truncateToInt(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(status_overlay::truncateToInt(std::numeric_limits<float>::infinity()), 2147483647);
    EXPECT_EQ(status_overlay::truncateToInt(-std::numeric_limits<float>::infinity()), -2147483647 - 1);
    EXPECT_EQ(status_overlay::truncateToInt(3e9f), 2147483647);
    EXPECT_EQ(status_overlay::truncateToInt(-3e9f), -2147483647 - 1);
    EXPECT_EQ(status_overlay::truncateToInt(2147483520.0f), 2147483520);
    EXPECT_EQ(status_overlay::truncateToInt(-2147483648.0f), -2147483647 - 1);
    EXPECT_EQ(status_overlay::truncateToInt(-0.9f), 0);
    EXPECT_EQ(status_overlay::truncateToInt(99.99f), 99);
}

TEST(OverlayValues, PercentageCannotOverflow) {
    EXPECT_EQ(status_overlay::percentOf(2, 3), 66);
    EXPECT_EQ(status_overlay::percentOf(0, 0), 0);
    EXPECT_EQ(status_overlay::percentOf(16, 25), 64);
    // 30 million successes times 100 does not fit in 32 bits.
    EXPECT_EQ(status_overlay::percentOf(30'000'000, 40'000'000), 75);
    EXPECT_EQ(status_overlay::percentOf(2'147'483'647, 2'147'483'647), 100);
}

// ---- One frame ---------------------------------------------------------------------------------

class StatusOverlay : public PluginFixture {
protected:
    // Draws one frame and returns its trace (canvas calls only).
    std::vector<std::string> frame(Vector2 size = Vector2{1920, 1080}) {
        takeTrace();
        canvas = std::make_unique<halvex::host::Canvas>(host, size);
        host.renderFrame(*canvas);
        return takeTrace();
    }

    // The position and text of each drawn string.
    std::vector<std::string> drawn() const {
        std::vector<std::string> lines;
        for (const auto& text : canvas->texts())
            lines.push_back(std::to_string(text.position.X) + "," + std::to_string(text.position.Y) + " " +
                            text.text);
        return lines;
    }

    // The text of the index-th drawn string, without its position.
    std::string textOf(std::size_t index) const { return canvas->texts().at(index).text; }

    std::unique_ptr<halvex::host::Canvas> canvas;
};

TEST_F(StatusOverlay, WorkedExampleComesOutToThePixel) {
    startTraining();
    // 25 attempts, 16 of them successes, ending in a miss; the first two windows give 7 of 10, so
    // the previous accuracy is 70 and the speed stays at 100.
    play("GGGGGGGXXX"
         "GGGGGGGXXX"
         "GGXXX");
    ASSERT_EQ(plugin->totalShots, 25);
    ASSERT_EQ(plugin->totalSuccesses, 16);
    frame();
    EXPECT_EQ(drawn(), (std::vector<std::string>{
                           "1494,48 Streak: 0",
                           "1494,68 *",
                           "1509,68 *",
                           "1524,68 *",
                           "1539,68 *",
                           "1554,68 *",
                           "1569,68 *",
                           "1584,68 *",
                           "1599,68 *",
                           "1614,68 *",
                           "1629,68 *",
                           "1434,88 Game speed: 100%",
                           "1383,108 Previous Accuracy: 70%",
                           "1443,128 Total Shots: 25",
                           "1409,148 Total Accuracy: 64%",
                           "1332,168 Last 100 Shots Accuracy: 64%",
                       }));
}

TEST_F(StatusOverlay, CanvasCallsOfOneFrameInOrder) {
    startTraining();
    play("GX");
    const std::vector<std::string> lines = frame(Vector2{1280, 720});
    ASSERT_EQ(lines.size(), 3u + 30u + 5u * 3u);
    EXPECT_EQ(lines[0], "canvas SetColor 255 255 255 255");
    EXPECT_EQ(lines[1], "canvas SetPosition 974 12");
    EXPECT_EQ(lines[2], "canvas DrawString \"Streak: 0\" 1 1");
    EXPECT_EQ(lines[3], "canvas SetColor 0 255 0 255");
    EXPECT_EQ(lines[4], "canvas SetPosition 974 32");
    EXPECT_EQ(lines[5], "canvas DrawString \"*\" 1.5 1.5");
    EXPECT_EQ(lines[6], "canvas SetColor 255 0 0 255");
    EXPECT_EQ(lines[9], "canvas SetColor 255 255 255 255");
    EXPECT_EQ(lines[33], "canvas SetColor 255 255 255 255");
    EXPECT_EQ(lines[35], "canvas DrawString \"Game speed: 100%\" 1 1");
}

TEST_F(StatusOverlay, HiddenItemsCloseUpButAreStillPositioned) {
    startTraining();
    set("showCurrStreak", "0");
    set("showGameSpeed", "0");
    const std::vector<std::string> lines = frame();
    EXPECT_EQ(lines.size(), 2u + 30u + 2u + 4u * 3u);
    const std::vector<std::string> texts = drawn();
    ASSERT_EQ(texts.size(), 14u);
    EXPECT_EQ(texts[0], "1494,48 *") << "markers take the streak's place, at the streak's x";
    EXPECT_EQ(texts[10], "1392,68 Previous Accuracy: 0%");
    EXPECT_EQ(texts[13], "1341,128 Last 100 Shots Accuracy: 0%");
}

TEST_F(StatusOverlay, EverythingHiddenDrawsNothingButStillSetsColoursAndPositions) {
    startTraining();
    for (const char* name : {"showCurrStreak", "showStatus", "showGameSpeed", "showPrevAccu",
                             "showTotalCount", "showtotalAccu", "showLastShotsAccu"})
        set(name, "0");
    const std::vector<std::string> lines = frame();
    EXPECT_EQ(lines.size(), 2u * 16u);
    EXPECT_TRUE(canvas->texts().empty());
}

TEST_F(StatusOverlay, NoCanvasCallOutsideTheGuard) {
    EXPECT_TRUE(frame().empty()) << "no drawable before the first pack";
    startTraining();
    host.setInCustomTraining(false);
    EXPECT_TRUE(frame().empty());
    host.setInCustomTraining(true);
    set("slowMoEnabled", "0");
    EXPECT_TRUE(frame().empty());
    set("slowMoEnabled", "1");
    EXPECT_FALSE(frame().empty());
}

TEST_F(StatusOverlay, MarkersMoveLeftWhenTheStreakReachesTen) {
    startTraining();
    play("GGGGGGGGG");
    frame();
    EXPECT_EQ(drawn()[1], "1494,68 *");
    play("G");
    frame();
    EXPECT_EQ(drawn()[0], "1485,48 Streak: 10");
    EXPECT_EQ(drawn()[1], "1485,68 *");
}

TEST_F(StatusOverlay, NarrowCanvasEndsLinesNearTheMiddle) {
    startTraining();
    frame(Vector2{500, 300});
    // x0 is 0 and shift 250: "Streak: 0" (offset 66) starts at -66 + 250.
    EXPECT_EQ(drawn()[0], "184,-30 Streak: 0");
}

TEST_F(StatusOverlay, AccuracyLines) {
    startTraining();
    frame();
    EXPECT_EQ(drawn()[14], "1417,148 Total Accuracy: 0%");
    play("XGG");
    frame();
    EXPECT_EQ(textOf(14), "Total Accuracy: 66%");
    EXPECT_EQ(textOf(15), "Last 100 Shots Accuracy: 66%");
    play(std::string(97, 'X'));
    frame();
    EXPECT_EQ(textOf(15), "Last 100 Shots Accuracy: 2%") << "100 attempts: still the total";
    play("G");
    frame();
    EXPECT_EQ(textOf(14), "Total Accuracy: 2%");
    EXPECT_EQ(textOf(15), "Last 100 Shots Accuracy: 3%") << "the 101st attempt replaced a miss";
}

// The speed shows in whole percent of its millionths, truncated: the float nearest 1.05 (1.04999995)
// is 105 %, not 104 %, while 0.899 is 89 %.
TEST_F(StatusOverlay, TheSpeedShowsAsTheDecimalItStandsFor) {
    startTraining();
    for (const auto& [speed, shown] : std::vector<std::pair<const char*, const char*>>{
             {"1.05", "105"}, {"0.9", "90"}, {"0.899", "89"}, {"0.8999998", "90"}, {"0.53", "53"},
             {"0.59", "59"}, {"1.17", "117"}, {"1.18", "118"}, {"0.5", "50"}, {"1999999", "199999900"},
             {"2e7", "2000000000"}}) {
        set("sv_soccar_gamespeed", speed);
        frame();
        EXPECT_EQ(textOf(11), std::string("Game speed: ") + shown + "%") << speed;
    }
}

// The host takes no speed that is not finite and above 0; truncateToInt's own test covers the rest.
TEST_F(StatusOverlay, ASpeedBeyondTheIntegerRangeShowsItsEnd) {
    startTraining();
    set("sv_soccar_gamespeed", "1e30");
    frame();
    EXPECT_EQ(textOf(11), "Game speed: 2147483647%");
}

} // namespace
