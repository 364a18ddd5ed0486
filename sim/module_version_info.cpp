#include "module_version_info.h"

#if defined(_WIN32)
#include <windows.h>

#include <cstdio>
#endif

namespace kadenzo::sim {

#if defined(_WIN32)

namespace {

std::wstring widen(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length - 1 : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}

std::string narrow(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
    return result;
}

} // namespace

bool readVersionStrings(const std::string& modulePath, std::vector<VersionString>& strings, std::string& error) {
    const std::wstring path = widen(modulePath);
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

#else

bool readVersionStrings(const std::string&, std::vector<VersionString>&, std::string& error) {
    error = "version resources are read only on Windows";
    return false;
}

#endif

} // namespace kadenzo::sim
