// Whether kadenzo-sim talks to a person. terminal_posix.cpp and terminal_windows.cpp implement it; the
// build picks one.
#pragma once

namespace kadenzo::platform {

// True when standard input is a terminal (a console on Windows), not a file or a pipe.
bool standardInputIsTerminal();

} // namespace kadenzo::platform
