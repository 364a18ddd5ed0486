// Where the tests of kadenzo_sim_tests find the modules the build made.
#pragma once

#include "loader/dynamic_library.h"
#include "loader/modules.h"

#include <cstdlib>
#include <string>

namespace kadenzo::sim::test {

// The real plugin module, named by KADENZO_PLUGIN (set for the test programs that load it).
inline std::string builtPlugin() {
    const char* path = std::getenv("KADENZO_PLUGIN");
    return path ? path : pluginModuleFileName();
}

// One of the plugins that fail on purpose (console/broken_module.cpp), broken-ENTRY_POINT-FAILURE, built
// beside the test program as every module is.
inline std::string brokenModule(const std::string& name) {
    const std::string pluginFile = pluginModuleFileName();
    return executableDirectory() + "/" + name + pluginFile.substr(pluginFile.rfind('.'));
}

} // namespace kadenzo::sim::test
