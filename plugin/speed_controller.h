// The rule by which a closed ten-attempt window moves the game speed, written once: the plugin follows it
// (speed_controller.cpp), kadenzo-sim's play explains by it why a window left the speed where it was, and
// its study works the rule out as a chain. Single precision where the game's variables are floats; the
// step is chosen in double; the stepped speed is taken in whole millionths of normal speed.
//
// Index of this file:
// - The step of a window
// - The new speed in millionths
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

// ---- The step of a window ----------------------------------------------------------------------

// Steps of speed to take for the window's accuracy minus the target: -2 to +2. Not a number gives 0.
inline int speedStepMultiplier(double accuracyDifference) {
    const double d = accuracyDifference;
    if (d < -0.3) return -2;
    if (d > -0.3 && d < -0.05) return -1;
    if (d > 0.05 && d < 0.3) return 1;
    if (d > 0.3) return 2;
    return 0;
}

// The accuracy of a window of ten attempts with SUCCESSES among them.
inline float windowAccuracy(int successes) {
    return static_cast<float>(successes) / 10.0f;
}

// Steps of speed for a window with SUCCESSES of its ten attempts against the target accuracy.
inline int windowSpeedSteps(int successes, float targetAccuracy) {
    return speedStepMultiplier(static_cast<double>(windowAccuracy(successes) - targetAccuracy));
}

// The speed STEPS increments away from SPEED, as the float sum; speedMillionths then takes it to the
// nearest millionth.
inline float steppedSpeed(float speed, int steps, float increment) {
    return speed + static_cast<float>(steps) * increment;
}

// ---- The new speed in millionths ---------------------------------------------------------------
// Rationale: a float sum of decimal steps drifts (1.0 - 0.05 ten times is 0.49999988), so a limit such
// as 50 % could never be reached and the overlay would show 89 % at 0.9. The new speed is therefore
// taken in whole millionths, compared with the limits exactly and written as the float nearest to that
// decimal: every increment of up to six decimals then lands on the decimals it adds up to.

// Beyond this many millionths (about 9.2e12 times normal speed) a speed is past every limit a 32-bit
// percent can give; the bound keeps the rounding within 64 bits.
inline constexpr double largestMillionths = 9.0e18;

// SPEED in whole millionths of normal speed: SPEED x 10^6 in double, rounded to the nearest integer,
// halves away from zero. Empty for a speed that is not finite or beyond largestMillionths.
inline std::optional<std::int64_t> speedMillionths(float speed) {
    const double scaled = static_cast<double>(speed) * 1e6;
    if (!(std::fabs(scaled) <= largestMillionths)) return std::nullopt;
    return static_cast<std::int64_t>(std::round(scaled));
}

// Whether a speed of MILLIONTHS lies within the limits, given in percent of normal speed; both limits
// are inclusive and compared exactly. A step that would leave them is dropped whole, not clamped.
inline bool withinSpeedLimits(std::int64_t millionths, int minPercent, int maxPercent) {
    return static_cast<std::int64_t>(minPercent) * 10000 <= millionths &&
           millionths <= static_cast<std::int64_t>(maxPercent) * 10000;
}

// The same for a speed as a float: one that is not finite lies within no limits.
inline bool withinSpeedLimits(float speed, int minPercent, int maxPercent) {
    const std::optional<std::int64_t> millionths = speedMillionths(speed);
    return millionths && withinSpeedLimits(*millionths, minPercent, maxPercent);
}

// The float nearest to MILLIONTHS / 10^6. Rationale: the quotient is correctly rounded to double, and
// no millionth of a speed below 2^18 lies near enough to a midpoint of two floats for the second
// rounding, to float, to differ from rounding the exact quotient once.
inline float speedOfMillionths(std::int64_t millionths) {
    return static_cast<float>(static_cast<double>(millionths) / 1e6);
}

// Where a window that steps SPEED by STEPS increments lands, the limits aside, in whole millionths;
// empty when that speed is not finite.
inline std::optional<std::int64_t> steppedMillionths(float speed, int steps, float increment) {
    return speedMillionths(steppedSpeed(speed, steps, increment));
}

// The speed the controller writes for a window that steps SPEED by STEPS increments, or nothing when
// the new speed is not finite or lies outside the limits.
inline std::optional<float> nextSpeed(float speed, int steps, float increment, int minPercent,
                                      int maxPercent) {
    const std::optional<std::int64_t> millionths = steppedMillionths(speed, steps, increment);
    if (!millionths || !withinSpeedLimits(*millionths, minPercent, maxPercent)) return std::nullopt;
    return speedOfMillionths(*millionths);
}
