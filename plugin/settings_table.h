// The thirteen console variables that configure the coach, written once: name, default, description,
// range, the type of the plugin's cell and what that cell holds before the host binds it. The plugin
// registers them from this table (settings_variables.cpp) and its page finds them by these names;
// kadenzo-sim validate checks a module's registrations against it, and small test plugins register
// the same variables from it.
//
// Index of this file:
// - SettingCell, Setting: one variable
// - setting::NAME: each variable by name
// - settingsTable: all of them, in the order the plugin registers them
#pragma once

#include <cstddef>
#include <iterator>

// The type of the plugin's cell a variable is bound to; in the order of the host's cell types.
enum class SettingCell { boolean, integer, real };

struct Setting {
    const char* name;
    const char* defaultText; // as registered; the host sets the variable to it
    const char* description;
    bool hasMin;
    float min;
    bool hasMax;
    float max;
    SettingCell cell;
    // The cell's value from the plugin object's construction until the host binds it, when the cell
    // takes the variable's value. Not the default: a fresh object shows these.
    float initialValue;
    const char* pageLabel; // the label of its widget on the plugin's settings page
};

namespace setting {

constexpr Setting unranged(const char* name, const char* defaultText, const char* description,
                           SettingCell cell, float initialValue, const char* pageLabel) {
    return Setting{name, defaultText, description, false, 0.0f, false, 0.0f, cell, initialValue, pageLabel};
}

constexpr Setting ranged(const char* name, const char* defaultText, const char* description, float min,
                         float max, SettingCell cell, float initialValue, const char* pageLabel) {
    return Setting{name, defaultText, description, true, min, true, max, cell, initialValue, pageLabel};
}

// Descriptions and page labels are kept as the host has always shown them, trailing blanks and doubled
// words included.
inline constexpr Setting slowMoEnabled =
    unranged("slowMoEnabled", "0", "Enable slow motion plugin", SettingCell::boolean, 1.0f, "Enable plugin");
inline constexpr Setting onTouchEnabled =
    unranged("onTouchEnabled", "0", "Count touching the ball as success", SettingCell::boolean, 1.0f,
             "Touching the ball counts as success");
inline constexpr Setting idealAccuracy =
    ranged("idealAccuracy", "0.7", "Accuracy value to aim for ", 0.0f, 1.0f, SettingCell::real, 0.7f,
           "Accuracy threshold at last 10 shots to change speed.");
inline constexpr Setting slowMoSpeedIncrement =
    ranged("slowMoSpeedIncrement", "0.05", "Speed increase/decrease increment.", 0.001f, 0.999f,
           SettingCell::real, 0.1f, "Value of speed increment");
inline constexpr Setting slowMoMaxSpeed = ranged("slowMoMaxSpeed", "150", "Maximum speed limit.", 5.0f,
                                                 200.0f, SettingCell::integer, 120.0f, "Maximum speed limit");
inline constexpr Setting slowMoMinSpeed = ranged("slowMoMinSpeed", "50", "Minimum speed limit", 5.0f, 200.0f,
                                                 SettingCell::integer, 70.0f, "Minimum speed limit.");
inline constexpr Setting showStatus =
    unranged("showStatus", "1", "Show status bar", SettingCell::boolean, 1.0f, "Show status bar");
inline constexpr Setting showGameSpeed =
    unranged("showGameSpeed", "1", "Show game speed", SettingCell::boolean, 1.0f, "Show game speed");
inline constexpr Setting showPrevAccu = unranged("showPrevAccu", "1", "Show previous accuracy",
                                                 SettingCell::boolean, 1.0f, "Show previous accuracy");
inline constexpr Setting showCurrStreak =
    unranged("showCurrStreak", "1", "Show curr streak", SettingCell::boolean, 1.0f, "Show curr streak");
inline constexpr Setting showTotalCount = unranged("showTotalCount", "1", "Show show total shots count",
                                                   SettingCell::boolean, 1.0f, "Show show total shots count");
inline constexpr Setting showtotalAccu = unranged("showtotalAccu", "1", "Show show total accuracy ",
                                                  SettingCell::boolean, 1.0f, "Show show total accuracy");
inline constexpr Setting showLastShotsAccu =
    unranged("showLastShotsAccu", "1", "Show show last 100 shots accuracy ", SettingCell::boolean, 1.0f,
             "Show show last 100 shots accuracy");

} // namespace setting

// Registration order: each is registered and bound before the next.
inline constexpr Setting settingsTable[] = {
    setting::slowMoEnabled,        setting::onTouchEnabled, setting::idealAccuracy,
    setting::slowMoSpeedIncrement, setting::slowMoMaxSpeed, setting::slowMoMinSpeed,
    setting::showStatus,           setting::showGameSpeed,  setting::showPrevAccu,
    setting::showCurrStreak,       setting::showTotalCount, setting::showtotalAccu,
    setting::showLastShotsAccu,
};
inline constexpr std::size_t settingsCount = 13;
static_assert(std::size(settingsTable) == settingsCount, "the coach has thirteen settings");
