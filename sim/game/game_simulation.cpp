// The simulated game: the console's shorthands for game functions, firing them, attempts and frames.
#include "game/game_simulation.h"

#include <cstdint>
#include <cstring>
#include <iterator>
#include <utility>

namespace kadenzo::sim {

namespace {

struct Shorthand {
    const char* word;
    const char* functionName;
};

constexpr Shorthand shorthands[] = {
    {"loadround", game_function::loadRound},       {"roundchanged", game_function::roundChanged},
    {"destroyed", game_function::editorDestroyed}, {"touch", game_function::carHitBall},
    {"explode", game_function::ballExploded},      {"goal", game_function::goalScored},
    {"restart", game_function::controllerRestart},
};
// One shorthand for each game function of halvex/game_functions.h.
static_assert(std::size(shorthands) == 7);

bool isBallEvent(std::string_view functionName) {
    return functionName == game_function::goalScored || functionName == game_function::ballExploded ||
           functionName == game_function::carHitBall;
}

bool isTrainingEditorFunction(std::string_view functionName) {
    return functionName.rfind("Function TAGame.GameEvent_TrainingEditor_TA.", 0) == 0;
}

} // namespace

const char* gameFunctionOfShorthand(const std::string& word) {
    for (const Shorthand& shorthand : shorthands)
        if (word == shorthand.word) return shorthand.functionName;
    return nullptr;
}

std::vector<const char*> gameShorthandWords() {
    std::vector<const char*> words;
    for (const Shorthand& shorthand : shorthands)
        words.push_back(shorthand.word);
    return words;
}

std::vector<const char*> gameFunctions() {
    std::vector<const char*> functions;
    for (const Shorthand& shorthand : shorthands)
        functions.push_back(shorthand.functionName);
    return functions;
}

GameSimulation::GameSimulation(halvex::host::HostState& host) : host(host) {}

void GameSimulation::fire(std::string_view functionName) {
    ActorWrapper caller;
    if (isTrainingEditorFunction(functionName) && host.inCustomTraining())
        caller = ActorWrapper(reinterpret_cast<std::uintptr_t>(&trainingEditor));
    if (functionName != game_function::controllerRestart) {
        if (functionName == game_function::loadRound) roundJustLoaded = true;
        if (functionName == game_function::goalScored) goalInAttempt = true;
        if (isBallEvent(functionName)) ballEventInAttempt = true;
        host.fireEvent(functionName, caller, nullptr);
        return;
    }
    const bool endsAnAttempt = ballEventInAttempt || !roundJustLoaded;
    ObservedAttempt attempt;
    attempt.success = goalInAttempt;
    attempt.speedDuring = gameSpeed();
    goalInAttempt = false;
    ballEventInAttempt = false;
    roundJustLoaded = false;
    host.fireEvent(functionName, caller, nullptr);
    attempt.speedAfter = gameSpeed();
    if (endsAnAttempt && attemptObserver) attemptObserver(attempt);
}

void GameSimulation::observeAttempts(std::function<void(const ObservedAttempt&)> observer) {
    attemptObserver = std::move(observer);
}

float GameSimulation::gameSpeed() const {
    const halvex::host::ConsoleVariable* speed = host.variables().find(gameSpeedVariable);
    return speed ? speed->floatValue() : 1.0f;
}

void GameSimulation::playAttempt(char code) {
    playAttempts(std::string(1, code), [this](const char* functionName) { fire(functionName); });
}

void GameSimulation::renderCanvas() {
    frame = std::make_unique<halvex::host::Canvas>(host, size);
    host.renderFrame(*frame);
}

} // namespace kadenzo::sim
