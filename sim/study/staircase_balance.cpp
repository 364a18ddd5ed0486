#include "study/staircase_balance.h"

#include "study/staircase_window_counts.h"

namespace kadenzo::study {

namespace {

// The chance of a step up minus that of a step down, at a chance of success P.
double upOverDown(const StepTable& steps, double p) {
    const auto chances = windowCountChances(p);
    double up = 0.0;
    double down = 0.0;
    for (int c = 0; c <= attemptsPerWindow; ++c) {
        if (steps[c] > 0) up += chances[c];
        if (steps[c] < 0) down += chances[c];
    }
    return up - down;
}

} // namespace

double balanceChance(const StepTable& steps) {
    double low = 0.0;
    double high = 1.0;
    if (upOverDown(steps, low) >= 0.0) return low;
    if (upOverDown(steps, high) <= 0.0) return high;
    while (high - low > 1e-12) {
        const double middle = 0.5 * (low + high);
        if (upOverDown(steps, middle) < 0.0)
            low = middle;
        else
            high = middle;
    }
    return 0.5 * (low + high);
}

} // namespace kadenzo::study
