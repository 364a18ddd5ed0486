// One input of the console fuzzer: its lines run through a console with the plugin module loaded
// afresh, in a scratch folder. Shared by the libFuzzer target and by the replay of kept crashers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kadenzo::fuzz {

// Once per process, before the first input: makes a scratch folder (removed at a normal exit) and keeps
// the plugin module beside the program mapped (see console_input.cpp). Ends the process with a message
// when either cannot be had.
void prepareConsoleInputs();

// Runs the input's lines as the console runs typed lines, going on after an error: in the scratch
// folder, a new simulator with the plugin loaded, each line executed, the console shut down; then the
// folder is emptied and the process is back in the folder it was in. A ConsoleError is the console
// refusing a line; any other exception escapes, as a fault. Inputs that ask for more than the bounds in
// console_input.cpp are not run.
void runConsoleInput(const std::uint8_t* data, std::size_t size);

} // namespace kadenzo::fuzz
