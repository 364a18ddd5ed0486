#include "game_simulation.h"

#include <cstdint>
#include <cstring>

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

bool isTrainingEditorFunction(const std::string& functionName) {
    return functionName.rfind("Function TAGame.GameEvent_TrainingEditor_TA.", 0) == 0;
}

} // namespace

const char* gameFunctionOfShorthand(const std::string& word) {
    for (const Shorthand& shorthand : shorthands)
        if (word == shorthand.word) return shorthand.functionName;
    return nullptr;
}

std::optional<std::size_t> firstInvalidAttemptCode(const std::string& codes) {
    const std::size_t position = codes.find_first_not_of("GTXNE");
    if (position == std::string::npos) return std::nullopt;
    return position;
}

GameSimulation::GameSimulation(halvex::host::HostState& host) : host(host) {}

void GameSimulation::fire(const std::string& functionName) {
    ActorWrapper caller;
    if (isTrainingEditorFunction(functionName) && host.inCustomTraining())
        caller = ActorWrapper(reinterpret_cast<std::uintptr_t>(&trainingEditor));
    host.fireEvent(functionName, caller, nullptr);
}

void GameSimulation::playAttempt(char code) {
    switch (code) {
    case 'G':
        fire(game_function::goalScored);
        break;
    case 'T':
        fire(game_function::carHitBall);
        fire(game_function::ballExploded);
        break;
    case 'X':
        fire(game_function::ballExploded);
        break;
    case 'E':
        fire(game_function::ballExploded);
        fire(game_function::goalScored);
        break;
    default:
        break;
    }
    fire(game_function::controllerRestart);
}

void GameSimulation::renderCanvas() {
    frame = std::make_unique<halvex::host::Canvas>(host, size);
    host.renderFrame(*frame);
}

} // namespace kadenzo::sim
