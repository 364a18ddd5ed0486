#include "halvex/game_wrapper.h"

#include "host_state.h"

GameWrapper::GameWrapper(halvex::host::HostState* host, halvex::host::PluginId owner)
    : host(host), owner(owner) {}

void GameWrapper::HookEvent(std::string eventName, EventCallback callback) {
    if (!host->contract().allows(owner, "HookEvent")) return;
    host->trace("plugin hook " + eventName);
    host->hooks().addPre(owner, eventName, halvex::host::EventHook{std::move(callback), nullptr});
}

void GameWrapper::HookEventPost(std::string eventName, EventCallback callback) {
    if (!host->contract().allows(owner, "HookEventPost")) return;
    host->trace("plugin hook-post " + eventName);
    host->hooks().addPost(owner, eventName, std::move(callback));
}

void GameWrapper::HookEventWithActorCaller(std::string eventName, CallerCallback callback) {
    if (!host->contract().allows(owner, "HookEventWithCaller")) return;
    host->trace("plugin hook-caller " + eventName);
    host->hooks().addPre(owner, eventName, halvex::host::EventHook{nullptr, std::move(callback)});
}

void GameWrapper::UnhookEvent(std::string eventName) {
    if (!host->contract().allows(owner, "UnhookEvent")) return;
    host->trace("plugin unhook " + eventName);
    host->hooks().removePre(owner, eventName);
}

void GameWrapper::UnhookEventPost(std::string eventName) {
    if (!host->contract().allows(owner, "UnhookEventPost")) return;
    host->trace("plugin unhook-post " + eventName);
    host->hooks().removePost(owner, eventName);
}

void GameWrapper::RegisterDrawable(DrawableCallback callback) {
    if (!host->contract().allows(owner, "RegisterDrawable")) return;
    host->trace("plugin drawable");
    host->addDrawable(owner, std::move(callback));
}

void GameWrapper::UnregisterDrawables() {
    if (!host->contract().allows(owner, "UnregisterDrawables")) return;
    host->trace("plugin unregister-drawables");
    host->removeDrawablesOf(owner);
}

bool GameWrapper::IsInCustomTraining() {
    if (!host->contract().allows(owner, "IsInCustomTraining")) return false;
    return host->inCustomTraining();
}
