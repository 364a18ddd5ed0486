// Hooks on named game functions. Firing a function runs its pre hooks (plain and with caller) in
// registration order, then its post hooks in registration order.
#pragma once

#include "registration_list.h"

#include "halvex/export.h"
#include "halvex/game_wrapper.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace halvex::host {

// A pre hook has exactly one of the two callbacks.
struct EventHook {
    GameWrapper::EventCallback onEvent;
    GameWrapper::CallerCallback onEventWithCaller;
};

// Rationale: firing is on the path of every game event, so it finds the function by a name it is given
// as it is (no string made to look it up) and walks its hooks without copying them.
class HALVEX_SDK_API EventHooks {
public:
    EventHooks() = default;
    EventHooks(const EventHooks&) = delete;
    EventHooks& operator=(const EventHooks&) = delete;

    void addPre(PluginId owner, const std::string& functionName, EventHook hook);
    void addPost(PluginId owner, const std::string& functionName, GameWrapper::EventCallback callback);
    void removePre(PluginId owner, std::string_view functionName);
    void removePost(PluginId owner, std::string_view functionName);
    void removeAllOf(PluginId owner);

    void fire(std::string_view functionName, ActorWrapper caller, void* params);

    // Hooks currently registered on the function: pre and post together.
    std::size_t count(std::string_view functionName) const;

    // Copies of the callbacks registered on the function, in the order fire calls them. For measuring a
    // plugin's own work apart from the host's dispatch.
    struct Registered {
        std::vector<EventHook> pre;
        std::vector<GameWrapper::EventCallback> post;
    };
    Registered registeredOn(std::string_view functionName) const;

private:
    struct FunctionHooks {
        // The name handed to every hook; the table's key is a view of it.
        std::string name;
        RegistrationList<EventHook> pre;
        RegistrationList<GameWrapper::EventCallback> post;
    };

    FunctionHooks& hooksOf(const std::string& functionName);
    FunctionHooks* find(std::string_view functionName) const;

    // A function's hooks stay where they are while the table grows, so that a hook may register on
    // another function while its own are being walked. Functions are never taken out of the table.
    std::unordered_map<std::string_view, std::unique_ptr<FunctionHooks>> functions;
};

} // namespace halvex::host
