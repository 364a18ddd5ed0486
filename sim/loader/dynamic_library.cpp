// A module handed to the system's loader after the portable check of its file; closed when it goes.
#include "loader/dynamic_library.h"

#include "loader/module_refusal.h"
#include "loader/modules.h"
#include "platform/regular_file.h"
#include "plugin_entry.h"

#include <stdexcept>

namespace kadenzo::sim {

namespace {

// A module file's bytes, read where they lie, for the check before loading.
class ModuleFileBytes : public ByteSource {
public:
    explicit ModuleFileBytes(const std::string& path) : file(open(path)) {}

    std::uint64_t size() const override { return file->size(); }
    bool read(std::uint64_t offset, void* out, std::size_t length) const override {
        return file->read(offset, out, length);
    }

private:
    static std::unique_ptr<platform::RegularFile> open(const std::string& path) {
        try {
            return platform::openRegularFile(path);
        } catch (const platform::FileSystemError& error) {
            throw ModuleRefusal(error.what());
        }
    }

    std::unique_ptr<platform::RegularFile> file;
};

// Rationale: the system's loaders map a module straight from its file; a file that is no module of the
// platform's format, or whose loadable parts lie past its end, would make them fail obscurely, wait for
// ever or crash the process. The file is closed again before the loader opens it.
void requireCompleteModule(const std::string& path) {
    const ModuleFileBytes file(path);
    if (const std::optional<std::string> fault = findModuleFormatFault(file, nativeModuleFormat()))
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
        // The system's loader runs the module's own initialisation.
        const halvex::host::PluginEntry entry("the module's initialisation");
        handle = loadModule(path);
    } catch (const ModuleRefusal& refusal) {
        refuse(path, refusal);
    }
}

DynamicLibrary::~DynamicLibrary() {
    const halvex::host::PluginEntry entry("the module's finalisation");
    unloadModule(handle);
}

void* DynamicLibrary::symbol(const char* name) const {
    return moduleSymbol(handle, name);
}

} // namespace kadenzo::sim
