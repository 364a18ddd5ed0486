#include "game/attempt_codes.h"

#include <iterator>

namespace kadenzo::sim {

namespace {

struct AttemptCode {
    char letter;
    std::vector<const char*> ballEvents;
};

const AttemptCode attemptCodes[] = {
    {'G', {game_function::goalScored}},
    {'T', {game_function::carHitBall, game_function::ballExploded}},
    {'X', {game_function::ballExploded}},
    {'N', {}},
    {'E', {game_function::ballExploded, game_function::goalScored}},
};
static_assert(std::size(attemptCodes) == std::size(attemptCodeLetters) - 1, "one row per letter");

} // namespace

const std::vector<const char*>& ballEventsOfAttempt(char code) {
    static const std::vector<const char*> none;
    for (const AttemptCode& attempt : attemptCodes)
        if (attempt.letter == code) return attempt.ballEvents;
    return none;
}

std::optional<std::size_t> firstInvalidAttemptCode(const std::string& codes) {
    const std::size_t position = codes.find_first_not_of(attemptCodeLetters);
    if (position == std::string::npos) return std::nullopt;
    return position;
}

} // namespace kadenzo::sim
