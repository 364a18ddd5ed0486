// The rule by which a closed ten-attempt window moves the game speed, written once: the plugin follows it
// (speed_controller.cpp), and kadenzo-sim's play explains by it why a window left the speed where it was.
// Single precision where the game's variables are floats; the step is chosen in double.
#pragma once

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

// The speed STEPS increments away from SPEED.
inline float steppedSpeed(float speed, int steps, float increment) {
    return speed + static_cast<float>(steps) * increment;
}

// Whether SPEED lies within the limits, given in percent of the normal speed; both limits are inclusive.
// A step that would leave them is dropped whole, not clamped.
inline bool withinSpeedLimits(float speed, int minPercent, int maxPercent) {
    const float percent = speed * 100.0f;
    return static_cast<float>(maxPercent) >= percent && percent >= static_cast<float>(minPercent);
}
