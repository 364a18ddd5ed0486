// Why the game speed is where it is, for the people reading a session's report: what the coach is set to,
// and why a window left the speed where it was. Worked out from what the host observes (the plugin's
// console variables, whether the game is in custom training, the window's attempts) by the rule the
// plugin states (speed_controller.h), never from the plugin's own fields.
#pragma once

#include "pictures/ten_attempt_windows.h"

#include "host_state.h"

#include <optional>
#include <string>

namespace kadenzo::sim {

// The plugin's settings as the host holds them, and the game's state, at one moment.
struct CoachSettings {
    float targetAccuracy = 0.0f; // idealAccuracy
    float speedStep = 0.0f;      // slowMoSpeedIncrement
    int lowestPercent = 0;       // slowMoMinSpeed, in percent of the normal speed
    int highestPercent = 0;      // slowMoMaxSpeed
    bool enabled = false;        // slowMoEnabled
    bool inCustomTraining = false;
};

// What HOST holds now; none when the plugin has not registered one of those variables.
std::optional<CoachSettings> coachSettingsOf(const halvex::host::HostState& host);

// "target accuracy 0.7, speed step 0.05, limits 0.5 to 1.5 (plugin enabled, custom training)"
std::string describeCoachSettings(const CoachSettings& settings);

// Why WINDOW, closed under SETTINGS, left the game speed as it was, when its accuracy was not the reason:
// "held: the plugin is disabled", "held: the game is not in custom training", "held at the upper limit
// 1.5", "held: a step to 1.55 would pass the upper limit 1.5" (and the same for the lower). None when
// the speed moved, or when the window's accuracy was near enough the target to leave it.
std::optional<std::string> heldSpeedReason(const CoachSettings& settings, const TenAttemptWindow& window);

} // namespace kadenzo::sim
