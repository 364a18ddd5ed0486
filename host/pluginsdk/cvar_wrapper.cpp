#include "halvex/cvar_wrapper.h"

#include "host_state.h"

#include <fmt/format.h>

#include <utility>

namespace {

// A call through an empty handle does nothing, and neither does one the host refuses.
bool carriedOut(halvex::host::HostState* host, const halvex::host::ConsoleVariable* variable,
                halvex::host::PluginId owner, const char* operation) {
    return variable && host->contract().allows(owner, operation);
}

void bindCell(halvex::host::HostState* host, halvex::host::ConsoleVariable* variable,
              halvex::host::PluginId owner, halvex::host::ConsoleVariable::Cell cell) {
    if (!carriedOut(host, variable, owner, "bindTo")) return;
    host->trace("plugin bind " + variable->name());
    host->bind(owner, *variable, std::move(cell));
}

} // namespace

CVarWrapper::CVarWrapper(halvex::host::HostState* host, halvex::host::ConsoleVariable* variable,
                         halvex::host::PluginId owner)
    : host(host), variable(variable), owner(owner) {}

CVarWrapper::operator bool() const {
    return variable != nullptr;
}

void CVarWrapper::bindTo(std::shared_ptr<bool> cell) const {
    bindCell(host, variable, owner, std::move(cell));
}

void CVarWrapper::bindTo(std::shared_ptr<int> cell) const {
    bindCell(host, variable, owner, std::move(cell));
}

void CVarWrapper::bindTo(std::shared_ptr<float> cell) const {
    bindCell(host, variable, owner, std::move(cell));
}

bool CVarWrapper::getBoolValue() const {
    if (!carriedOut(host, variable, owner, "getBoolValue")) return false;
    return variable->boolValue();
}

int CVarWrapper::getIntValue() const {
    if (!carriedOut(host, variable, owner, "getIntValue")) return 0;
    return variable->intValue();
}

float CVarWrapper::getFloatValue() const {
    if (!carriedOut(host, variable, owner, "getFloatValue")) return 0.0f;
    return variable->floatValue();
}

std::string CVarWrapper::getStringValue() const {
    if (!carriedOut(host, variable, owner, "getStringValue")) return {};
    return variable->text();
}

void CVarWrapper::setValue(int value) const {
    if (!carriedOut(host, variable, owner, "setValue")) return;
    // Marked, so that a trace tells the integer setter from the float one for whole values.
    if (host->tracing()) host->trace(fmt::format("plugin set {} {} (int)", variable->name(), value));
    variable->setInt(value);
}

void CVarWrapper::setValue(float value) const {
    if (!carriedOut(host, variable, owner, "setValue")) return;
    if (host->tracing())
        host->trace(
            fmt::format("plugin set {} {}", variable->name(), halvex::host::formatConsoleFloat(value)));
    variable->setFloat(value);
}
