// Game events, drawables and game state, as one plugin sees them. Everything registered here is
// recorded against the plugin, and the host drops it when it unloads the plugin.
#pragma once

#include "halvex/actor_wrapper.h"
#include "halvex/canvas_wrapper.h"
#include "halvex/export.h"
#include "halvex/types.h"

#include <functional>
#include <string>
#include <utility>

class HALVEX_SDK_API GameWrapper {
public:
    using EventCallback = std::function<void(std::string eventName)>;
    using CallerCallback = std::function<void(ActorWrapper caller, void* params, std::string eventName)>;
    using DrawableCallback = std::function<void(CanvasWrapper canvas)>;

    GameWrapper(halvex::host::HostState* host, halvex::host::PluginId owner);

    // Runs the callback each time the game function is called, before it runs.
    void HookEvent(std::string eventName, EventCallback callback);
    // Runs the callback after each call of the game function.
    void HookEventPost(std::string eventName, EventCallback callback);
    // Like HookEvent, with the object the function runs on converted to the caller type.
    template <typename Caller>
    void
    HookEventWithCaller(std::string eventName,
                        std::function<void(Caller caller, void* params, std::string eventName)> callback) {
        HookEventWithActorCaller(
            std::move(eventName),
            [callback = std::move(callback)](ActorWrapper caller, void* params, std::string name) {
                callback(Caller(caller), params, std::move(name));
            });
    }
    // Removes this plugin's HookEvent and HookEventWithCaller hooks of the function.
    void UnhookEvent(std::string eventName);
    // Removes this plugin's HookEventPost hooks of the function.
    void UnhookEventPost(std::string eventName);

    void RegisterDrawable(DrawableCallback callback);
    // Removes all of this plugin's drawables.
    void UnregisterDrawables();

    bool IsInCustomTraining();

private:
    void HookEventWithActorCaller(std::string eventName, CallerCallback callback);

    halvex::host::HostState* host = nullptr;
    halvex::host::PluginId owner = 0;
};
