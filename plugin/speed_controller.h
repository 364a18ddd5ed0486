// The rule by which a closed ten-attempt window moves the game speed.
#pragma once

// Steps of speed to take for the window's accuracy minus the target: -2 to +2. Not a number gives 0.
int speedStepMultiplier(double accuracyDifference);
