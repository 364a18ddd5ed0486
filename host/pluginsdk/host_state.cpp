#include "host_state.h"

#include "plugin_entry.h"

#include <utility>

namespace halvex::host {

HostState::HostState() {
    consoleVariables.add(gameSpeedVariable, "1", "Game speed", VariableRange{}, gameSpeedRule);
}

PluginId HostState::addPlugin() {
    return nextPlugin++;
}

void HostState::dropPlugin(PluginId plugin) {
    callContract.dismiss(plugin);
    eventHooks.removeAllOf(plugin);
    removeDrawablesOf(plugin);
    consoleVariables.dropBindingsOf(plugin);
}

std::shared_ptr<CVarManagerWrapper> HostState::makeCvarManager(PluginId plugin) {
    return std::make_shared<CVarManagerWrapper>(this, plugin);
}

std::shared_ptr<GameWrapper> HostState::makeGameWrapper(PluginId plugin) {
    return std::make_shared<GameWrapper>(this, plugin);
}

void HostState::bind(PluginId plugin, ConsoleVariable& variable, ConsoleVariable::Cell cell) {
    if (bindingObserver) bindingObserver(variable, cell);
    variable.bind(plugin, std::move(cell));
}

void HostState::fireEvent(std::string_view functionName, ActorWrapper caller, void* params) {
    eventHooks.fire(functionName, caller, params);
}

void HostState::addDrawable(PluginId owner, GameWrapper::DrawableCallback callback) {
    drawables.add(owner, std::move(callback));
}

void HostState::removeDrawablesOf(PluginId owner) {
    drawables.removeIf([owner](const auto& entry) { return entry.owner == owner; });
}

void HostState::renderFrame(Canvas& canvas) {
    drawables.forEach([&](const GameWrapper::DrawableCallback& draw) {
        const PluginEntry entry("a drawable");
        draw(CanvasWrapper(&canvas));
    });
}

void HostState::executeCommand(const std::string& command) {
    if (commandHandler) commandHandler(command);
}

void HostState::trace(const std::string& line) const {
    if (tracing()) traceSink(line);
}

} // namespace halvex::host
