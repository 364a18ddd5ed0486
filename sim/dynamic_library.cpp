#include "dynamic_library.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace kadenzo::sim {

namespace {

// The loaders' own messages for a missing file differ by platform and say little; this one is the same.
void requireModuleFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::u8path(path), error);
    if (!std::filesystem::exists(status))
        throw std::runtime_error("cannot load module " + path + ": no such file");
    if (std::filesystem::is_directory(status))
        throw std::runtime_error("cannot load module " + path + ": it is a folder");
}

} // namespace

#if defined(_WIN32)

namespace {

std::string systemErrorText(DWORD code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length ? std::string(buffer, length) : "error " + std::to_string(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text;
}

} // namespace

DynamicLibrary::DynamicLibrary(const std::string& path) : modulePath(path) {
    requireModuleFile(path);
    // An absolute path loads exactly that file, and lets its own DLLs be found beside it first.
    std::error_code ignored;
    const std::wstring openPath = std::filesystem::absolute(std::filesystem::u8path(path), ignored).wstring();
    handle = LoadLibraryExW(openPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!handle)
        throw std::runtime_error("cannot load module " + path + ": " + systemErrorText(GetLastError()));
}

DynamicLibrary::~DynamicLibrary() {
    FreeLibrary(static_cast<HMODULE>(handle));
}

void* DynamicLibrary::symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

std::string executableDirectory() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    const std::filesystem::path directory =
        std::filesystem::path(std::wstring(buffer.data(), length)).parent_path();
    return directory.empty() ? "." : directory.u8string();
}

const char* pluginModuleFileName() {
    return "Kadenzo.dll";
}

#else

DynamicLibrary::DynamicLibrary(const std::string& path) : modulePath(path) {
    requireModuleFile(path);
    // A bare file name would make dlopen search the library path instead of opening that file.
    const std::string openPath = path.find('/') == std::string::npos ? "./" + path : path;
    handle = dlopen(openPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        throw std::runtime_error("cannot load module " + path + ": " + (reason ? reason : "unknown error"));
    }
}

DynamicLibrary::~DynamicLibrary() {
    dlclose(handle);
}

void* DynamicLibrary::symbol(const char* name) const {
    return dlsym(handle, name);
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

#endif

} // namespace kadenzo::sim
