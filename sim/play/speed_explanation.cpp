// What the coach is set to, and why a window left the game speed where it was.
#include "play/speed_explanation.h"

#include "settings_table.h"
#include "speed_controller.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace kadenzo::sim {

namespace {

float speedOfPercent(int percent) {
    return static_cast<float>(percent) / 100.0f;
}

std::string speedText(float speed) {
    return halvex::host::formatConsoleFloat(speed);
}

// The reason for a step the limits dropped. The speed is "at" a limit when it lies within half a step of
// it: there a step of any size in that direction passes it.
std::string limitReason(const CoachSettings& settings, float speed, float stepped) {
    const bool upper = !withinSpeedLimits(stepped, std::numeric_limits<int>::min(), settings.highestPercent);
    const char* side = upper ? "upper" : "lower";
    const float limit = speedOfPercent(upper ? settings.highestPercent : settings.lowestPercent);
    if (std::fabs(speed - limit) < std::fabs(settings.speedStep) / 2.0f)
        return fmt::format("held at the {} limit {}", side, speedText(limit));
    return fmt::format("held: a step to {} would pass the {} limit {}", speedText(stepped), side,
                       speedText(limit));
}

} // namespace

std::optional<CoachSettings> coachSettingsOf(const halvex::host::HostState& host) {
    const halvex::host::ConsoleVariables& variables = host.variables();
    const halvex::host::ConsoleVariable* target = variables.find(setting::idealAccuracy.name);
    const halvex::host::ConsoleVariable* step = variables.find(setting::slowMoSpeedIncrement.name);
    const halvex::host::ConsoleVariable* lowest = variables.find(setting::slowMoMinSpeed.name);
    const halvex::host::ConsoleVariable* highest = variables.find(setting::slowMoMaxSpeed.name);
    const halvex::host::ConsoleVariable* enabled = variables.find(setting::slowMoEnabled.name);
    if (!target || !step || !lowest || !highest || !enabled) return std::nullopt;
    return CoachSettings{target->floatValue(), step->floatValue(),   lowest->intValue(),
                         highest->intValue(),  enabled->boolValue(), host.inCustomTraining()};
}

std::string describeCoachSettings(const CoachSettings& settings) {
    return fmt::format("target accuracy {}, speed step {}, limits {} to {} (plugin {}, {})",
                       speedText(settings.targetAccuracy), speedText(settings.speedStep),
                       speedText(speedOfPercent(settings.lowestPercent)),
                       speedText(speedOfPercent(settings.highestPercent)),
                       settings.enabled ? "enabled" : "disabled",
                       settings.inCustomTraining ? "custom training" : "not in custom training");
}

std::optional<std::string> heldSpeedReason(const CoachSettings& settings, const TenAttemptWindow& window) {
    const float speed = window.speedDuring;
    if (!(window.speedAfter == speed)) return std::nullopt;
    if (!settings.enabled) return std::string("held: the plugin is disabled");
    if (!settings.inCustomTraining) return std::string("held: the game is not in custom training");
    const int steps = windowSpeedSteps(window.successes, settings.targetAccuracy);
    if (steps == 0) return std::nullopt;
    const std::optional<std::int64_t> landing = steppedMillionths(speed, steps, settings.speedStep);
    if (landing && withinSpeedLimits(*landing, settings.lowestPercent, settings.highestPercent))
        return std::nullopt;
    // A step to a speed that is not finite passes the limit it heads for.
    const float stepped = landing ? speedOfMillionths(*landing) : steppedSpeed(speed, steps, settings.speedStep);
    return limitReason(settings, speed, stepped);
}

} // namespace kadenzo::sim
