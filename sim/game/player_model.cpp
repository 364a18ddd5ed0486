#include "game/player_model.h"

#include <cmath>

namespace kadenzo::sim {

PlayerModel::PlayerModel(PlayerParameters parameters, std::uint64_t seed)
    : parameters(parameters), random(seed) {}

double PlayerModel::successChance(float gameSpeed) const {
    return parameters.peak /
           (1.0 + std::exp((static_cast<double>(gameSpeed) - parameters.comfortSpeed) / parameters.spread));
}

bool PlayerModel::attempt(float gameSpeed) {
    // The top 53 bits as a fraction: exactly uniform on the doubles of [0, 1).
    const double draw = static_cast<double>(random() >> 11) * 0x1.0p-53;
    return draw < successChance(gameSpeed);
}

} // namespace kadenzo::sim
