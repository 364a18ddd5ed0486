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

// NAME=FROM:TO:STEP. Throws ConsoleError naming --sweep and calling each refusal by what it is: a name
// that is no setting the controller reads and no skill of the player; a part that is no number, NaN,
// infinite, too large for a double, subnormal or too small for one; a step that is 0 or negative; FROM
// above TO; FROM or TO beyond the name's range (a setting's in plugin/settings_table.h, compared as the
// float it holds; a skill's as the player's options take it); a FROM, TO or STEP with a fraction for a
// setting the plugin holds in an integer cell; and more than mostSweepPoints points, said as "more than
// 1,000 points".
Sweep parseSweep(const std::string& text);

// The points of the sweep: FROM + i x STEP for i = 0, 1, ... up to TO, never beyond it. A point within a
// millionth of STEP of TO is TO itself, so that 0.5:0.9:0.05 has nine and ends at 0.9, and
// 100:200:100.00005 ends at 200; every point lies within the name's range when FROM and TO do.
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
std::string sweepWholeSettingNames(); // the settings swept in whole numbers: those of an integer cell
std::string sweepSkillNames();
std::string sweepNames();

} // namespace kadenzo::study
