// Resident memory on Windows: the process's working set.
#include "platform/process_memory.h"

#include <windows.h>

// After windows.h, which it needs; GetProcessMemoryInfo is kernel32's K32GetProcessMemoryInfo here.
#include <psapi.h>

namespace kadenzo::platform {

std::optional<std::uint64_t> residentMemoryKiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return std::nullopt;
    return static_cast<std::uint64_t>(counters.WorkingSetSize) / 1024;
}

} // namespace kadenzo::platform
