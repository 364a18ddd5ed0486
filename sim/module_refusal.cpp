// The reasons for refusing a module path that names no regular file, the same on every platform.
#include "module_refusal.h"

#include <iterator>

namespace kadenzo::sim {

namespace {

// Indexed by ModuleFileKind.
constexpr const char* reasons[] = {
    nullptr,
    "no such file",
    "it is a folder",
    // Rationale: reading a FIFO waits for a writer, so the loader would wait for ever.
    "it is a FIFO",
    "it is a device",
    "it is a socket",
    "too many levels of symbolic links",
    "it is not a regular file",
};
static_assert(std::size(reasons) == static_cast<std::size_t>(ModuleFileKind::other) + 1,
              "one reason per kind of path");

} // namespace

const char* refusalReason(ModuleFileKind kind) {
    return reasons[static_cast<std::size_t>(kind)];
}

} // namespace kadenzo::sim
