// Heap allocations on Windows are not counted: each DLL's operator new is its C++ runtime's (or the
// DLL's own), bound when the DLL is linked, so replacing the program's would count only the host's
// side and none of the plugin's.
#include "platform/allocation_count.h"

namespace kadenzo::platform {

std::optional<std::uint64_t> heapAllocationCount() {
    return std::nullopt;
}

} // namespace kadenzo::platform
