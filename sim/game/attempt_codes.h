// Attempts written as one letter each, the way scripts, tests and benchmarks play them:
//   G goal, T touch then explosion, X explosion only, N no ball event, E explosion then goal;
// each attempt ends with the controller's restart. The game functions are the SDK's own names
// (halvex/game_functions.h).
#pragma once

#include "halvex/game_functions.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

// The letters, in the order of the table below.
inline constexpr const char attemptCodeLetters[] = "GTXNE";

// The ball events of one attempt, in order, without the restart that ends it; empty for a letter that is
// not an attempt code.
const std::vector<const char*>& ballEventsOfAttempt(char code);

// The first character of CODES that is not an attempt code.
std::optional<std::size_t> firstInvalidAttemptCode(const std::string& codes);

// Calls FIRE(functionName) for each game function of the attempts in CODES, restarts included. Codes
// must have been checked.
template <typename Fire> void playAttempts(const std::string& codes, Fire&& fire) {
    for (const char code : codes) {
        for (const char* functionName : ballEventsOfAttempt(code))
            fire(functionName);
        fire(game_function::controllerRestart);
    }
}

} // namespace kadenzo::sim
