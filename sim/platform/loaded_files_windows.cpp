// The files this process has loaded, on Windows: the list of loaded modules (EnumProcessModules), each
// named by GetModuleFileNameW and known by its file's identity.
#include "platform/loaded_files.h"

#include <windows.h>
// After windows.h, which it needs. K32EnumProcessModules is kernel32's own, so no psapi.lib is linked.
#include <psapi.h>

#include <optional>
#include <string>

namespace kadenzo::platform {

namespace {

std::vector<HMODULE> loadedModules() {
    const HANDLE process = GetCurrentProcess();
    std::vector<HMODULE> modules(256);
    for (;;) {
        DWORD needed = 0;
        const auto size = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
        if (!K32EnumProcessModules(process, modules.data(), size, &needed)) return {};
        // A module loaded in between makes the list longer: asked again with room for it.
        if (needed <= size) {
            modules.resize(needed / sizeof(HMODULE));
            return modules;
        }
        modules.resize(needed / sizeof(HMODULE) + 16);
    }
}

// Nothing when the module is gone meanwhile.
std::optional<std::wstring> moduleFileName(HMODULE module) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::nullopt;
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        if (buffer.size() >= 32768) return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::vector<LoadedFile> loadedFiles() {
    const HMODULE program = GetModuleHandleW(nullptr);
    std::vector<LoadedFile> files;
    for (const HMODULE module : loadedModules()) {
        const std::optional<std::wstring> name = moduleFileName(module);
        if (!name) continue;
        const std::filesystem::path path(*name);
        std::optional<FileIdentity> identity;
        try {
            identity = fileIdentity(path, Links::followed);
        } catch (const FileSystemError&) {
        }
        if (!identity) continue;
        files.push_back(
            LoadedFile{path, *identity, module == program ? LoadedKind::program : LoadedKind::library});
    }
    return files;
}

} // namespace kadenzo::platform
