// Hooks on named game functions. Firing a function runs its pre hooks (plain and with caller) in
// registration order, then its post hooks in registration order.
#pragma once

#include "registration_list.h"

#include "halvex/export.h"
#include "halvex/game_wrapper.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace halvex::host {

// A pre hook has exactly one of the two callbacks.
struct EventHook {
    GameWrapper::EventCallback onEvent;
    GameWrapper::CallerCallback onEventWithCaller;
};

class HALVEX_SDK_API EventHooks {
public:
    void addPre(PluginId owner, const std::string& functionName, EventHook hook);
    void addPost(PluginId owner, const std::string& functionName, GameWrapper::EventCallback callback);
    void removePre(PluginId owner, const std::string& functionName);
    void removePost(PluginId owner, const std::string& functionName);
    void removeAllOf(PluginId owner);

    void fire(const std::string& functionName, ActorWrapper caller, void* params);

    // Hooks currently registered on the function: pre and post together.
    std::size_t count(const std::string& functionName) const;

    // Copies of the callbacks registered on the function, in the order fire calls them. For measuring a
    // plugin's own work apart from the host's dispatch.
    struct Registered {
        std::vector<EventHook> pre;
        std::vector<GameWrapper::EventCallback> post;
    };
    Registered registeredOn(const std::string& functionName) const;

private:
    struct FunctionHooks {
        RegistrationList<EventHook> pre;
        RegistrationList<GameWrapper::EventCallback> post;
    };

    std::unordered_map<std::string, FunctionHooks> functions;
};

} // namespace halvex::host
