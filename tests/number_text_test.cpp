// The text of a floating-point number (text/number_text.h): the shortest that reads back the same, with
// no ".0", as the console, the traces, the tables and the messages show numbers.
//
// Index of this file:
// - Doubles
// - Floats
// - In a format string
#include "number_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <type_traits>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using kadenzo::shortest;
using kadenzo::shortestText;

template <typename Number>
Number readBack(const std::string& text) {
    // strtod, not from_chars, which the Windows runtime cannot link for floating point.
    char* end = nullptr;
    Number value{};
    if constexpr (std::is_same_v<Number, float>)
        value = std::strtof(text.c_str(), &end);
    else
        value = std::strtod(text.c_str(), &end);
    EXPECT_EQ(end, text.c_str() + text.size()) << text << " is not read whole";
    return value;
}

// ---- Doubles -----------------------------------------------------------------------------------

TEST(NumberText, AWholeDoubleHasNoPointZeroAndLargeOrSmallOnesAnExponent) {
    const std::vector<std::pair<double, std::string>> written = {
        {100.0, "100"},
        {-0.0, "-0"},
        {0.5, "0.5"},
        {100.1, "100.1"},
        {1e15, "1000000000000000"},
        {1e16, "1e+16"},
        {0.0001, "0.0001"},
        {1e-5, "1e-05"},
        {0.1 + 0.2, "0.30000000000000004"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {std::numeric_limits<double>::denorm_min(), "5e-324"},
    };
    for (const auto& [value, text] : written) {
        EXPECT_EQ(shortestText(value), text);
        EXPECT_EQ(readBack<double>(text), value) << text << " reads back as the same double";
    }
    EXPECT_EQ(shortestText(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(shortestText(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(shortestText(std::numeric_limits<double>::quiet_NaN()), "nan");
}

// ---- Floats ------------------------------------------------------------------------------------

TEST(NumberText, AFloatHasTheFewestDigitsThatReadBackAsTheSameFloat) {
    const std::vector<std::pair<float, std::string>> written = {
        {1.05f, "1.05"},
        {100.0f, "100"},
        {0.1f, "0.1"},
        {1975.21875f, "1975.2188"}, // exact in nine digits, but eight read back
        {16777216.0f, "16777216"},
        {2147483520.0f, "2147483500"},
        {3.4028235e38f, "3.4028235e+38"},
        {1e-45f, "1e-45"},
        // Powers of two, whose floats lie closer below than above: the nearest decimal of eight
        // digits misses them, the next one up reads back.
        {std::ldexp(1.0f, 87), "1.5474251e+26"},
        {std::ldexp(1.0f, 90), "1.2379401e+27"},
        {std::ldexp(1.0f, -96), "1.2621775e-29"},
    };
    for (const auto& [value, text] : written) {
        EXPECT_EQ(shortestText(value), text);
        EXPECT_EQ(readBack<float>(text), value) << text << " reads back as the same float";
    }
    EXPECT_EQ(shortestText(std::numeric_limits<float>::infinity()), "inf");
    EXPECT_EQ(shortestText(std::numeric_limits<float>::quiet_NaN()), "nan");
}

// ---- In a format string ------------------------------------------------------------------------

TEST(NumberText, ShortestInAFormatStringTakesAWidthAndAnAlignment) {
    EXPECT_EQ(fmt::format("[{}] [{:>6}] [{:<6}] [{:^7}]", shortest(2.0), shortest(1.0), shortest(0.25f),
                          shortest(-1.5f)),
              "[2] [     1] [0.25  ] [ -1.5  ]");
    EXPECT_EQ(fmt::format("{x} s", fmt::arg("x", shortest(30.0))), "30 s");
}

} // namespace
