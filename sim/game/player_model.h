// A simulated player whose chance of success falls as the game speeds up:
//   chance(speed) = peak / (1 + exp((speed - comfortSpeed) / spread))
// Random numbers come from a seeded 64-bit Mersenne Twister, turned into [0, 1) by our own code so
// that every platform draws the same sequence.
#pragma once

#include <cstdint>
#include <random>

namespace kadenzo::sim {

struct PlayerParameters {
    double comfortSpeed = 1.2; // the chance is half the peak here; above 0
    double spread = 0.2;       // how quickly the chance falls around the comfort speed; above 0
    double peak = 0.95;        // the chance at very low speed; above 0, at most 1
};

class PlayerModel {
public:
    PlayerModel(PlayerParameters parameters, std::uint64_t seed);

    // The player's skill may change between attempts (a desktop window adjusts it live); the random
    // numbers go on from where they were.
    const PlayerParameters& skill() const { return parameters; }
    void setSkill(const PlayerParameters& changed) { parameters = changed; }

    double successChance(float gameSpeed) const;
    // Draws one attempt's outcome at the given speed.
    bool attempt(float gameSpeed);

private:
    PlayerParameters parameters;
    std::mt19937_64 random;
};

} // namespace kadenzo::sim
