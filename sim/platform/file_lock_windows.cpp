// The lock of file_lock.h on Windows: a named mutex for the file's folder, by its identity, and its name.
// Rationale: a lock on the file itself (LockFileEx) keeps its handle open, and Windows will not rename a
// new file over a file that is open; the folder outlives every rewrite of the file, so its identity and
// the file's name stand for the file however it is spelled.
//
// Index of this file:
// - The mutex's name
// - Locking
// - Reading
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/windows_error.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace kadenzo::platform {

namespace {

[[noreturn]] void failWithLastError() {
    throw FileSystemError(windowsErrorText(GetLastError()));
}

class HandleOwner {
public:
    explicit HandleOwner(HANDLE handle) : handle(handle) {}
    ~HandleOwner() {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    HANDLE get() const { return handle; }
    HANDLE release() { return std::exchange(handle, nullptr); }

private:
    HANDLE handle;
};

// ---- The mutex's name ----------------------------------------------------------------------------

// FNV-1a over the name in upper case: NTFS and FAT ignore case, as sameNameInFolder does.
std::uint64_t nameHash(const std::filesystem::path& name) {
    std::wstring upper = name.native();
    if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const wchar_t unit : upper) {
        hash ^= static_cast<std::uint16_t>(unit);
        hash *= 0x100000001b3u;
    }
    return hash;
}

std::wstring mutexName(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const std::optional<FileIdentity> identity = fileIdentity(folder, Links::followed);
    if (!identity) throw FileSystemError("its folder does not exist");
    wchar_t name[96];
    std::swprintf(name, sizeof name / sizeof name[0], L"Local\\kadenzo-sim-kept-file-%llx-%llx-%llx",
                  static_cast<unsigned long long>(identity->volume),
                  static_cast<unsigned long long>(identity->index),
                  static_cast<unsigned long long>(nameHash(path.filename())));
    return name;
}

// Opens the file at PATH for reading, with every kind of sharing so that a rename over it still works;
// CREATION says what happens when nothing is there. Never through a link.
HANDLE openShared(const std::filesystem::path& path, DWORD creation) {
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, creation, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

} // namespace

// ---- Locking -------------------------------------------------------------------------------------

LockedFile LockedFile::lock(const std::filesystem::path& path) {
    HandleOwner mutex(CreateMutexW(nullptr, FALSE, mutexName(path).c_str()));
    if (mutex.get() == nullptr) failWithLastError();
    // An abandoned mutex (its holder ended without releasing it) is held now all the same.
    const DWORD waited = WaitForSingleObject(mutex.get(), INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) failWithLastError();
    LockedFile locked(reinterpret_cast<std::intptr_t>(mutex.release()), path);
    const HandleOwner file(openShared(path, OPEN_ALWAYS));
    if (file.get() == INVALID_HANDLE_VALUE) failWithLastError();
    if (GetFileType(file.get()) != FILE_TYPE_DISK) throw FileSystemError("it is not a regular file");
    return locked;
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : handle(std::exchange(other.handle, noHandle)), path(std::move(other.path)) {}

LockedFile::~LockedFile() {
    if (handle == noHandle) return;
    const HANDLE mutex = reinterpret_cast<HANDLE>(handle);
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

// ---- Reading -------------------------------------------------------------------------------------

std::uint64_t LockedFile::size() const {
    const HandleOwner file(openShared(path, OPEN_EXISTING));
    if (file.get() == INVALID_HANDLE_VALUE) return 0;
    LARGE_INTEGER bytes{};
    if (!GetFileSizeEx(file.get(), &bytes)) failWithLastError();
    return static_cast<std::uint64_t>(bytes.QuadPart);
}

std::string LockedFile::contents() const {
    const HandleOwner file(openShared(path, OPEN_EXISTING));
    if (file.get() == INVALID_HANDLE_VALUE) return std::string();
    LARGE_INTEGER bytes{};
    if (!GetFileSizeEx(file.get(), &bytes)) failWithLastError();
    std::string contents(static_cast<std::size_t>(bytes.QuadPart), '\0');
    std::size_t done = 0;
    while (done < contents.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.get(), contents.data() + done, chunk, &got, nullptr)) failWithLastError();
        if (got == 0) break;
        done += got;
    }
    contents.resize(done);
    return contents;
}

} // namespace kadenzo::platform
