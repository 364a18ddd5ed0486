// The reasons for refusing a path that names no regular file, the same on every platform.
#include "platform/regular_file.h"

#include <iterator>

namespace kadenzo::platform {

namespace {

// Indexed by FileKind.
constexpr const char* reasons[] = {
    "no such file",
    nullptr,
    "it is a folder",
    "it is a symbolic link",
    "it is a device",
    // Rationale: reading a FIFO waits for a writer, so a reader would wait for ever.
    "it is a FIFO",
    "it is a socket",
    "it is not a regular file",
};
static_assert(std::size(reasons) == static_cast<std::size_t>(FileKind::other) + 1,
              "one reason per kind of file");

} // namespace

const char* notRegularFileReason(FileKind kind) {
    return reasons[static_cast<std::size_t>(kind)];
}

} // namespace kadenzo::platform
