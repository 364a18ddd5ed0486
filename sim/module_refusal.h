// Why a module file is refused before the system's loader sees it: the exception that carries the
// reason, and the reasons for paths that name something other than a regular file.
#pragma once

#include <stdexcept>

namespace kadenzo::sim {

// The reason alone ("it is a FIFO"); whoever catches it names the module.
class ModuleRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a module path names once symbolic links are followed.
enum class ModuleFileKind { regularFile, missing, folder, fifo, device, socket, linkLoop, other };

// Why a module of this kind cannot be loaded ("it is a folder"); null for a regular file, the only
// kind that can.
const char* refusalReason(ModuleFileKind kind);

} // namespace kadenzo::sim
