// After every ten counted attempts, move the game speed towards where the player hits the target
// accuracy, by the rule of speed_controller.h.
#include "speed_controller.h"

#include "Kadenzo.h"
#include "halvex/game_functions.h"

namespace {
constexpr int windowLength = 10;
}

void Kadenzo::adjustGameSpeed() {
    const CVarWrapper speedVariable = moduleCvarManager->getCvar(gameSpeedVariable);
    const float speed = speedVariable.getFloatValue();
    if (windowShots != windowLength) return;
    resetStatusColors();
    const std::optional<float> newSpeed = nextSpeed(speed, windowSpeedSteps(windowSuccesses, *idealAccuracy),
                                                    *slowMoSpeedIncrement, *slowMoMinSpeed, *slowMoMaxSpeed);
    previousAccuracy = windowAccuracy(windowSuccesses);
    if (newSpeed) speedVariable.setValue(*newSpeed);
    windowShots = 0;
    windowSuccesses = 0;
}
