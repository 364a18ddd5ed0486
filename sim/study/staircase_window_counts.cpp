#include "study/staircase_window_counts.h"

namespace kadenzo::study {

std::array<double, attemptsPerWindow + 1> windowCountChances(double successChance) {
    const double p = successChance;
    const double q = 1.0 - successChance;
    // p^c and q^(10 - c) by repeated products, and the binomial coefficients of ten.
    std::array<double, attemptsPerWindow + 1> pPowers{};
    std::array<double, attemptsPerWindow + 1> qPowers{};
    pPowers[0] = qPowers[0] = 1.0;
    for (int c = 1; c <= attemptsPerWindow; ++c) {
        pPowers[c] = pPowers[c - 1] * p;
        qPowers[c] = qPowers[c - 1] * q;
    }
    std::array<double, attemptsPerWindow + 1> chances{};
    double coefficient = 1.0;
    for (int c = 0; c <= attemptsPerWindow; ++c) {
        chances[c] = coefficient * pPowers[c] * qPowers[attemptsPerWindow - c];
        coefficient = coefficient * (attemptsPerWindow - c) / (c + 1);
    }
    return chances;
}

} // namespace kadenzo::study
