// Why a module file is refused before, or by, the system's loader: the exception that carries the
// reason.
#pragma once

#include <stdexcept>

namespace kadenzo::sim {

// The reason alone ("it is a FIFO"); whoever catches it names the module.
class ModuleRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kadenzo::sim
