// The simulator's help texts.
#pragma once

#include <string>

namespace kadenzo::sim {

std::string commandLineHelp();
std::string playHelp();
std::string consoleHelp();

} // namespace kadenzo::sim
