// Start and end of the plugin and of a training run: onLoad, the two training-editor hooks that live
// as long as the plugin, and onUnload, which takes a run's hooks and drawable down again.
#include "Kadenzo.h"
#include "halvex/game_functions.h"
#include "settings_variables.h"

void Kadenzo::onLoad() {
    moduleCvarManager = cvarManager;
    registerSettingsVariables(*this);
    gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::loadRound,
                                                   [this](ActorWrapper, void*, std::string) {
                                                       if (!*slowMoEnabled) return;
                                                       loadTrainingPack();
                                                   });
    gameWrapper->HookEventWithCaller<ActorWrapper>(game_function::editorDestroyed,
                                                   [this](ActorWrapper, void*, std::string) {
                                                       if (!*slowMoEnabled || !trainingLoaded) return;
                                                       // Through the virtual slot, as the host would.
                                                       static_cast<HalvexPlugin*>(this)->onUnload();
                                                   });
}

void Kadenzo::onUnload() {
    if (!trainingLoaded) return;
    // Cleared first: a host call below must find the run already over.
    trainingLoaded = false;
    gameWrapper->UnhookEvent(game_function::roundChanged);
    gameWrapper->UnhookEvent(game_function::carHitBall);
    gameWrapper->UnhookEvent(game_function::ballExploded);
    gameWrapper->UnhookEvent(game_function::goalScored);
    gameWrapper->UnhookEventPost(game_function::controllerRestart);
    gameWrapper->UnregisterDrawables();
}
