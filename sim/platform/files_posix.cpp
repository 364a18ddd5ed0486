// The file system calls of files.h on POSIX systems.
//
// Index of this file:
// - What a name is: its kind, whether it may be written, its identity
// - New files
// - Names
// - The process
#include "platform/file_kind_posix.h"
#include "platform/files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace kadenzo::platform {

namespace {

[[noreturn]] void failWithErrno(int errorNumber) {
    throw FileSystemError(std::strerror(errorNumber));
}

bool mayWrite(const std::filesystem::path& path, const struct stat& info, FileKind kind) {
    if (kind != FileKind::folder && kind != FileKind::regular) return false;
    // Rationale: root may write anything, yet a file or folder with no write permission at all is one
    // its owner meant to keep, so for root it counts as read-only.
    if (::geteuid() == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    // Creating a file in a folder needs the right to search it as well as to write it.
    const int wanted = kind == FileKind::folder ? W_OK | X_OK : W_OK;
    return ::faccessat(AT_FDCWD, path.c_str(), wanted, AT_EACCESS) == 0;
}

// False when nothing is at PATH.
bool statusOf(const std::filesystem::path& path, Links links, struct stat& info) {
    const int result = links == Links::followed ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (result == 0) return true;
    if (errno == ENOENT) return false;
    failWithErrno(errno);
}

} // namespace

// ---- What a name is ------------------------------------------------------------------------------

FileKind fileKindOfMode(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::regular;
    if (S_ISDIR(mode)) return FileKind::folder;
    if (S_ISLNK(mode)) return FileKind::link;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::device;
    if (S_ISFIFO(mode)) return FileKind::fifo;
    if (S_ISSOCK(mode)) return FileKind::socket;
    return FileKind::other;
}

FileStatus fileStatus(const std::filesystem::path& path, Links links) {
    struct stat info {};
    if (!statusOf(path, links, info)) return FileStatus{};
    const FileKind kind = fileKindOfMode(info.st_mode);
    return FileStatus{kind, mayWrite(path, info, kind)};
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path, Links links) {
    struct stat info {};
    if (!statusOf(path, links, info)) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

bool sameNameInFolder(const std::filesystem::path& first, const std::filesystem::path& second) {
    return first.native() == second.native();
}

// ---- New files ---------------------------------------------------------------------------------

std::optional<NewFile> NewFile::create(const std::filesystem::path& path) {
    for (;;) {
        // O_EXCL with O_CREAT fails on any existing name, a dangling link included.
        const int descriptor =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0) return NewFile(descriptor);
        if (errno == EEXIST) return std::nullopt;
        if (errno != EINTR) failWithErrno(errno);
    }
}

NewFile::NewFile(NewFile&& other) noexcept : handle(other.handle) {
    other.handle = noHandle;
}

NewFile::~NewFile() {
    if (handle != noHandle) ::close(static_cast<int>(handle));
}

void NewFile::write(const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(static_cast<int>(handle), bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            failWithErrno(errno);
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

void NewFile::copyPermissionsOf(const std::filesystem::path& existing) {
    struct stat info {};
    if (::lstat(existing.c_str(), &info) != 0) failWithErrno(errno);
    if (::fchmod(static_cast<int>(handle), info.st_mode & 0777) != 0) failWithErrno(errno);
}

void NewFile::close() {
    const int descriptor = static_cast<int>(handle);
    handle = noHandle;
    // File systems that cannot sync say so with EINVAL; there is nothing more to make durable there.
    if (::fsync(descriptor) != 0 && errno != EINVAL) {
        const int errorNumber = errno;
        ::close(descriptor);
        failWithErrno(errorNumber);
    }
    // Rationale: no retry on EINTR, since Linux has released the descriptor whatever close returns.
    if (::close(descriptor) != 0 && errno != EINTR) failWithErrno(errno);
}

// ---- Names -------------------------------------------------------------------------------------

void replaceFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    if (::rename(source.c_str(), target.c_str()) != 0) failWithErrno(errno);
}

void removeFile(const std::filesystem::path& path) noexcept {
    ::unlink(path.c_str());
}

void removeFileWhileEnding(const std::filesystem::path::value_type* path) noexcept {
    ::unlink(path);
}

// ---- The process ------------------------------------------------------------------------------

std::uint64_t processNumber() {
    return static_cast<std::uint64_t>(::getpid());
}

} // namespace kadenzo::platform
