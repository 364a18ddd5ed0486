// What the console reads: the words of a line, the lines of a script, and the attempt codes of
// `attempts`.
//
// Index of this file:
// - Words
// - Script lines
// - Attempt codes
#include "console/console.h"
#include "console/script_reader.h"
#include "game/attempt_codes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
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

} // namespace
