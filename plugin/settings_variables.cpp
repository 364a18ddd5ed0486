#include "settings_variables.h"

#include "Kadenzo.h"

#include <memory>

namespace {

struct SettingDefinition {
    const char* name;
    const char* defaultText;
    const char* description;
    bool hasMin;
    float min;
    bool hasMax;
    float max;
};

constexpr SettingDefinition noRange(const char* name, const char* defaultText, const char* description) {
    return SettingDefinition{name, defaultText, description, false, 0.0f, false, 0.0f};
}

constexpr SettingDefinition ranged(const char* name, const char* defaultText, const char* description,
                                   float min, float max) {
    return SettingDefinition{name, defaultText, description, true, min, true, max};
}

// Each registration is finished (registered, bound, wrapper dropped) before the next begins.
template <typename Value>
void registerAndBind(CVarManagerWrapper& console, const SettingDefinition& setting,
                     const std::shared_ptr<Value>& cell) {
    const CVarWrapper variable =
        console.registerCvar(setting.name, setting.defaultText, setting.description, true, setting.hasMin,
                             setting.min, setting.hasMax, setting.max, true);
    variable.bindTo(cell);
}

} // namespace

void registerSettingsVariables(Kadenzo& plugin) {
    CVarManagerWrapper& console = *plugin.cvarManager;
    registerAndBind(console, noRange("slowMoEnabled", "0", "Enable slow motion plugin"),
                    plugin.slowMoEnabled);
    registerAndBind(console, noRange("onTouchEnabled", "0", "Count touching the ball as success"),
                    plugin.onTouchEnabled);
    registerAndBind(console, ranged("idealAccuracy", "0.7", "Accuracy value to aim for ", 0.0f, 1.0f),
                    plugin.idealAccuracy);
    registerAndBind(
        console, ranged("slowMoSpeedIncrement", "0.05", "Speed increase/decrease increment.", 0.001f, 0.999f),
        plugin.slowMoSpeedIncrement);
    registerAndBind(console, ranged("slowMoMaxSpeed", "150", "Maximum speed limit.", 5.0f, 200.0f),
                    plugin.slowMoMaxSpeed);
    registerAndBind(console, ranged("slowMoMinSpeed", "50", "Minimum speed limit", 5.0f, 200.0f),
                    plugin.slowMoMinSpeed);
    registerAndBind(console, noRange("showStatus", "1", "Show status bar"), plugin.showStatus);
    registerAndBind(console, noRange("showGameSpeed", "1", "Show game speed"), plugin.showGameSpeed);
    registerAndBind(console, noRange("showPrevAccu", "1", "Show previous accuracy"), plugin.showPrevAccu);
    registerAndBind(console, noRange("showCurrStreak", "1", "Show curr streak"), plugin.showCurrStreak);
    registerAndBind(console, noRange("showTotalCount", "1", "Show show total shots count"),
                    plugin.showTotalCount);
    registerAndBind(console, noRange("showtotalAccu", "1", "Show show total accuracy "),
                    plugin.showtotalAccu);
    registerAndBind(console, noRange("showLastShotsAccu", "1", "Show show last 100 shots accuracy "),
                    plugin.showLastShotsAccu);
}
