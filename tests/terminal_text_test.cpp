// The text kadenzo-sim shows of what came from outside (platform/terminal_text.h): control characters
// and bytes that are no UTF-8 as \xNN, everything else as it is, and shown text shown again unchanged.
//
// Index of this file:
// - Single bytes
// - UTF-8
// - Shown again
#include "platform/terminal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kadenzo::platform::escapedBytes;
using kadenzo::platform::terminalText;
using kadenzo::platform::validUtf8;

// ---- Single bytes ------------------------------------------------------------------------------

TEST(TerminalText, EveryControlByteAndEveryByteOfNoSequenceIsShownAsUpperCaseHex) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const bool printable = value >= 0x20 && value < 0x7F;
        EXPECT_EQ(terminalText(byte), printable ? byte : escapedBytes(byte)) << "byte " << value;
    }
    EXPECT_EQ(terminalText("\x1b[31mred\x07\t\n\r\x7f"), "\\x1B[31mred\\x07\\x09\\x0A\\x0D\\x7F");
    EXPECT_EQ(escapedBytes(std::string("\x00\xab\xff", 3)), "\\x00\\xAB\\xFF");
}

TEST(TerminalText, ANulInTheMiddleIsShownAndTheRestKept) {
    EXPECT_EQ(terminalText(std::string("before\0after", 12)), "before\\x00after");
}

// ---- UTF-8 -------------------------------------------------------------------------------------

TEST(TerminalText, ValidUtf8PassesButTheC1ControlsWhichAreShownByteForByte) {
    const std::string text = "plain \xc3\xbc \xe2\x82\xac \xf0\x9f\x98\x80 \xc2\xa0";
    EXPECT_EQ(terminalText(text), text);
    EXPECT_EQ(terminalText("\xc2\x80 \xc2\x85 \xc2\x9b[2J \xc2\x9f"),
              "\\xC2\\x80 \\xC2\\x85 \\xC2\\x9B[2J \\xC2\\x9F");
}

TEST(TerminalText, BytesOfNoValidSequenceAreShownOneByOneWhetherOrNotControlsAre) {
    struct Case {
        std::string bytes;
        std::string shown;
    };
    const Case cases[] = {
        {"\xff\xc3", "\\xFF\\xC3"},                   // a byte no sequence starts with; a cut sequence
        {"\xc0\xaf", "\\xC0\\xAF"},                   // an overlong '/'
        {"\xe0\x80\xaf", "\\xE0\\x80\\xAF"},          // an overlong three-byte '/'
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},          // a surrogate
        {"\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"}, // past U+10FFFF
        {"\xe2\x82", "\\xE2\\x82"},                   // cut at the end
        {"\xe2\x82x", "\\xE2\\x82x"},                 // cut by an ASCII byte
    };
    for (const auto& [bytes, shown] : cases) {
        EXPECT_EQ(validUtf8(bytes), shown);
        EXPECT_EQ(terminalText(bytes), shown);
    }
    // validUtf8 keeps control characters, which XML and JSON write in their own ways.
    EXPECT_EQ(validUtf8("tab\t\x1b \xc2\x9b \xff"), "tab\t\x1b \xc2\x9b \\xFF");
}

// ---- Shown again -------------------------------------------------------------------------------

TEST(TerminalText, ShownTextShownAgainIsTheSameAndABackslashStaysAsItIs) {
    const std::string hostile = std::string("C:\\plugins\\\x1b]0;title\x07 \xc2\x9b \xff\xfe \0 \\x1B", 34);
    const std::string shown = terminalText(hostile);
    EXPECT_EQ(shown, "C:\\plugins\\\\x1B]0;title\\x07 \\xC2\\x9B \\xFF\\xFE \\x00 \\x1B");
    EXPECT_EQ(terminalText(shown), shown);
    EXPECT_EQ(validUtf8(shown), shown);
}

} // namespace
