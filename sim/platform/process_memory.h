// How much memory this process holds, for the validator's figures. process_memory_posix.cpp (Linux's
// /proc) and process_memory_windows.cpp implement it; the build picks one.
#pragma once

#include <cstdint>
#include <optional>

namespace kadenzo::platform {

// The memory of this process resident in RAM (its working set on Windows), in KiB. No value when the
// system does not say.
std::optional<std::uint64_t> residentMemoryKiB();

} // namespace kadenzo::platform
