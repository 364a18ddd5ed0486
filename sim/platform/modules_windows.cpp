// Loading plugin modules on Windows: the file's kind through std::filesystem and its bytes through a
// stream for the check before loading, LoadLibraryExW for the load.
#include "platform/modules.h"

#include "dynamic_library.h"
#include "module_refusal.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace kadenzo::sim {

namespace {

ModuleFileKind kindOfType(std::filesystem::file_type type) {
    switch (type) {
    case std::filesystem::file_type::regular:
        return ModuleFileKind::regularFile;
    case std::filesystem::file_type::not_found:
        return ModuleFileKind::missing;
    case std::filesystem::file_type::directory:
        return ModuleFileKind::folder;
    case std::filesystem::file_type::fifo:
        return ModuleFileKind::fifo;
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
        return ModuleFileKind::device;
    case std::filesystem::file_type::socket:
        return ModuleFileKind::socket;
    default:
        return ModuleFileKind::other;
    }
}

void requireRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error == std::errc::too_many_symbolic_link_levels)
        throw ModuleRefusal(refusalReason(ModuleFileKind::linkLoop));
    const ModuleFileKind kind = kindOfType(status.type());
    if (kind != ModuleFileKind::regularFile) {
        if (error && kind != ModuleFileKind::missing) throw ModuleRefusal(error.message());
        throw ModuleRefusal(refusalReason(kind));
    }
}

// The bytes of an open module file, read where they lie.
class StreamBytes : public ByteSource {
public:
    StreamBytes(const std::filesystem::path& path, std::uint64_t fileSize)
        : stream(path, std::ios::binary), fileSize(fileSize) {}

    bool isOpen() const { return stream.is_open(); }
    std::uint64_t size() const override { return fileSize; }

    bool read(std::uint64_t offset, void* out, std::size_t length) const override {
        if (offset > fileSize || length > fileSize - offset) return false;
        stream.clear();
        stream.seekg(static_cast<std::streamoff>(offset));
        stream.read(static_cast<char*>(out), static_cast<std::streamsize>(length));
        return static_cast<std::size_t>(stream.gcount()) == length;
    }

private:
    // Reading moves the stream's position, which is no part of the bytes' value.
    mutable std::ifstream stream;
    std::uint64_t fileSize;
};

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

namespace platform {

ModuleFormat nativeModuleFormat() {
    return ModuleFormat::peDllX86_64;
}

std::unique_ptr<ByteSource> openModuleFile(const std::string& path) {
    const std::filesystem::path file = std::filesystem::u8path(path);
    requireRegularFile(file);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) throw ModuleRefusal(error.message());
    auto bytes = std::make_unique<StreamBytes>(file, size);
    if (!bytes->isOpen()) throw ModuleRefusal("the file cannot be opened");
    return bytes;
}

void* loadModule(const std::string& path) {
    // An absolute path loads exactly that file, and lets its own DLLs be found beside it first.
    std::error_code ignored;
    const std::wstring openPath = std::filesystem::absolute(std::filesystem::u8path(path), ignored).wstring();
    void* handle = LoadLibraryExW(openPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!handle) throw ModuleRefusal(systemErrorText(GetLastError()));
    return handle;
}

void unloadModule(void* handle) {
    FreeLibrary(static_cast<HMODULE>(handle));
}

void* moduleSymbol(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

} // namespace platform

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
