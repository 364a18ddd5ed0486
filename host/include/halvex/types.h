// Value types passed across the host boundary by value.
#pragma once

#include <cstdint>

// A canvas position or size in whole pixels.
struct Vector2 {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// A colour with four channels on a 0 to 255 scale.
struct LinearColor {
    float R = 0.0f;
    float G = 0.0f;
    float B = 0.0f;
    float A = 0.0f;
};

static_assert(sizeof(Vector2) == 8, "Vector2 is two 32-bit integers");
static_assert(sizeof(LinearColor) == 16, "LinearColor is four 32-bit floats");

namespace halvex::host {
// Host-side state behind every wrapper. Only the program that embeds pluginsdk sees its definition.
class HostState;
class ConsoleVariable;
class Canvas;
// Which loaded plugin made a registration; the host drops all of a plugin's registrations on unload.
using PluginId = std::uint32_t;
} // namespace halvex::host
