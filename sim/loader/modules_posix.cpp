// Loading plugin modules on Linux: dlopen for the load, /proc for the executable's folder.
#include "loader/modules.h"

#include "loader/module_refusal.h"

#include <dlfcn.h>
#include <unistd.h>

#include <vector>

namespace kadenzo::sim {

ModuleFormat nativeModuleFormat() {
    return ModuleFormat::elfSharedObjectX86_64;
}

void* loadModule(const std::string& path) {
    // A bare file name would make dlopen search the library path instead of opening that file.
    const std::string openPath = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = ::dlopen(openPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = ::dlerror();
        throw ModuleRefusal(reason ? reason : "unknown error");
    }
    return handle;
}

void unloadModule(void* handle) {
    ::dlclose(handle);
}

void* moduleSymbol(void* handle, const char* name) {
    return ::dlsym(handle, name);
}

std::string executableDirectory() {
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) return ".";
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

const char* pluginModuleFileName() {
    return "Kadenzo.so";
}

} // namespace kadenzo::sim
