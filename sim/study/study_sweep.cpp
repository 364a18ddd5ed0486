// Reading a sweep and the points it makes.
//
// Index of this file:
// - What can be swept: the skills and the settings
// - Reading FROM, TO and STEP
// - Ranges
// - Points
// - The sweep
#include "study/study_sweep.h"

#include "command_words.h"
#include "console_variables.h"
#include "number_text.h"
#include "play/player_options.h"
#include "settings_table.h"
#include "study/readable_numbers.h"

#include <fmt/format.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kadenzo::study {

namespace {

using sim::ConsoleError;

// ---- What can be swept: the skills and the settings ----------------------------------------------

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

// ---- Reading FROM, TO and STEP ------------------------------------------------------------------

// What a part of FROM:TO:STEP reads as: a number, or why it is none a sweep can take.
enum class Reading { number, notANumber, nan, infinite, tooLarge, subnormal, tooSmall };

struct ReadNumber {
    Reading reading = Reading::notANumber;
    double value = 0.0;
};

// Rationale: strtod rather than std::from_chars, whose reading of floating-point numbers Wine's
// msvcp140.dll lacks; numbers keep the C locale. Blanks around it and hexadecimal are no number; a
// number beyond a double's normal numbers (too large, subnormal, or too small to be anything but 0) is
// named as such, not taken, as it has lost what was written. Told by the text and the value rather than
// errno, which C libraries set differently for subnormals: digits that read as infinite are too large,
// and a nonzero digit before the exponent that reads as 0 too small.
ReadNumber readNumber(const std::string& text) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front())) ||
        text.find_first_of("xX") != std::string::npos)
        return {};
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return {};
    const bool digits = text.find_first_of("0123456789") != std::string::npos;
    const bool nonzeroDigit =
        text.substr(0, text.find_first_of("eE")).find_first_of("123456789") != std::string::npos;
    if (std::isnan(value)) return {Reading::nan, value};
    if (std::isinf(value)) return {digits ? Reading::tooLarge : Reading::infinite, value};
    if (std::fpclassify(value) == FP_SUBNORMAL) return {Reading::subnormal, value};
    if (value == 0.0 && nonzeroDigit) return {Reading::tooSmall, value};
    return {Reading::number, value + 0.0}; // -0 is 0
}

// Why a reading other than a number is none, after "PART": each called by what it is.
std::string refusalOf(const ReadNumber& read, const std::string& text) {
    switch (read.reading) {
    case Reading::number:
        break;
    case Reading::notANumber:
        return fmt::format("\"{}\" is not a number", text);
    case Reading::nan:
        return "is NaN; a sweep needs finite numbers";
    case Reading::infinite:
        return "is infinite; a sweep needs finite numbers";
    case Reading::tooLarge:
        return fmt::format("is too large for a double (above {:.2g})", std::numeric_limits<double>::max());
    case Reading::subnormal:
        return fmt::format("{} is subnormal, below the least normal double ({:.2g})",
                           sweepValueText(read.value), std::numeric_limits<double>::min());
    case Reading::tooSmall:
        return fmt::format("is too small for a double (below {:.2g}): it reads as 0",
                           std::numeric_limits<double>::denorm_min());
    }
    return {};
}

double requireNumber(const std::string& text, const std::string& sweep, const char* part) {
    const ReadNumber read = readNumber(text);
    if (read.reading != Reading::number)
        throw ConsoleError(fmt::format("--sweep {}: {} {}", sweep, part, refusalOf(read, text)));
    return read.value;
}

void requireStepAboveZero(const Sweep& sweep) {
    if (sweep.step == 0.0)
        throw ConsoleError(fmt::format("--sweep {}: STEP is 0; the step must be above 0", sweep.name));
    if (sweep.step < 0.0)
        throw ConsoleError(fmt::format("--sweep {}: STEP {} is negative; the step must be above 0",
                                       sweep.name, sweepValueText(sweep.step)));
}

// ---- Ranges --------------------------------------------------------------------------------------

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

// A setting the plugin holds in an integer cell is swept in whole numbers: it would truncate a fraction.
void requireWhole(const Sweep& sweep, double value, const char* part) {
    if (value != std::floor(value))
        throw ConsoleError(fmt::format("--sweep {}: {} holds whole numbers; {} {} has a fraction", sweep.name,
                                       sweep.name, part, sweepValueText(value)));
}

// ---- Points --------------------------------------------------------------------------------------

// Rationale: FROM + i x STEP rounds a little off in doubles, so TO itself counts as reached by a point
// within a millionth of a step of it (0.5:0.9:0.05 has nine points), and that point is TO: never beyond it.
constexpr double stepTolerance = 1e-6;

// Counted in doubles: a tiny step makes more points than any integer holds.
double pointCount(const Sweep& sweep) {
    return std::floor((sweep.to - sweep.from) / sweep.step + stepTolerance) + 1.0;
}

} // namespace

// ---- The sweep -----------------------------------------------------------------------------------

std::string sweepSettingNames() {
    std::string names;
    for (const Setting& setting : settingsTable)
        if (setting.hasMin && setting.hasMax) names += std::string(names.empty() ? "" : ", ") + setting.name;
    return names;
}

std::string sweepWholeSettingNames() {
    std::string names;
    for (const Setting& setting : settingsTable)
        if (setting.hasMin && setting.hasMax && setting.cell == SettingCell::integer)
            names += std::string(names.empty() ? "" : ", ") + setting.name;
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
    requireStepAboveZero(sweep);
    if (sweep.from > sweep.to)
        throw ConsoleError(fmt::format("--sweep {}: FROM {} is above TO {}", sweep.name,
                                       sweepValueText(sweep.from), sweepValueText(sweep.to)));
    requireInRange(sweep, sweep.from, skill, setting);
    requireInRange(sweep, sweep.to, skill, setting);
    if (setting && setting->cell == SettingCell::integer) {
        requireWhole(sweep, sweep.from, "FROM");
        requireWhole(sweep, sweep.to, "TO");
        requireWhole(sweep, sweep.step, "STEP");
    }
    if (pointCount(sweep) > static_cast<double>(mostSweepPoints))
        throw ConsoleError(fmt::format("--sweep {}: {}:{}:{} makes more than {} points", sweep.name,
                                       sweepValueText(sweep.from), sweepValueText(sweep.to),
                                       sweepValueText(sweep.step), groupedDigits(mostSweepPoints)));
    return sweep;
}

std::vector<double> sweepValues(const Sweep& sweep) {
    std::vector<double> values;
    const auto count = static_cast<long long>(pointCount(sweep));
    for (long long index = 0; index < count; ++index) {
        const double value = sweep.from + static_cast<double>(index) * sweep.step;
        values.push_back(value >= sweep.to - sweep.step * stepTolerance ? sweep.to : value);
    }
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
    // strtod, not stod, which throws for a subnormal.
    const double rounded = std::strtod(fmt::format("{:.9g}", value).c_str(), nullptr);
    return shortestText(rounded);
}

} // namespace kadenzo::study
