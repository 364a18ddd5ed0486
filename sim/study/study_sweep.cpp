// Reading a sweep and the points it makes.
#include "study/study_sweep.h"

#include "command_words.h"
#include "console_variables.h"
#include "play/player_options.h"
#include "settings_table.h"

#include <fmt/format.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace kadenzo::study {

namespace {

using sim::ConsoleError;

// The player's skills a sweep takes, by the name of their option without its dashes.
struct Skill {
    const char* name;
    double sim::PlayerParameters::*field;
    sim::RealRange range;
};
const Skill skills[] = {
    {"comfort-speed", &sim::PlayerParameters::comfortSpeed, sim::comfortSpeedRange},
    {"spread", &sim::PlayerParameters::spread, sim::spreadRange},
    // Above 0: the least that is checked is a float's least step above it.
    {"peak", &sim::PlayerParameters::peak, {1e-6, 1.0}},
};

const Skill* skillNamed(const std::string& name) {
    for (const Skill& skill : skills)
        if (name == skill.name) return &skill;
    return nullptr;
}

// The settings the controller reads: the numeric ones, which have a range.
const Setting* settingNamed(const std::string& name) {
    for (const Setting& setting : settingsTable)
        if (setting.hasMin && setting.hasMax && name == setting.name) return &setting;
    return nullptr;
}

// Rationale: strtod rather than std::from_chars, whose reading of floating-point numbers Wine's
// msvcp140.dll lacks; numbers keep the C locale. Blanks around it, hexadecimal and what a double cannot
// hold are refused.
std::optional<double> parseNumber(const std::string& text) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front())) ||
        text.find_first_of("xX") != std::string::npos)
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    return value;
}

double requireNumber(const std::string& text, const std::string& sweep, const char* part) {
    const std::optional<double> value = parseNumber(text);
    if (!value) throw ConsoleError(fmt::format("--sweep {}: {} \"{}\" is not a number", sweep, part, text));
    return *value;
}

void refuseBeyondRange(const Sweep& sweep, double value, const std::string& least, const std::string& most) {
    throw ConsoleError(fmt::format("--sweep {}: {} is beyond its range {} to {}", sweep.name,
                                   sweepValueText(value), least, most));
}

void requireInSkillRange(const Sweep& sweep, double value, const Skill& skill) {
    if (value < skill.range.least || value > skill.range.most)
        refuseBeyondRange(sweep, value, sweepValueText(skill.range.least), sweepValueText(skill.range.most));
}

// Rationale: compared as the float the console variable will hold, so that a setting's own bounds
// (0.001, a float a little above the double 0.001) are within its range.
void requireInSettingRange(const Sweep& sweep, double value, const Setting& setting) {
    const float held = static_cast<float>(value);
    if (held < setting.min || held > setting.max)
        refuseBeyondRange(sweep, value, halvex::host::formatConsoleFloat(setting.min),
                          halvex::host::formatConsoleFloat(setting.max));
}

void requireInRange(const Sweep& sweep, double value, const Skill* skill, const Setting* setting) {
    if (skill)
        requireInSkillRange(sweep, value, *skill);
    else
        requireInSettingRange(sweep, value, *setting);
}

// Counted in doubles: a tiny step makes more points than any integer holds. The millionth of a step
// keeps TO itself when FROM + k x STEP rounds a little short of it.
double pointCount(const Sweep& sweep) {
    return std::floor((sweep.to - sweep.from) / sweep.step + 1e-6) + 1.0;
}

} // namespace

std::string sweepSettingNames() {
    std::string names;
    for (const Setting& setting : settingsTable)
        if (setting.hasMin && setting.hasMax) names += std::string(names.empty() ? "" : ", ") + setting.name;
    return names;
}

std::string sweepSkillNames() {
    std::string names;
    for (const Skill& skill : skills)
        names += std::string(names.empty() ? "" : ", ") + skill.name;
    return names;
}

std::string sweepNames() {
    return sweepSettingNames() + ", " + sweepSkillNames();
}

Sweep parseSweep(const std::string& text) {
    const std::size_t equals = text.find('=');
    const std::size_t firstColon = text.find(':', equals == std::string::npos ? 0 : equals);
    const std::size_t secondColon =
        firstColon == std::string::npos ? std::string::npos : text.find(':', firstColon + 1);
    if (equals == std::string::npos || equals == 0 || secondColon == std::string::npos)
        throw ConsoleError(fmt::format("--sweep needs NAME=FROM:TO:STEP, not \"{}\"", text));
    Sweep sweep;
    sweep.name = text.substr(0, equals);
    const Skill* skill = skillNamed(sweep.name);
    const Setting* setting = settingNamed(sweep.name);
    if (!skill && !setting)
        throw ConsoleError(fmt::format("--sweep: nothing that can be swept is named \"{}\" (the names: {})",
                                       sweep.name, sweepNames()));
    sweep.from = requireNumber(text.substr(equals + 1, firstColon - equals - 1), sweep.name, "FROM");
    sweep.to = requireNumber(text.substr(firstColon + 1, secondColon - firstColon - 1), sweep.name, "TO");
    sweep.step = requireNumber(text.substr(secondColon + 1), sweep.name, "STEP");
    if (!(sweep.step > 0.0))
        throw ConsoleError(fmt::format("--sweep {}: the step must be above 0, not {}", sweep.name,
                                       sweepValueText(sweep.step)));
    if (sweep.from > sweep.to)
        throw ConsoleError(fmt::format("--sweep {}: FROM {} is above TO {}", sweep.name,
                                       sweepValueText(sweep.from), sweepValueText(sweep.to)));
    requireInRange(sweep, sweep.from, skill, setting);
    requireInRange(sweep, sweep.to, skill, setting);
    const double points = pointCount(sweep);
    if (points > static_cast<double>(mostSweepPoints))
        throw ConsoleError(fmt::format("--sweep {}: {}:{}:{} makes {:.0f} points, more than {}", sweep.name,
                                       sweepValueText(sweep.from), sweepValueText(sweep.to),
                                       sweepValueText(sweep.step), points, mostSweepPoints));
    return sweep;
}

std::vector<double> sweepValues(const Sweep& sweep) {
    std::vector<double> values;
    const auto count = static_cast<long long>(pointCount(sweep));
    for (long long index = 0; index < count; ++index)
        values.push_back(sweep.from + static_cast<double>(index) * sweep.step);
    return values;
}

bool sweepsSkill(const Sweep& sweep) {
    return skillNamed(sweep.name) != nullptr;
}

sim::PlayerParameters playerAt(const Sweep& sweep, const sim::PlayerParameters& player, double value) {
    sim::PlayerParameters at = player;
    if (const Skill* skill = skillNamed(sweep.name)) at.*(skill->field) = value;
    return at;
}

std::vector<std::pair<std::string, std::string>>
settingsAt(const Sweep& sweep, const std::vector<std::pair<std::string, std::string>>& settings,
           double value) {
    std::vector<std::pair<std::string, std::string>> at = settings;
    if (!sweepsSkill(sweep)) at.emplace_back(sweep.name, sweepValueText(value));
    return at;
}

std::string sweepValueText(double value) {
    const double rounded = std::stod(fmt::format("{:.9g}", value));
    return fmt::format("{}", rounded);
}

} // namespace kadenzo::study
