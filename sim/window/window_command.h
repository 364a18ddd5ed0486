// `kadenzo-sim window`: Kadenzo in a desktop window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kadenzo::sim {

// The command as a whole (ARGUMENTS are those after "window"): returns the process's exit status, 2 for
// bad options, no window (no display, or none on this platform), a plugin that cannot be loaded, a
// failing script line or a failure at exit; 1 when the screenshot could not be written; else 0. The
// log goes to OUT as the window shows it, errors to ERR. CONFIGPATH, "" for none, is the --config FILE
// taken out of the arguments (persisted_settings.h); writing it at exit may make the status 1.
int runWindow(const std::vector<std::string>& arguments, const std::string& defaultPluginPath,
              std::ostream& out, std::ostream& err, const std::string& configPath = {});

} // namespace kadenzo::sim
