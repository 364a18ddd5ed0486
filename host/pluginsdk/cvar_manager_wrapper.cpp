#include "halvex/cvar_manager_wrapper.h"

#include "host_state.h"

CVarManagerWrapper::CVarManagerWrapper(halvex::host::HostState* host, halvex::host::PluginId owner)
    : host(host), owner(owner) {}

CVarWrapper CVarManagerWrapper::registerCvar(std::string name, std::string defaultValue,
                                             std::string description, bool /*searchable*/, bool hasMin,
                                             float min, bool hasMax, float max, bool /*saveToConfig*/) {
    if (!host->contract().allows(owner, "registerCvar")) return CVarWrapper(host, nullptr, owner);
    host->trace("plugin register " + name + " \"" + defaultValue + "\"");
    auto& variable = host->variables().add(name, defaultValue, description,
                                           halvex::host::VariableRange{hasMin, min, hasMax, max});
    return CVarWrapper(host, &variable, owner);
}

CVarWrapper CVarManagerWrapper::getCvar(std::string name) {
    if (!host->contract().allows(owner, "getCvar")) return CVarWrapper(host, nullptr, owner);
    return CVarWrapper(host, host->variables().find(name), owner);
}

void CVarManagerWrapper::executeCommand(std::string command, bool /*log*/) {
    if (!host->contract().allows(owner, "executeCommand")) return;
    host->trace("plugin command \"" + command + "\"");
    host->executeCommand(command);
}
