// Loading plugin modules on Windows: LoadLibraryExW for the load, the executable's own path for its folder.
#include "loader/modules.h"

#include "loader/module_refusal.h"
#include "platform/windows_error.h"

#include <windows.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace kadenzo::sim {

ModuleFormat nativeModuleFormat() {
    return ModuleFormat::peDllX86_64;
}

void* loadModule(const std::string& path) {
    // An absolute path loads exactly that file, and lets its own DLLs be found beside it first.
    std::error_code ignored;
    const std::wstring openPath = std::filesystem::absolute(std::filesystem::u8path(path), ignored).wstring();
    void* handle = LoadLibraryExW(openPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!handle) throw ModuleRefusal(platform::windowsErrorText(GetLastError()));
    return handle;
}

void unloadModule(void* handle) {
    FreeLibrary(static_cast<HMODULE>(handle));
}

void* moduleSymbol(void* handle, const char* name) {
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

} // namespace kadenzo::sim
