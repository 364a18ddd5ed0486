// A training run: arming the per-pack hooks, classifying each attempt from the ball's events and
// counting it when the player's controller restarts.
#include "Kadenzo.h"
#include "halvex/game_functions.h"

namespace {

constexpr LinearColor markerNotTaken{255.0f, 255.0f, 255.0f, 255.0f};

// The per-pack handlers act only while enabled, armed and in custom training, tested in this order.
bool passesCommonGuard(Kadenzo& plugin) {
    return *plugin.slowMoEnabled && plugin.trainingLoaded && plugin.gameWrapper->IsInCustomTraining();
}

void onCarHitBall(Kadenzo& plugin) {
    if (!passesCommonGuard(plugin) || !*plugin.onTouchEnabled) return;
    plugin.shotSucceeded = true;
    plugin.shotFailed = false;
}

// An explosion after a goal or a counted touch changes nothing.
void onBallExploded(Kadenzo& plugin) {
    if (!passesCommonGuard(plugin) || plugin.shotSucceeded) return;
    plugin.shotFailed = true;
}

// A goal counts even after an explosion.
void onGoalScored(Kadenzo& plugin) {
    if (!passesCommonGuard(plugin)) return;
    plugin.shotFailed = false;
    plugin.shotSucceeded = true;
}

void markOutcome(LinearColor& marker, bool success) {
    marker.R = success ? 0.0f : 255.0f;
    marker.G = success ? 255.0f : 0.0f;
    marker.B = 0.0f;
}

// The restart that ends an attempt counts it; the first one after arming only starts the run.
void onControllerRestart(Kadenzo& plugin) {
    if (!passesCommonGuard(plugin)) return;
    if (plugin.skipNextRestart) {
        plugin.skipNextRestart = false;
        return;
    }
    const bool success = plugin.shotSucceeded && !plugin.shotFailed;
    if (success) {
        ++plugin.windowSuccesses;
        ++plugin.totalSuccesses;
        ++plugin.currentStreak;
    } else {
        plugin.currentStreak = 0;
    }
    plugin.lastShots[static_cast<std::size_t>(plugin.lastShotsIndex)] = success;
    plugin.lastShotsIndex = (plugin.lastShotsIndex + 1) % 100;
    if (plugin.windowShots < 10)
        markOutcome(plugin.statusColors[static_cast<std::size_t>(plugin.windowShots)], success);
    ++plugin.windowShots;
    ++plugin.totalShots;
    plugin.shotSucceeded = false;
    plugin.shotFailed = false;
    plugin.adjustGameSpeed();
}

// The game announces each new round of a pack; the coach only checks the editor it is given.
void onRoundChanged(ActorWrapper caller) {
    const TrainingEditorWrapper editor(static_cast<std::uintptr_t>(caller.memory_address));
    static_cast<void>(static_cast<bool>(editor));
}

} // namespace

void Kadenzo::loadTrainingPack() {
    if (trainingLoaded) return;
    trainingLoaded = true;
    skipNextRestart = true;
    resetStatusColors();
    windowSuccesses = 0;
    windowShots = 0;
    totalShots = 0;
    totalSuccesses = 0;
    lastShotsIndex = 0;
    gameWrapper->RegisterDrawable([this](CanvasWrapper canvas) { renderStatus(canvas); });
    gameWrapper->HookEventWithCaller<ActorWrapper>(
        game_function::roundChanged, [](ActorWrapper caller, void*, std::string) { onRoundChanged(caller); });
    gameWrapper->HookEvent(game_function::carHitBall, [this](std::string) { onCarHitBall(*this); });
    gameWrapper->HookEvent(game_function::ballExploded, [this](std::string) { onBallExploded(*this); });
    gameWrapper->HookEvent(game_function::goalScored, [this](std::string) { onGoalScored(*this); });
    gameWrapper->HookEventPost(game_function::controllerRestart,
                               [this](std::string) { onControllerRestart(*this); });
}

void Kadenzo::resetStatusColors() {
    statusColors.fill(markerNotTaken);
}

int Kadenzo::countLastShotsSuccesses() const {
    int successes = 0;
    for (const bool success : lastShots)
        successes += success ? 1 : 0;
    return successes;
}
