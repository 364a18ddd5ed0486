#include "event_hooks.h"

#include <utility>

namespace halvex::host {

void EventHooks::addPre(PluginId owner, const std::string& functionName, EventHook hook) {
    functions[functionName].pre.add(owner, std::move(hook));
}

void EventHooks::addPost(PluginId owner, const std::string& functionName,
                         GameWrapper::EventCallback callback) {
    functions[functionName].post.add(owner, std::move(callback));
}

void EventHooks::removePre(PluginId owner, const std::string& functionName) {
    const auto found = functions.find(functionName);
    if (found != functions.end())
        found->second.pre.removeIf([owner](const auto& entry) { return entry.owner == owner; });
}

void EventHooks::removePost(PluginId owner, const std::string& functionName) {
    const auto found = functions.find(functionName);
    if (found != functions.end())
        found->second.post.removeIf([owner](const auto& entry) { return entry.owner == owner; });
}

void EventHooks::removeAllOf(PluginId owner) {
    const auto ownedBy = [owner](const auto& entry) { return entry.owner == owner; };
    for (auto& function : functions) {
        function.second.pre.removeIf(ownedBy);
        function.second.post.removeIf(ownedBy);
    }
}

void EventHooks::fire(const std::string& functionName, ActorWrapper caller, void* params) {
    const auto found = functions.find(functionName);
    if (found == functions.end()) return;
    // Node-based map: the reference stays valid if a hook registers on another function meanwhile.
    FunctionHooks& hooks = found->second;
    hooks.pre.forEach([&](const EventHook& hook) {
        if (hook.onEventWithCaller)
            hook.onEventWithCaller(caller, params, functionName);
        else
            hook.onEvent(functionName);
    });
    hooks.post.forEach([&](const GameWrapper::EventCallback& callback) { callback(functionName); });
}

std::size_t EventHooks::count(const std::string& functionName) const {
    const auto found = functions.find(functionName);
    return found == functions.end() ? 0 : found->second.pre.size() + found->second.post.size();
}

EventHooks::Registered EventHooks::registeredOn(const std::string& functionName) const {
    Registered registered;
    const auto found = functions.find(functionName);
    if (found == functions.end()) return registered;
    found->second.pre.forEachPresent([&](const EventHook& hook) { registered.pre.push_back(hook); });
    found->second.post.forEachPresent(
        [&](const GameWrapper::EventCallback& callback) { registered.post.push_back(callback); });
    return registered;
}

} // namespace halvex::host
