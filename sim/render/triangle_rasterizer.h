// Draws Dear ImGui's draw data into an image in memory, as a graphics card would: each triangle covers the
// pixels whose centres it contains, with colours and texture coordinates interpolated across it, clipped
// to its command's rectangle and blended over what is already there.
#pragma once

#include "render/scene.h"

#include <cstdint>
#include <vector>

struct ImDrawData;

namespace kadenzo::render {

// A one-channel coverage texture, like ImGui's font atlas: texels are alpha, the colour is white.
struct AlphaTexture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> alpha;
};

// Draws every command of drawData into target. Commands whose texture id is &texture sample it with
// bilinear filtering; any other texture id is treated as plain white. Colours blend by source alpha, and
// alpha composites (source + destination × (1 - source alpha)) so that an opaque image stays opaque.
void rasterize(const ImDrawData& drawData, const AlphaTexture& texture, Image& target);

} // namespace kadenzo::render
