// Writes images as PNG files.
#pragma once

#include "scene.h"

#include <string>

namespace kadenzo::render {

// The file appears complete or not at all: the image is written beside it under a temporary name and renamed
// into place. False, with a message naming the path and the cause, when it cannot be written.
bool writePng(const std::string& path, const Image& image, std::string& error);

} // namespace kadenzo::render
