// Round ticks for a chart's axes and the grouping of its bars.
#include "pictures/chart_layout.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace kadenzo::sim {

namespace {

constexpr double roundMantissas[] = {1.0, 2.0, 2.5, 5.0};

// The largest power of ten at most VALUE (finite, above 0), and its exponent. Multiplied and divided out
// rather than through log10 and pow, whose last bits may differ between C libraries: a chart is the same
// to the byte on every platform.
struct PowerOfTen {
    double value;
    int exponent;
};

PowerOfTen powerOfTenAtMost(double value) {
    PowerOfTen power{1.0, 0};
    while (power.value > value) {
        power.value /= 10.0;
        --power.exponent;
    }
    while (power.value > 0.0 && power.value * 10.0 <= value) {
        power.value *= 10.0;
        ++power.exponent;
    }
    return power;
}

} // namespace

double roundTickStep(double span, int mostIntervals) {
    const double least = span / static_cast<double>(std::max(mostIntervals, 1));
    if (!(least > 0.0) || !std::isfinite(least)) return 1.0;
    const double power = powerOfTenAtMost(least).value;
    for (const double scale : {1.0, 10.0})
        for (const double mantissa : roundMantissas) {
            const double step = mantissa * power * scale;
            // A hair of slack, so that a span of exactly N steps takes N intervals.
            if (step * (1.0 + 1e-9) >= least) return step;
        }
    return 10.0 * power;
}

AxisScale roundAxis(double low, double high, int mostIntervals, bool widen) {
    if (!(high > low)) {
        const double around = std::max(std::fabs(low) * 0.1, 0.1);
        low -= around;
        high += around;
    }
    double step = roundTickStep(high - low, mostIntervals);
    if (!widen) return AxisScale{low, high, step};
    for (;;) {
        const double first = std::floor(low / step + 1e-9) * step;
        const double last = std::ceil(high / step - 1e-9) * step;
        // Widening to whole steps may take an interval more than asked; then the next round step serves.
        if (std::round((last - first) / step) <= mostIntervals || !std::isfinite(last - first))
            return AxisScale{first, last, step};
        step = roundTickStep(step * 1.000001, 1);
    }
}

std::vector<double> AxisScale::ticks() const {
    std::vector<double> values;
    const double first = std::ceil(low / step - 1e-9);
    const double last = std::floor(high / step + 1e-9);
    if (!std::isfinite(first) || !std::isfinite(last) || last - first > 1000.0) return values;
    for (double index = first; index <= last; index += 1.0)
        values.push_back(index * step);
    return values;
}

std::string AxisScale::label(double value) const {
    if (std::fabs(value) < 1e-12 * step) value = 0.0;
    if (std::max(std::fabs(low), std::fabs(high)) >= 1e7) return fmt::format("{:.3g}", value);
    const PowerOfTen power = powerOfTenAtMost(step * (1.0 + 1e-9));
    const bool quarter = std::fabs(step / power.value - 2.5) < 1e-6; // 2.5, 0.25: a decimal more
    const int decimals = std::max(0, -power.exponent + (quarter ? 1 : 0));
    return fmt::format("{:.{}f}", value, decimals);
}

std::size_t windowsPerBar(std::size_t windows, std::size_t windowsPerGroup, double plotWidth,
                          double narrowestSlot) {
    const double mostBars = std::max(1.0, std::floor(plotWidth / narrowestSlot));
    const std::size_t group = std::max<std::size_t>(windowsPerGroup, 1);
    for (std::size_t power = 1;; power *= 10)
        for (const std::size_t mantissa : {1u, 2u, 5u}) {
            const std::size_t size = mantissa * power;
            const double bars = std::ceil(static_cast<double>(windows) / static_cast<double>(size));
            if (size % group == 0 && bars <= mostBars) return size;
        }
}

} // namespace kadenzo::sim
