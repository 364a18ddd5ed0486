// The lock of file_lock.h on Windows: LockFileEx on the whole file, through a handle that lets others
// read, write and rename the file, so that a new file can still be renamed over it.
//
// Index of this file:
// - Locking
// - Reading
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/windows_error.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace kadenzo::platform {

namespace {

[[noreturn]] void failWithLastError() {
    throw FileSystemError(windowsErrorText(GetLastError()));
}

HANDLE toHandle(std::intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

class HandleOwner {
public:
    explicit HandleOwner(HANDLE handle) : handle(handle) {}
    ~HandleOwner() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    HANDLE get() const { return handle; }
    HANDLE release() { return std::exchange(handle, INVALID_HANDLE_VALUE); }

private:
    HANDLE handle;
};

void waitForLock(HANDLE file) {
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) failWithLastError();
}

bool stillAt(const std::filesystem::path& path, HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) failWithLastError();
    const std::optional<FileIdentity> named = fileIdentity(path, Links::notFollowed);
    const FileIdentity open{information.dwVolumeSerialNumber,
                            (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) |
                                information.nFileIndexLow};
    return named && *named == open;
}

} // namespace

// ---- Locking -------------------------------------------------------------------------------------

LockedFile LockedFile::lock(const std::filesystem::path& path) {
    for (;;) {
        HandleOwner file(CreateFileW(path.c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_ALWAYS, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) failWithLastError();
        if (GetFileType(file.get()) != FILE_TYPE_DISK) throw FileSystemError("it is not a regular file");
        waitForLock(file.get());
        if (stillAt(path, file.get())) return LockedFile(reinterpret_cast<std::intptr_t>(file.release()));
    }
}

LockedFile::LockedFile(LockedFile&& other) noexcept : handle(std::exchange(other.handle, noHandle)) {}

// Closing the handle releases the lock.
LockedFile::~LockedFile() {
    if (handle != noHandle) CloseHandle(toHandle(handle));
}

// ---- Reading -------------------------------------------------------------------------------------

std::uint64_t LockedFile::size() const {
    LARGE_INTEGER bytes{};
    if (!GetFileSizeEx(toHandle(handle), &bytes)) failWithLastError();
    return static_cast<std::uint64_t>(bytes.QuadPart);
}

std::string LockedFile::contents() const {
    std::string bytes(static_cast<std::size_t>(size()), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(done);
        at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(done) >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(toHandle(handle), bytes.data() + done, chunk, &got, &at)) failWithLastError();
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

} // namespace kadenzo::platform
