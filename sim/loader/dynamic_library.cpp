// A module handed to the system's loader after the portable check of its file; closed when it goes.
#include "dynamic_library.h"

#include "module_refusal.h"
#include "platform/modules.h"

#include <stdexcept>

namespace kadenzo::sim {

namespace {

// Rationale: the system's loaders map a module straight from its file; a file that is no module of the
// platform's format, or whose loadable parts lie past its end, would make them fail obscurely, wait for
// ever or crash the process. The file is closed again before the loader opens it.
void requireCompleteModule(const std::string& path) {
    const std::unique_ptr<ByteSource> file = platform::openModuleFile(path);
    if (const std::optional<std::string> fault = findModuleFormatFault(*file, platform::nativeModuleFormat()))
        throw ModuleRefusal(*fault);
}

[[noreturn]] void refuse(const std::string& path, const ModuleRefusal& refusal) {
    throw std::runtime_error("cannot load module " + path + ": " + refusal.what());
}

} // namespace

void checkModuleFile(const std::string& path) {
    try {
        requireCompleteModule(path);
    } catch (const ModuleRefusal& refusal) {
        refuse(path, refusal);
    }
}

DynamicLibrary::DynamicLibrary(const std::string& path) : modulePath(path) {
    try {
        requireCompleteModule(path);
        handle = platform::loadModule(path);
    } catch (const ModuleRefusal& refusal) {
        refuse(path, refusal);
    }
}

DynamicLibrary::~DynamicLibrary() {
    platform::unloadModule(handle);
}

void* DynamicLibrary::symbol(const char* name) const {
    return platform::moduleSymbol(handle, name);
}

} // namespace kadenzo::sim
