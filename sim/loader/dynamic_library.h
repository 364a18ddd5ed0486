// A loaded module (shared object or DLL), closed when the handle goes away.
#pragma once

#include <memory>
#include <string>

namespace kadenzo::sim {

class DynamicLibrary {
public:
    // Checks the file first: it must be a regular file and a complete module of the platform's format.
    // Throws std::runtime_error "cannot load module PATH: REASON" when the check or the system's loader
    // refuses it.
    explicit DynamicLibrary(const std::string& path);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // The address of an exported symbol, or null.
    void* symbol(const char* name) const;
    const std::string& path() const { return modulePath; }

private:
    std::string modulePath;
    void* handle = nullptr;
};

// Checks the file at PATH as DynamicLibrary does before loading it, and loads nothing: throws
// std::runtime_error "cannot load module PATH: REASON" unless it is a regular file and a complete module
// of the platform's format. Runs none of the module's code.
void checkModuleFile(const std::string& path);

} // namespace kadenzo::sim
