// Numbers as people write them, for every part of the build that formats with {fmt}: the shortest text
// that reads back as the same float or double, with no ".0" on a whole number: "100", "1.05", "-0",
// "2147483500" (the float 2147483520), "3.4028235e+38", "1e-45", "inf", "nan". Fixed notation from
// 1e-4 up to below 1e16, exponent notation beyond.
//
// {fmt} 7's "{}" writes a whole number with ".0" ("100.0"), and for some floats more digits than the
// shortest ("1975.21875" where "1975.2188" reads back the same). So a floating-point value is never
// formatted with "{}" itself: its text is shortestText(value), or, inside a format string,
// shortest(value), which takes a width and an alignment as a string does ("{:>8}").
//
// Index of this file:
// - shortestText
// - shortest() and its formatter
#pragma once

#include <fmt/format.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace kadenzo {

// ---- shortestText ------------------------------------------------------------------------------

inline std::string shortestText(double value) {
    // The digits are {fmt}'s shortest for a double; only the ".0" of a whole number goes.
    std::string text = fmt::format("{}", value);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
    return text;
}

inline std::string shortestText(float value) {
    // The fewest significant digits that read back as the same float (nine always do, but for NaN),
    // the nearest such decimal first; then laid out as the double of those digits, whose shortest text
    // they are, as a float has fewer than 15. Beside a power of two the float's interval is narrower
    // below it than above, so the nearest decimal of some length may miss it where the next one up
    // reads back (2^87 is 1.5474251e+26, not the nearer 1.5474250e+26).
    const auto readsBack = [value](const std::string& text) {
        // strtof, not from_chars: the Windows runtime the module is built against lacks the tables
        // Microsoft's from_chars for floats needs. Only LC_CTYPE is ever set, so "." is the point.
        char* end = nullptr;
        const float back = std::strtof(text.c_str(), &end);
        return end == text.c_str() + text.size() && back == value;
    };
    const auto layout = [](const std::string& text) {
        return shortestText(std::strtod(text.c_str(), nullptr));
    };
    for (int digits = 1; digits <= 9; ++digits) {
        const std::string nearest = fmt::format("{:.{}e}", value, digits - 1);
        if (readsBack(nearest)) return layout(nearest);
        // "-D.DDDe+XX" as the whole number -DDDD and its exponent, and the whole numbers beside it.
        const std::size_t e = nearest.find('e');
        if (e == std::string::npos) continue; // no digits: infinity or NaN
        std::string whole = nearest.substr(0, e);
        whole.erase(std::remove(whole.begin(), whole.end(), '.'), whole.end());
        const long long mantissa = std::stoll(whole);
        const int exponent = std::stoi(nearest.substr(e + 1)) - (digits - 1);
        for (const long long beside : {mantissa - 1, mantissa + 1}) {
            const std::string text = fmt::format("{}e{}", beside, exponent);
            if (readsBack(text)) return layout(text);
        }
    }
    return shortestText(static_cast<double>(value));
}

// ---- shortest() and its formatter --------------------------------------------------------------

template <typename Number>
struct Shortest {
    Number value;
};

inline Shortest<double> shortest(double value) {
    return {value};
}

inline Shortest<float> shortest(float value) {
    return {value};
}

} // namespace kadenzo

template <typename Number>
struct fmt::formatter<kadenzo::Shortest<Number>> : fmt::formatter<fmt::string_view> {
    template <typename Context>
    auto format(const kadenzo::Shortest<Number>& number, Context& context) {
        const std::string text = kadenzo::shortestText(number.value);
        return fmt::formatter<fmt::string_view>::format(fmt::string_view(text), context);
    }
};
