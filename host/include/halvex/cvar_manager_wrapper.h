// The host's console: variables and commands, as one plugin sees them.
#pragma once

#include "halvex/cvar_wrapper.h"
#include "halvex/export.h"
#include "halvex/types.h"

#include <string>

class HALVEX_SDK_API CVarManagerWrapper {
public:
    CVarManagerWrapper(halvex::host::HostState* host, halvex::host::PluginId owner);

    // Registers a variable, or returns the existing one unchanged: a variable's value lives in the host,
    // so it survives the plugin that registered it being unloaded and loaded again.
    CVarWrapper registerCvar(std::string name, std::string defaultValue, std::string description,
                             bool searchable, bool hasMin, float min, bool hasMax, float max,
                             bool saveToConfig);

    // An empty wrapper (operator bool false) when no variable has that name.
    CVarWrapper getCvar(std::string name);

    void executeCommand(std::string command, bool log);

private:
    halvex::host::HostState* host = nullptr;
    halvex::host::PluginId owner = 0;
};
