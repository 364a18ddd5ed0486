// Loading plugin modules on Windows: the file's kind through std::filesystem and its bytes through a
// stream for the check before loading, LoadLibraryExW for the load.
#include "platform/modules.h"

#include "dynamic_library.h"
#include "module_refusal.h"
#include "platform/files.h"
#include "platform/windows_error.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace kadenzo::sim {

namespace {

void requireRegularFile(const std::filesystem::path& path) {
    platform::FileKind kind = platform::FileKind::absent;
    try {
        kind = platform::fileStatus(path, platform::Links::followed).kind;
    } catch (const platform::FileSystemError& error) {
        throw ModuleRefusal(error.what());
    }
    if (kind != platform::FileKind::regular) throw ModuleRefusal(refusalReason(kind));
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

} // namespace

} // namespace kadenzo::sim

namespace kadenzo::platform {

using namespace sim;

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
    if (!handle) throw ModuleRefusal(windowsErrorText(GetLastError()));
    return handle;
}

void unloadModule(void* handle) {
    FreeLibrary(static_cast<HMODULE>(handle));
}

void* moduleSymbol(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

} // namespace kadenzo::platform

namespace kadenzo::sim {

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
