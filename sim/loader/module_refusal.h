// Why a module file is refused before the system's loader sees it: the exception that carries the
// reason, and the reasons for paths that name something other than a regular file.
#pragma once

#include "platform/files.h"

#include <stdexcept>

namespace kadenzo::sim {

// The reason alone ("it is a FIFO"); whoever catches it names the module.
class ModuleRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Why a module path naming this kind of file (links followed) cannot be loaded ("it is a folder"); null
// for a regular file, the only kind that can.
const char* refusalReason(platform::FileKind kind);

// Why a path whose links lead round in a circle cannot be loaded.
inline constexpr const char* linkLoopReason = "too many levels of symbolic links";

} // namespace kadenzo::sim
