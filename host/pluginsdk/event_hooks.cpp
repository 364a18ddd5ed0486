// The hooks of named game functions: registering and removing them, and firing a function.
//
// Index of this file:
// - Registrations
// - Firing
#include "event_hooks.h"

#include "plugin_entry.h"

#include <utility>

namespace halvex::host {

// ---- Registrations -----------------------------------------------------------------------------

EventHooks::FunctionHooks& EventHooks::hooksOf(const std::string& functionName) {
    if (FunctionHooks* found = find(functionName)) return *found;
    auto made = std::make_unique<FunctionHooks>();
    made->name = functionName;
    FunctionHooks& hooks = *made;
    functions.emplace(std::string_view(hooks.name), std::move(made));
    return hooks;
}

EventHooks::FunctionHooks* EventHooks::find(std::string_view functionName) const {
    const auto found = functions.find(functionName);
    return found == functions.end() ? nullptr : found->second.get();
}

void EventHooks::addPre(PluginId owner, const std::string& functionName, EventHook hook) {
    hooksOf(functionName).pre.add(owner, std::move(hook));
}

void EventHooks::addPost(PluginId owner, const std::string& functionName,
                         GameWrapper::EventCallback callback) {
    hooksOf(functionName).post.add(owner, std::move(callback));
}

void EventHooks::removePre(PluginId owner, std::string_view functionName) {
    if (FunctionHooks* hooks = find(functionName))
        hooks->pre.removeIf([owner](const auto& entry) { return entry.owner == owner; });
}

void EventHooks::removePost(PluginId owner, std::string_view functionName) {
    if (FunctionHooks* hooks = find(functionName))
        hooks->post.removeIf([owner](const auto& entry) { return entry.owner == owner; });
}

void EventHooks::removeAllOf(PluginId owner) {
    const auto ownedBy = [owner](const auto& entry) { return entry.owner == owner; };
    for (auto& function : functions) {
        function.second->pre.removeIf(ownedBy);
        function.second->post.removeIf(ownedBy);
    }
}

std::size_t EventHooks::count(std::string_view functionName) const {
    const FunctionHooks* hooks = find(functionName);
    return hooks ? hooks->pre.size() + hooks->post.size() : 0;
}

EventHooks::Registered EventHooks::registeredOn(std::string_view functionName) const {
    Registered registered;
    const FunctionHooks* hooks = find(functionName);
    if (!hooks) return registered;
    hooks->pre.forEachPresent([&](const EventHook& hook) { registered.pre.push_back(hook); });
    hooks->post.forEachPresent(
        [&](const GameWrapper::EventCallback& callback) { registered.post.push_back(callback); });
    return registered;
}

// ---- Firing ------------------------------------------------------------------------------------

// Each hook takes the name by value, as the SDK declares it: that copy is the only string made.
void EventHooks::fire(std::string_view functionName, ActorWrapper caller, void* params) {
    FunctionHooks* hooks = find(functionName);
    if (!hooks) return;
    const std::string& name = hooks->name;
    hooks->pre.forEach([&](const EventHook& hook) {
        const PluginEntry entry("a game event hook");
        if (hook.onEventWithCaller)
            hook.onEventWithCaller(caller, params, name);
        else
            hook.onEvent(name);
    });
    hooks->post.forEach([&](const GameWrapper::EventCallback& callback) {
        const PluginEntry entry("a game event hook");
        callback(name);
    });
}

} // namespace halvex::host
