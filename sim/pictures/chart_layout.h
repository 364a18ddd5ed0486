// The arithmetic of a chart's layout: axes in round numbers, and how many of a session's windows each
// bar of the speed chart shows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kadenzo::sim {

// An axis from low to high with ticks every `step`, a round number: 1, 2, 2.5 or 5 times a power of ten.
struct AxisScale {
    double low = 0.0;
    double high = 1.0;
    double step = 1.0;

    // low, low + step, ..., up to high.
    std::vector<double> ticks() const;
    // A tick's value with as many decimals as the step needs ("0.25", "1.5", "300"), in exponent form
    // when it is huge.
    std::string label(double value) const;
};

// The roundest step that cuts SPAN into at most MOST_INTERVALS: the smallest of 1, 2, 2.5 and 5 times a
// power of ten that does.
double roundTickStep(double span, int mostIntervals);

// An axis covering LOW to HIGH (finite, LOW <= HIGH) with at most MOST_INTERVALS intervals between round
// ticks; it starts and ends on a tick when WIDEN is set, else it is LOW to HIGH and the ticks lie within.
// A span of nothing is widened around its value first.
AxisScale roundAxis(double low, double high, int mostIntervals, bool widen = true);

// How many windows one bar shows: the smallest of 1, 2, 5, 10, 20, 50, ... that is a multiple of
// WINDOWS_PER_GROUP (the windows are kept summed in groups that large) and leaves every bar a slot of at
// least NARROWEST_SLOT pixels of PLOT_WIDTH for WINDOWS windows.
std::size_t windowsPerBar(std::size_t windows, std::size_t windowsPerGroup, double plotWidth,
                          double narrowestSlot);

} // namespace kadenzo::sim
