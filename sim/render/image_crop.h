// Cutting a part out of an image.
#pragma once

#include "render/scene.h"

namespace kadenzo::render {

// The pixels of the rectangle at x, y of the given size, as far as it lies within the image; an empty
// image when nothing of it does.
Image cropImage(const Image& image, int x, int y, int width, int height);

} // namespace kadenzo::render
