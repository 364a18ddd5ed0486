// The version resource strings of a module on Windows, through the system's version API.
#include "loader/module_version_info.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>

namespace kadenzo::sim {

namespace {

// Resource strings are UTF-16; the console prints UTF-8. The library's path conversion does exactly that.
std::string narrow(const wchar_t* text) {
    return std::filesystem::path(text).u8string();
}

} // namespace

bool readVersionStrings(const std::string& modulePath, std::vector<VersionString>& strings,
                        std::string& error) {
    const std::wstring path = std::filesystem::u8path(modulePath).wstring();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        error = modulePath + " has no version resource";
        return false;
    }
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        error = "cannot read the version resource of " + modulePath;
        return false;
    }
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT translationBytes = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &translationBytes) ||
        translationBytes < sizeof(Translation)) {
        error = modulePath + " has no version translation table";
        return false;
    }
    const wchar_t* names[] = {L"FileVersion", L"ProductVersion", L"InternalName", L"OriginalFilename"};
    for (UINT index = 0; index < translationBytes / sizeof(Translation); ++index) {
        for (const wchar_t* name : names) {
            wchar_t query[96];
            std::swprintf(query, 96, L"\\StringFileInfo\\%04x%04x\\%ls", translations[index].language,
                          translations[index].codePage, name);
            wchar_t* value = nullptr;
            UINT valueLength = 0;
            if (VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&value), &valueLength) && value)
                strings.push_back(VersionString{narrow(name), narrow(value)});
        }
    }
    return true;
}

} // namespace kadenzo::sim
