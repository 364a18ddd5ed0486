// The file system calls of files.h on Windows, through the wide-character Win32 calls so that any
// file name works. Causes that have a C library equivalent read as they do on POSIX systems.
//
// Index of this file:
// - What a name is: its kind, whether it may be written, its identity
// - New files
// - Names
// - The process
#include "platform/files.h"
#include "platform/windows_error.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace kadenzo::platform {

namespace {

int errnoEquivalent(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    default:
        return 0;
    }
}

[[noreturn]] void failWithLastError() {
    const DWORD code = GetLastError();
    const int errorNumber = errnoEquivalent(code);
    throw FileSystemError(errorNumber != 0 ? std::strerror(errorNumber) : windowsErrorText(code));
}

class HandleCloser {
public:
    explicit HandleCloser(HANDLE handle) : handle(handle) {}
    ~HandleCloser() { CloseHandle(handle); }
    HandleCloser(const HandleCloser&) = delete;
    HandleCloser& operator=(const HandleCloser&) = delete;

private:
    HANDLE handle;
};

// Rationale: only reparse points that stand for another name (symbolic links, junctions, mount points)
// count as links; others, such as the placeholders of files kept in the cloud, hold the file itself.
bool redirects(HANDLE handle, DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) return true;
    // The name-surrogate bit of a reparse tag, which IsReparseTagNameSurrogate tests in the SDK's
    // headers; spelled out, since not every set of Windows headers has that macro.
    constexpr DWORD nameSurrogate = 0x20000000;
    return (tag.ReparseTag & nameSurrogate) != 0;
}

FileKind kindOf(HANDLE handle) {
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        break;
    case FILE_TYPE_CHAR:
        return FileKind::device;
    case FILE_TYPE_PIPE:
        return FileKind::fifo;
    default:
        return FileKind::other;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information)) failWithLastError();
    if (redirects(handle, information.dwFileAttributes)) return FileKind::link;
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return FileKind::folder;
    return FileKind::regular;
}

bool readOnly(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileInformationByHandle(handle, &information) &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

HANDLE toHandle(std::intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

// A handle that only reads what PATH names (no access rights asked for); INVALID_HANDLE_VALUE when
// nothing is there. Folders open only with backup semantics.
HANDLE openToLookAt(const std::filesystem::path& path, Links links) {
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (links == Links::notFollowed ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    const HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return handle;
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return INVALID_HANDLE_VALUE;
    SetLastError(code);
    failWithLastError();
}

} // namespace

// ---- What a name is ------------------------------------------------------------------------------

FileStatus fileStatus(const std::filesystem::path& path, Links links) {
    const HANDLE handle = openToLookAt(path, links);
    if (handle == INVALID_HANDLE_VALUE) return FileStatus{};
    const HandleCloser closer(handle);
    const FileKind kind = kindOf(handle);
    // The read-only attribute of a folder does not keep files from being created in it.
    const bool writable = kind == FileKind::folder || (kind == FileKind::regular && !readOnly(handle));
    return FileStatus{kind, writable};
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path, Links links) {
    const HANDLE handle = openToLookAt(path, links);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    const HandleCloser closer(handle);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information)) failWithLastError();
    return FileIdentity{information.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) |
                            information.nFileIndexLow};
}

// Rationale: the file system decides whether case matters; NTFS and FAT ignore it, as the system's own
// ordinal comparison without case does.
bool sameNameInFolder(const std::filesystem::path& first, const std::filesystem::path& second) {
    const std::wstring& a = first.native();
    const std::wstring& b = second.native();
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

// ---- New files ---------------------------------------------------------------------------------

std::optional<NewFile> NewFile::create(const std::filesystem::path& path) {
    // CREATE_NEW fails on any existing name, a link included. Sharing deletion lets a Ctrl+C handler
    // remove the file while it is still open here. No security attributes: not inherited.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return NewFile(reinterpret_cast<std::intptr_t>(handle));
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) return std::nullopt;
    SetLastError(code);
    failWithLastError();
}

NewFile::NewFile(NewFile&& other) noexcept : handle(other.handle) {
    other.handle = noHandle;
}

NewFile::~NewFile() {
    if (handle != noHandle) CloseHandle(toHandle(handle));
}

void NewFile::write(const char* bytes, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(toHandle(handle), bytes, chunk, &written, nullptr)) failWithLastError();
        bytes += written;
        size -= written;
    }
}

// Rationale: nothing to copy. Windows keeps no permission bits beside the read-only attribute, and a
// read-only file is never replaced.
void NewFile::copyPermissionsOf(const std::filesystem::path&) {}

void NewFile::close() {
    const HANDLE file = toHandle(handle);
    handle = noHandle;
    const bool flushed = FlushFileBuffers(file);
    const DWORD flushError = GetLastError();
    const bool closed = CloseHandle(file);
    if (!flushed) SetLastError(flushError);
    if (!flushed || !closed) failWithLastError();
}

// ---- Names -------------------------------------------------------------------------------------

void replaceFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    if (!MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failWithLastError();
}

void removeFile(const std::filesystem::path& path) noexcept {
    DeleteFileW(path.c_str());
}

void removeFileWhileEnding(const std::filesystem::path::value_type* path) noexcept {
    DeleteFileW(path);
}

// ---- The process ------------------------------------------------------------------------------

std::uint64_t processNumber() {
    return GetCurrentProcessId();
}

} // namespace kadenzo::platform
