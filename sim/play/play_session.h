// `kadenzo-sim play`: a whole training session against the loaded plugin, driven only through the
// host interface (console variables and game events), as the game would drive it.
#pragma once

#include "console/console.h"
#include "pictures/pictures.h"
#include "pictures/ten_attempt_windows.h"
#include "play/attempts_csv.h"
#include "play/play_options.h"
#include "play/session_tally.h"
#include "play/speed_explanation.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

// What a session leaves for its summary and chart; its size does not depend on the number of attempts.
struct SessionResult {
    SessionTally tally;
    TenAttemptWindows windows;
    float targetAccuracy = 0.0f;
    float finalSpeed = 1.0f;
};

// Gets the loaded plugin ready for a session: checks that every --set names a console variable, enables
// the plugin, then gives the --set values (so that --set slowMoEnabled=0 wins). Throws ConsoleError for
// a variable that does not exist or refuses its value; then no value has been given. Returns a line for
// each value its variable's range clamped, as "--set NAME: VALUE is beyond its range ...".
std::vector<std::string> prepareSession(Simulator& simulator, const PlayOptions& options);

// What a session tells as it goes; each may be left empty.
struct SessionEvents {
    // Once training is entered and the round loaded, before the first attempt: the coach's settings then.
    std::function<void(const CoachSettings&)> started;
    // After every closed window, with why it left the speed as it was (heldSpeedReason).
    std::function<void(std::size_t windowIndex, const TenAttemptWindow&,
                       const std::optional<std::string>& held)>
        windowClosed;
    // After every attempt, with the number played so far and how it went.
    std::function<void(long long attemptsPlayed, const AttemptRecord&)> attempted;
};

// After prepareSession: enters custom training, loads a round and plays. Throws ConsoleError when the
// plugin has not registered the variables of its settings.
SessionResult playSession(Simulator& simulator, const PlayOptions& options, const SessionEvents& events);

// The report lines: one per window, with why it held the speed when there is a reason besides its
// accuracy, and the summary.
std::string windowLine(std::size_t windowIndex, const TenAttemptWindow& window,
                       const std::optional<std::string>& held = std::nullopt);
std::string sessionSummary(const SessionResult& result);

// The command as a whole: returns the process's exit status, 2 for bad options (a file that could not
// be written among them, or settings in CONFIGPATH that cannot be used) or a session that could not be
// played, 1 when writing a file failed once the session had started (the settings at exit among them),
// else 0. With a CONFIGPATH, the settings kept there are read before the plugin loads and written once
// it is unloaded (persisted_settings.h).
int runPlay(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
            std::ostream& out, std::ostream& err, const std::string& configPath = {});

} // namespace kadenzo::sim
