// The reasons for refusing a module path that names no regular file, the same on every platform.
#include "module_refusal.h"

#include <iterator>

namespace kadenzo::sim {

namespace {

// Indexed by platform::FileKind.
constexpr const char* reasons[] = {
    "no such file",
    nullptr,
    "it is a folder",
    "it is a symbolic link",
    "it is a device",
    // Rationale: reading a FIFO waits for a writer, so the loader would wait for ever.
    "it is a FIFO",
    "it is a socket",
    "it is not a regular file",
};
static_assert(std::size(reasons) == static_cast<std::size_t>(platform::FileKind::other) + 1,
              "one reason per kind of file");

} // namespace

const char* refusalReason(platform::FileKind kind) {
    return reasons[static_cast<std::size_t>(kind)];
}

} // namespace kadenzo::sim
