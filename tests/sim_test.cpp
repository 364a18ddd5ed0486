// The simulator's own logic: console words, attempt codes, play options, the player model and a
// whole session against the real plugin module.
//
// Index of this file:
// - Console words
// - Play options
// - Player model
// - A whole session
// - Pictures
#include "built_modules.h"
#include "console/console.h"
#include "error_message.h"
#include "output_test_support.h"
#include "play/play_session.h"
#include "play/player_model.h"

#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>

namespace {

using namespace kadenzo::sim;
using test::builtPlugin;

// ---- Console words -----------------------------------------------------------------------------

TEST(ConsoleWords, BlanksSeparateQuotesGroupHashEndsTheLine) {
    EXPECT_EQ(splitWords("  idealAccuracy\t0.8  "), (std::vector<std::string>{"idealAccuracy", "0.8"}));
    EXPECT_EQ(splitWords("screenshot \"my pictures/a b.png\" # later"),
              (std::vector<std::string>{"screenshot", "my pictures/a b.png"}));
    EXPECT_EQ(splitWords("say \"#1\""), (std::vector<std::string>{"say", "#1"}));
    EXPECT_TRUE(splitWords("   # only a comment").empty());
    EXPECT_EQ(splitWords("\"\""), (std::vector<std::string>{""}));
    EXPECT_THROW(splitWords("screenshot \"open"), ConsoleError);
}

// A script's lines, as the console reads them from a file.
class ScriptLines : public ::testing::Test {
protected:
    std::vector<std::string> read(const std::string& content) {
        file.reset(std::tmpfile());
        std::fwrite(content.data(), 1, content.size(), file.get());
        std::rewind(file.get());
        ScriptReader reader(file.get(), "test.kz");
        std::vector<std::string> lines;
        std::string line;
        while (reader.next(line))
            lines.push_back(line);
        return lines;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{nullptr, &std::fclose};
};

TEST_F(ScriptLines, AByteOrderMarkIsSkippedOnlyAtTheStart) {
    const std::string mark = "\xEF\xBB\xBF";
    EXPECT_EQ(read(mark + "cvars\n" + mark + "help"), (std::vector<std::string>{"cvars", mark + "help"}));
    EXPECT_EQ(read("a\r\n\nb"), (std::vector<std::string>{"a\r", "", "b"}));
}

TEST_F(ScriptLines, ALineTooLongIsRefusedAndReadingCanGoOnAfterIt) {
    const std::string longest(ScriptReader::longestLine, 'x');
    EXPECT_EQ(read(longest + "\n").front().size(), ScriptReader::longestLine);
    EXPECT_THROW(read(longest + "y\nnext\n"), ConsoleError);
    ScriptReader reader(file.get(), "test.kz");
    std::rewind(file.get());
    std::string line;
    EXPECT_THROW(reader.next(line), ConsoleError);
    EXPECT_EQ(reader.lineNumber(), 1);
    reader.skipRestOfLine();
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "next");
    EXPECT_EQ(reader.lineNumber(), 2);
}

TEST(AttemptCodes, NamesTheFirstBadCharacter) {
    EXPECT_FALSE(firstInvalidAttemptCode("GTXNE"));
    EXPECT_EQ(firstInvalidAttemptCode("GGgX"), 2u);
    EXPECT_EQ(firstInvalidAttemptCode(" G"), 0u);
}

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
    EXPECT_EQ(optionErrorOf({"--seed"}), "--seed needs a value");
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
    const SessionResult result = playSession(
        simulator, options, [&reported](std::size_t index, const TenAttemptWindow&) { reported = index; });
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
    EXPECT_THROW(playSession(simulator, options, nullptr), ConsoleError);
    EXPECT_EQ(simulator.host.variables().find("idealAccuracy")->text(), "0.7") << "nothing was applied";
    EXPECT_FALSE(simulator.host.inCustomTraining());
}

// ---- Pictures ----------------------------------------------------------------------------------

namespace pictures_test {

TEST(Screenshot, MarkersAppearInTheirWindowColours) {
    Simulator simulator;
    loadPlugin(simulator, builtPlugin());
    Console console(simulator, std::cout);
    for (const char* line :
         {"slowMoEnabled 1", "training on", "loadround", "restart", "attempts GX", "frame"})
        console.execute(line);
    const std::string path = ::testing::TempDir() + "kadenzo-screenshot-test.png";
    console.execute("screenshot " + path);
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
    ASSERT_TRUE(pixels);
    ASSERT_EQ(width, 1920);
    ASSERT_EQ(height, 1080);
    // Count strongly green and strongly red pixels in each marker's cell (x from 1494, 15 apart, y 68).
    const auto countIn = [&](int x0, auto predicate) {
        int count = 0;
        for (int y = 66; y < 95; ++y)
            for (int x = x0; x < x0 + 15; ++x) {
                const unsigned char* p = pixels + 4 * (y * width + x);
                count += predicate(p[0], p[1], p[2]) ? 1 : 0;
            }
        return count;
    };
    const auto green = [](int r, int g, int b) { return g > 150 && r < 80 && b < 80; };
    const auto red = [](int r, int g, int b) { return r > 150 && g < 80 && b < 80; };
    EXPECT_GT(countIn(1494, green), 3);
    EXPECT_EQ(countIn(1494, red), 0);
    EXPECT_GT(countIn(1509, red), 3);
    EXPECT_EQ(countIn(1524, green) + countIn(1524, red), 0) << "an attempt not yet taken is white";
    stbi_image_free(pixels);
    std::remove(path.c_str());
}

} // namespace pictures_test

} // namespace
