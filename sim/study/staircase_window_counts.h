// The chance of each count of successes in a window of ten attempts, each a success with the same
// chance: the binomial distribution of ten trials.
#pragma once

#include <array>

namespace kadenzo::study {

inline constexpr int attemptsPerWindow = 10;

std::array<double, attemptsPerWindow + 1> windowCountChances(double successChance);

} // namespace kadenzo::study
