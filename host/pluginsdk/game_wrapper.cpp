#include "halvex/game_wrapper.h"

#include "host_state.h"

GameWrapper::GameWrapper(halvex::host::HostState* host, halvex::host::PluginId owner)
    : host(host), owner(owner) {}

void GameWrapper::HookEvent(std::string eventName, EventCallback callback) {
    host->trace("plugin hook " + eventName);
    host->hooks().addPre(owner, eventName, halvex::host::EventHook{std::move(callback), nullptr});
}

void GameWrapper::HookEventPost(std::string eventName, EventCallback callback) {
    host->trace("plugin hook-post " + eventName);
    host->hooks().addPost(owner, eventName, std::move(callback));
}

void GameWrapper::HookEventWithActorCaller(std::string eventName, CallerCallback callback) {
    host->trace("plugin hook-caller " + eventName);
    host->hooks().addPre(owner, eventName, halvex::host::EventHook{nullptr, std::move(callback)});
}

void GameWrapper::UnhookEvent(std::string eventName) {
    host->trace("plugin unhook " + eventName);
    host->hooks().removePre(owner, eventName);
}

void GameWrapper::UnhookEventPost(std::string eventName) {
    host->trace("plugin unhook-post " + eventName);
    host->hooks().removePost(owner, eventName);
}

void GameWrapper::RegisterDrawable(DrawableCallback callback) {
    host->trace("plugin drawable");
    host->addDrawable(owner, std::move(callback));
}

void GameWrapper::UnregisterDrawables() {
    host->trace("plugin unregister-drawables");
    host->removeDrawablesOf(owner);
}

bool GameWrapper::IsInCustomTraining() {
    return host->inCustomTraining();
}
