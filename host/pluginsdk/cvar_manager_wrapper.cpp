#include "halvex/cvar_manager_wrapper.h"

#include "host_state.h"

CVarManagerWrapper::CVarManagerWrapper(halvex::host::HostState* host, halvex::host::PluginId owner)
    : host(host), owner(owner) {}

CVarWrapper CVarManagerWrapper::registerCvar(std::string name, std::string defaultValue,
                                             std::string description, bool /*searchable*/, bool hasMin,
                                             float min, bool hasMax, float max, bool /*saveToConfig*/) {
    host->trace("plugin register " + name + " \"" + defaultValue + "\"");
    auto& variable = host->variables().add(name, defaultValue, description,
                                           halvex::host::VariableRange{hasMin, min, hasMax, max});
    return CVarWrapper(host, &variable, owner);
}

CVarWrapper CVarManagerWrapper::getCvar(std::string name) {
    return CVarWrapper(host, host->variables().find(name), owner);
}

void CVarManagerWrapper::executeCommand(std::string command, bool /*log*/) {
    host->trace("plugin command \"" + command + "\"");
    host->executeCommand(command);
}
