// The plugin module the build made, which the simulator's tests load as kadenzo-sim does.
#pragma once

#include <cstdlib>
#include <string>

// KADENZO_PLUGIN names it in CTest's environment.
inline std::string builtPlugin() {
    const char* path = std::getenv("KADENZO_PLUGIN");
    return path ? path : "Kadenzo.so";
}
