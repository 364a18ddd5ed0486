#include "halvex/cvar_wrapper.h"

#include "host_state.h"

#include <fmt/format.h>

CVarWrapper::CVarWrapper(halvex::host::HostState* host, halvex::host::ConsoleVariable* variable,
                         halvex::host::PluginId owner)
    : host(host), variable(variable), owner(owner) {}

CVarWrapper::operator bool() const {
    return variable != nullptr;
}

void CVarWrapper::bindTo(std::shared_ptr<bool> cell) const {
    host->trace("plugin bind " + variable->name());
    variable->bind(owner, std::move(cell));
}

void CVarWrapper::bindTo(std::shared_ptr<int> cell) const {
    host->trace("plugin bind " + variable->name());
    variable->bind(owner, std::move(cell));
}

void CVarWrapper::bindTo(std::shared_ptr<float> cell) const {
    host->trace("plugin bind " + variable->name());
    variable->bind(owner, std::move(cell));
}

bool CVarWrapper::getBoolValue() const {
    return variable->boolValue();
}

int CVarWrapper::getIntValue() const {
    return variable->intValue();
}

float CVarWrapper::getFloatValue() const {
    return variable->floatValue();
}

std::string CVarWrapper::getStringValue() const {
    return variable->text();
}

void CVarWrapper::setValue(int value) const {
    // Marked, so that a trace tells the integer setter from the float one for whole values.
    if (host->tracing()) host->trace(fmt::format("plugin set {} {} (int)", variable->name(), value));
    variable->setInt(value);
}

void CVarWrapper::setValue(float value) const {
    if (host->tracing())
        host->trace(
            fmt::format("plugin set {} {}", variable->name(), halvex::host::formatConsoleFloat(value)));
    variable->setFloat(value);
}
