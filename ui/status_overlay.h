// Layout arithmetic of the status overlay, shared by the drawing code and its tests.
#pragma once

#include "halvex/types.h"

#include <cstddef>
#include <cstdint>

namespace status_overlay {

// Where the overlay's lines are anchored on a canvas of the given size.
struct Anchors {
    int x0 = 0;    // the right-alignment base: 70 % of the width, down to a multiple of 400
    int shift = 0; // moves the block so that it ends near the canvas middle plus x0 / 2
    int y0 = 0;    // 10 % of the height
};

Anchors computeAnchors(Vector2 canvasSize);

// Left edge of a line of the given length in characters, counting 8.5 pixels per character.
int lineStart(const Anchors& anchors, std::size_t characters);

// Truncation toward zero that is defined for every float: NaN gives 0, values beyond the 32-bit range
// give its nearest end. Equal to a plain conversion for every value in range.
std::int32_t truncateToInt(float value);

// The game speed as the overlay shows it, in whole percent truncated toward zero: for a finite speed
// below 2 x 10^7 either way, its whole millionths (speed_controller.h) divided by 10^4, so that the
// float nearest 1.05 shows 105; any other value as SPEED x 100 in single precision, truncated.
std::int32_t speedPercent(float speed);

// Successes as a whole percentage of shots, 0 without shots. Computed wide so that no count overflows.
std::int32_t percentOf(std::int32_t successes, std::int32_t shots);

} // namespace status_overlay
