// Counts the heap allocations made through C++'s global operator new, for the validator's frame
// budgets. allocation_count_posix.cpp replaces every form of the global operator new and delete to
// count them; allocation_count_windows.cpp counts nothing. The build compiles one of them into each
// program that links kadenzo_validate, as one of the program's own object files (sim/CMakeLists.txt).
#pragma once

#include <cstdint>
#include <optional>

namespace kadenzo::platform {

// Allocations through any form of the global operator new since the program started, by the program
// and by the modules it loaded. No value where they cannot be counted: on Windows a DLL allocates
// through its C++ runtime's operator new, which the program cannot replace.
std::optional<std::uint64_t> heapAllocationCount();

} // namespace kadenzo::platform
