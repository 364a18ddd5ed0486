// What `kadenzo-sim study` sweeps: one of the plugin's numeric settings or one of the player's skills,
// from a value to another in even steps.
#pragma once

#include "game/player_model.h"

#include <string>
#include <utility>
#include <vector>

namespace kadenzo::study {

// The most points a sweep may have.
constexpr long long mostSweepPoints = 1000;

struct Sweep {
    std::string name = "idealAccuracy"; // a setting's name, or comfort-speed, spread or peak
    double from = 0.5;
    double to = 0.9;
    double step = 0.05;
};

// NAME=FROM:TO:STEP. Throws ConsoleError naming --sweep for a name that is no setting the controller
// reads and no skill of the player, a value that is no number or lies beyond the name's range, a step
// that is not above zero, FROM above TO, and more than mostSweepPoints points.
Sweep parseSweep(const std::string& text);

// The values of the sweep, FROM first; TO is among them when the steps reach it (to within a
// millionth of a step, so that 0.5:0.9:0.05 has nine).
std::vector<double> sweepValues(const Sweep& sweep);

// Whether the sweep is of one of the player's skills rather than of a setting.
bool sweepsSkill(const Sweep& sweep);

// The player with the swept skill at VALUE (PLAYER itself for a sweep of a setting).
sim::PlayerParameters playerAt(const Sweep& sweep, const sim::PlayerParameters& player, double value);

// The --set pairs of a point: SETTINGS, then the swept setting at VALUE (for a sweep of a setting).
std::vector<std::pair<std::string, std::string>>
settingsAt(const Sweep& sweep, const std::vector<std::pair<std::string, std::string>>& settings,
           double value);

// VALUE as the sweep shows it: the shortest text that reads back as the same double rounded to nine
// digits ("0.65", not "0.6500000000000001").
std::string sweepValueText(double value);

// The names a sweep takes: the settings', the skills', and both, as the help and the messages list them.
std::string sweepSettingNames();
std::string sweepSkillNames();
std::string sweepNames();

} // namespace kadenzo::study
