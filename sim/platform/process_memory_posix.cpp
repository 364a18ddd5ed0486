// Resident memory on Linux: the second figure of /proc/self/statm, in pages.
#include "platform/process_memory.h"

#include <unistd.h>

#include <fstream>

namespace kadenzo::platform {

std::optional<std::uint64_t> residentMemoryKiB() {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t totalPages = 0;
    std::uint64_t residentPages = 0;
    if (!(statm >> totalPages >> residentPages)) return std::nullopt;
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) return std::nullopt;
    return residentPages * static_cast<std::uint64_t>(pageSize) / 1024;
}

} // namespace kadenzo::platform
