// The simulator's help texts.
#pragma once

#include <string>

namespace kadenzo::sim {

std::string commandLineHelp();
std::string playHelp();
// `kadenzo-sim window --help`, without the window's own commands (window_session.h adds them).
std::string windowHelp();
std::string consoleHelp();

} // namespace kadenzo::sim
