// What the console reads: the words of a line, the lines of a script, and the attempt codes of
// `attempts`; and how it shows the control bytes of what it repeats.
//
// Index of this file:
// - Words
// - Script lines
// - Attempt codes
// - Control bytes shown
#include "console/console.h"
#include "console/script_reader.h"
#include "game/attempt_codes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::sim;

// ---- Words -------------------------------------------------------------------------------------

TEST(ConsoleWords, BlanksSeparateQuotesGroupHashEndsTheLine) {
    EXPECT_EQ(splitWords("  idealAccuracy\t0.8  "), (std::vector<std::string>{"idealAccuracy", "0.8"}));
    EXPECT_EQ(splitWords("screenshot \"my pictures/a b.png\" # later"),
              (std::vector<std::string>{"screenshot", "my pictures/a b.png"}));
    EXPECT_EQ(splitWords("say \"#1\""), (std::vector<std::string>{"say", "#1"}));
    EXPECT_TRUE(splitWords("   # only a comment").empty());
    EXPECT_EQ(splitWords("\"\""), (std::vector<std::string>{""}));
    EXPECT_THROW(splitWords("screenshot \"open"), ConsoleError);
}

// ---- Script lines ------------------------------------------------------------------------------

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

// ---- Attempt codes -----------------------------------------------------------------------------

TEST(AttemptCodes, NamesTheFirstBadCharacter) {
    EXPECT_FALSE(firstInvalidAttemptCode("GTXNE"));
    EXPECT_EQ(firstInvalidAttemptCode("GGgX"), 2u);
    EXPECT_EQ(firstInvalidAttemptCode(" G"), 0u);
}

// ---- Control bytes shown -----------------------------------------------------------------------

// A plugin's variable with control bytes in its name and description, as the console lists it and shows it.
TEST(ConsoleControlBytes, APluginsTextIsShownWithItsControlBytesEscaped) {
    Simulator simulator;
    simulator.host.variables().add("bell\x07", "1", "clears \x1b[2J", halvex::host::VariableRange{});
    std::ostringstream out;
    Console console(simulator, out);
    console.execute("cvars");
    console.execute("bell\x07");
    const std::string shown = "\n" + out.str();
    EXPECT_NE(shown.find("\nbell\\x07 = 1  default \"1\"  range none  \"clears \\x1B[2J\"\n"),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("\nbell\\x07 = 1\n"), std::string::npos) << shown;
    EXPECT_EQ(shown.find_first_of("\x07\x1b"), std::string::npos) << shown;
}

// A line refused by a person at the console and by a script: the error line and the script's FILE:LINE
// prefix show the control bytes of the line and of the script's name as \xNN.
TEST(ConsoleControlBytes, TheErrorLineAndTheScriptsPlaceShowTheirControlBytesEscaped) {
    for (const bool interactive : {true, false}) {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
        const std::string text = "\x1b[31m\n";
        std::fwrite(text.data(), 1, text.size(), file.get());
        std::rewind(file.get());
        Simulator simulator;
        std::ostringstream out;
        std::ostringstream err;
        Console console(simulator, out);
        ScriptReader reader(file.get(), "script\x1b]0;title\x07.kz");
        EXPECT_EQ(runConsole(console, reader, interactive, out, err), interactive ? 0 : 2);
        const std::string refusal = "unknown command or variable \"\\x1B[31m\" (try \"help\" or \"cvars\")\n";
        EXPECT_EQ(err.str(), interactive ? "error: " + refusal : "script\\x1B]0;title\\x07.kz:1: " + refusal);
    }
}

} // namespace
