// The patterns of validate --include and --exclude: they match as ECMAScript's regular expressions do
// (std::regex is the judge, on patterns it handles quickly), they refuse what they do not support naming
// the cause and its position, and no pattern makes a match take long.
//
// Index of this file:
// - Matches as ECMAScript's
// - Refusals
// - Patterns that make a backtracking matcher hang
#include "validate/check_pattern.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

using kadenzo::validate::CheckPattern;
using kadenzo::validate::PatternError;

std::string refusalOf(const std::string& pattern) {
    try {
        CheckPattern{pattern};
    } catch (const PatternError& error) {
        return error.what();
    }
    return "(accepted)";
}

// ---- Matches as ECMAScript's -----------------------------------------------------------------------

const std::vector<std::string> names{
    "",
    "record.layout",
    "entry.getplugin-once",
    "entry.deleteme-idempotent",
    "lifecycle.random-events",
    "budget.overlay-frame",
    "windows.input-and-overlay",
    "a_b c\td9",
    "aaaa",
    "ab{2}",
    "x-y]z",
};

const std::vector<std::string> patterns{
    "",
    "record",
    "^entry\\.",
    "events$",
    "^$",
    ".",
    "^.$",
    "e.t",
    "[aeiou]{3}",
    "[^a-z.]",
    "[a-c-]",
    "[\\]x]",
    "[\\d.]",
    "\\d",
    "\\D+",
    "\\w+\\.\\w+",
    "\\W",
    "\\s",
    "\\S*",
    "\\bo",
    "o\\b",
    "\\Bay",
    "(entry|record)\\.",
    "(?:a|b)+",
    "^(a|aa)*$",
    "a{2}",
    "a{2,}",
    "a{1,3}b",
    "a{0}",
    "a{4,4}$",
    "a*?",
    "a+?$",
    "(ab)?c",
    "x?y?z?",
    "\\x61{4}",
    "\\{2\\}",
    "a|",
    "|b",
    "()",
    "(|x)y",
    "^(?:(a)|b)*$",
    "\\t",
    "[\\t]d",
    "[-a]",
    "ab{2}",
    "lay|out$",
    "^.*-.*-.*$",
    "[^\\s\\d]+$",
    "\\.\\-",
    "a\\/b",
};

TEST(CheckPattern, FindsWhatEcmaScriptFindsAnywhereInTheName) {
    for (const std::string& pattern : patterns) {
        const CheckPattern compiled(pattern);
        const std::regex judge(pattern, std::regex::ECMAScript);
        for (const std::string& name : names)
            EXPECT_EQ(compiled.foundIn(name), std::regex_search(name, judge))
                << "pattern \"" << pattern << "\" in \"" << name << "\"";
    }
}

// Where the standard libraries' std::regex disagree with ECMAScript (an empty class is refused by one),
// ECMAScript's own answer.
TEST(CheckPattern, EmptyClassesAndLoneClosingBracketsAreAsInEcmaScript) {
    EXPECT_FALSE(CheckPattern("[]").foundIn("record.layout"));
    EXPECT_TRUE(CheckPattern("[^]").foundIn("r"));
    EXPECT_FALSE(CheckPattern("[^]").foundIn(""));
    EXPECT_TRUE(CheckPattern("]").foundIn("x-y]z"));
    EXPECT_TRUE(CheckPattern("}").foundIn("ab{2}"));
    EXPECT_TRUE(CheckPattern("[\\b]").foundIn("a\bb"));
    EXPECT_FALSE(CheckPattern("[\\b]").foundIn("ab"));
}

TEST(CheckPattern, CountsUpToTheLargestAreSpelledOut) {
    EXPECT_TRUE(CheckPattern("^a{1000}$").foundIn(std::string(1000, 'a')));
    EXPECT_FALSE(CheckPattern("^a{1000}$").foundIn(std::string(999, 'a')));
    EXPECT_TRUE(CheckPattern("^(ab){2,3}$").foundIn("ababab"));
    EXPECT_FALSE(CheckPattern("^(ab){2,3}$").foundIn("abababab"));
}

// ---- Refusals --------------------------------------------------------------------------------------

TEST(CheckPattern, RefusalsNameTheCauseAndItsPosition) {
    const struct {
        const char* pattern;
        const char* message;
    } cases[] = {
        {"*", "'*' at position 1 has nothing to repeat"},
        {"+a", "'+' at position 1 has nothing to repeat"},
        {"a|?", "'?' at position 3 has nothing to repeat"},
        {"(*)", "'*' at position 2 has nothing to repeat"},
        {"a**", "'*' at position 3 has nothing to repeat: it follows another repeat"},
        {"^*", "'*' at position 2 repeats the anchor '^', which matches no character"},
        {"\\b+", "'+' at position 3 repeats the anchor '\\b', which matches no character"},
        {"{2}", "'{' at position 1 has nothing to repeat"},
        {"a{", "'{' at position 2 opens a count that is not {m}, {m,} or {m,n} (write \\{ for a brace)"},
        {"a{x}", "'{' at position 2 opens a count that is not {m}, {m,} or {m,n} (write \\{ for a brace)"},
        {"a{1,2", "'{' at position 2 opens a count that is not {m}, {m,} or {m,n} (write \\{ for a brace)"},
        {"a{3,2}", "the count {3,2} at position 2 has its largest below its smallest"},
        {"a{1001}", "the count 1001 at position 2 is above the largest allowed, 1000"},
        {"a{4294967296}", "the count 4294967296 at position 2 is above the largest allowed, 1000"},
        {"a{1,18446744073709551617}",
         "the count 18446744073709551617 at position 2 is above the largest allowed, 1000"},
        {"(a", "'(' at position 1 is never closed"},
        {"a)", "')' at position 2 closes no group"},
        {"[ab", "'[' at position 1 is never closed"},
        {"[a\\", "'[' at position 1 is never closed"},
        {"[z-a]", "the range 'z-a' at position 2 runs backwards"},
        {"[\\d-z]", "the range '\\d-z' at position 2 has a class at one end"},
        {"(a)\\1", "the back reference '\\1' at position 4 is not supported"},
        {"(?=a)", "'(?=' at position 1 is not supported: only plain groups (...) and (?:...) are"},
        {"(?!a)", "'(?!' at position 1 is not supported: only plain groups (...) and (?:...) are"},
        {"(?<n>a)", "'(?<' at position 1 is not supported: only plain groups (...) and (?:...) are"},
        {"\\q", "the escape '\\q' at position 1 is not supported"},
        {"\\u0041", "the escape '\\u' at position 1 is not supported"},
        {"\\x4", "'\\x' at position 1 needs two hexadecimal digits"},
        {"\\01", "'\\01' at position 1 is not supported"},
        {"a\\\x01", "the escape of '\\x01' at position 2 is not supported"},
        {"ab\\", "'\\' at position 3 ends the pattern and escapes nothing"},
        {"[\xc3\xbc]", "'\\xC3' at position 2 is not ASCII; classes hold ASCII characters only"},
    };
    for (const auto& example : cases)
        EXPECT_EQ(refusalOf(example.pattern), example.message) << example.pattern;
}

TEST(CheckPattern, PatternsThatSpellOutTooMuchAreRefused) {
    EXPECT_EQ(refusalOf("(a{1000}){1000}"),
              "the pattern is too large: its counts spell out more than 100000 steps");
    EXPECT_EQ(refusalOf(std::string(101, '(') + std::string(101, ')')),
              "'(' at position 101 nests groups deeper than 100");
    EXPECT_EQ(refusalOf(std::string(100, '(') + "a" + std::string(100, ')')), "(accepted)");
}

// ---- Patterns that make a backtracking matcher hang ------------------------------------------------

// No time is measured: the test would not end within CTest's time limit were any of them exponential.
TEST(CheckPattern, NestedRepeatsFinishOnLongNames) {
    const std::string longName = std::string(5000, 'a') + "!";
    for (const char* pattern : {"(.*)*x$", "(.+)+\\d", "(a*)*b", "(a|a)*c", "(a|aa)+$", "^(a+)+$",
                                "(?:a?){1000}a{1000}$", "((a{1,10}){1,10}){1,10}z"})
        EXPECT_FALSE(CheckPattern(pattern).foundIn(longName)) << pattern;
    EXPECT_TRUE(CheckPattern("^(a+)+!$").foundIn(longName));
}

} // namespace
