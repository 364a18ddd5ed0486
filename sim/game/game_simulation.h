// The simulated game around the plugin: whether the player is in custom training, the game functions
// it calls, the attempts a player makes, and the frames it renders with a canvas.
#pragma once

#include "canvas.h"
#include "game/attempt_codes.h"
#include "host_state.h"

#include "halvex/game_functions.h"

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
    std::unique_ptr<halvex::host::Canvas> frame;
};

} // namespace kadenzo::sim
