// What the plugin calls itself, written once: in its description record (Kadenzo.cpp), as the name of
// its page, menu and window, and as kadenzo-sim validate expects them.
#pragma once

#include <cstdint>

// The class name, which is also the plugin's name, its menu name and its window's title.
inline constexpr const char* pluginClassName = "Kadenzo";
// The record's human-readable title.
inline constexpr const char* pluginTitle = "Adapt game speed while training";
// The record's plugin kind, as the host interprets it.
inline constexpr std::int32_t pluginType = 2;
