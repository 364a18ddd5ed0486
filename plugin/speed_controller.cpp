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
    const float newSpeed =
        steppedSpeed(speed, windowSpeedSteps(windowSuccesses, *idealAccuracy), *slowMoSpeedIncrement);
    previousAccuracy = windowAccuracy(windowSuccesses);
    if (withinSpeedLimits(newSpeed, *slowMoMinSpeed, *slowMoMaxSpeed)) speedVariable.setValue(newSpeed);
    windowShots = 0;
    windowSuccesses = 0;
}
