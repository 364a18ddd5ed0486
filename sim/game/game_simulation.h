// The simulated game around the plugin: whether the player is in custom training, the game functions
// it calls, the attempts a player makes, and the frames it renders with a canvas.
#pragma once

#include "canvas.h"
#include "game/attempt_codes.h"
#include "host_state.h"

#include "halvex/game_functions.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kadenzo::sim {

// The game function a console shorthand stands for ("goal", "restart", ...), if it is one.
const char* gameFunctionOfShorthand(const std::string& word);
// Every shorthand, in the order of gameFunctions().
std::vector<const char*> gameShorthandWords();
// Every game function the plugin interface names (halvex/game_functions.h), each once, in the order of
// their shorthands.
std::vector<const char*> gameFunctions();

// An attempt as the game saw it: the ball's events up to the controller's restart that ends it, a
// success when a goal was scored in it.
struct ObservedAttempt {
    bool success = false;
    float speedDuring = 1.0f; // the game speed it was played at
    float speedAfter = 1.0f;  // the game speed once the restart's hooks have run
};

class GameSimulation {
public:
    explicit GameSimulation(halvex::host::HostState& host);

    bool inCustomTraining() const { return host.inCustomTraining(); }
    void setInCustomTraining(bool inTraining) { host.setInCustomTraining(inTraining); }

    // Calls a game function. Training-editor functions run on the editor while training is on, and
    // on no object otherwise.
    void fire(std::string_view functionName);

    // One attempt (attempt_codes.h), then the restart that ends it. The code must have been checked.
    void playAttempt(char code);

    // OBSERVER hears of every attempt that a restart ends, however its events were fired; null for none.
    // After a round loads, a restart before any ball event only puts the ball in place and ends no attempt.
    void observeAttempts(std::function<void(const ObservedAttempt&)> observer);
    // The game speed now (the host's variable).
    float gameSpeed() const;

    Vector2 canvasSize() const { return size; }
    void setCanvasSize(Vector2 newSize) { size = newSize; }
    // Calls every drawable with a fresh canvas, which is kept for pictures until the next frame.
    void renderCanvas();
    const halvex::host::Canvas* lastFrame() const { return frame.get(); }

private:
    halvex::host::HostState& host;
    // Stands in for the training editor's game object: only its address is handed out.
    int trainingEditor = 0;
    Vector2 size{1920, 1080};
    std::function<void(const ObservedAttempt&)> attemptObserver;
    bool goalInAttempt = false;
    bool ballEventInAttempt = false;
    bool roundJustLoaded = false;
    std::unique_ptr<halvex::host::Canvas> frame;
};

} // namespace kadenzo::sim
