// After every ten counted attempts, move the game speed towards where the player hits the target
// accuracy. Single precision where the game's variables are floats; the step is chosen in double.
#include "speed_controller.h"

#include "Kadenzo.h"
#include "halvex/game_functions.h"

namespace {
constexpr int windowLength = 10;
}

int speedStepMultiplier(double accuracyDifference) {
    const double d = accuracyDifference;
    if (d < -0.3) return -2;
    if (d > -0.3 && d < -0.05) return -1;
    if (d > 0.05 && d < 0.3) return 1;
    if (d > 0.3) return 2;
    return 0;
}

void Kadenzo::adjustGameSpeed() {
    const CVarWrapper speedVariable = moduleCvarManager->getCvar(gameSpeedVariable);
    const float speed = speedVariable.getFloatValue();
    if (windowShots != windowLength) return;
    resetStatusColors();
    const float accuracy = static_cast<float>(windowSuccesses) / 10.0f;
    const double difference = static_cast<double>(accuracy - *idealAccuracy);
    const int steps = speedStepMultiplier(difference);
    const float newSpeed = speed + static_cast<float>(steps) * *slowMoSpeedIncrement;
    previousAccuracy = accuracy;
    // A step that would leave the limits is dropped whole, not clamped; both limits are inclusive.
    const float percent = newSpeed * 100.0f;
    if (static_cast<float>(*slowMoMaxSpeed) >= percent && percent >= static_cast<float>(*slowMoMinSpeed))
        speedVariable.setValue(newSpeed);
    windowShots = 0;
    windowSuccesses = 0;
}
