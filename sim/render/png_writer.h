// Writes images as PNG files.
#pragma once

#include "render/scene.h"

#include <string>

namespace kadenzo::render {

// Writes through output::OutputFile: the file appears complete or not at all, and targets that are not
// regular files, or are read-only, are refused. False, with a message naming the path and the cause,
// when it cannot be written.
bool writePng(const std::string& path, const Image& image, std::string& error);

} // namespace kadenzo::render
