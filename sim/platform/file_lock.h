// An advisory lock on a file that several runs of kadenzo-sim may rewrite, so that they take turns:
// each holds it while it reads what is on the disk now and puts its own version in place.
// file_lock_posix.cpp (flock) and file_lock_windows.cpp (LockFileEx) implement it; the build picks one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kadenzo::platform {

class LockedFile {
public:
    // Opens the file at PATH, creating it empty when nothing is there, and waits until this process
    // holds the lock on it. Throws FileSystemError when it cannot be opened, is no regular file or
    // cannot be locked.
    // Rationale: the file is rewritten by renaming a new file over it, so a run that waited for the lock
    // may hold it on a file no longer at PATH; it then tries again until the file locked is the one at
    // PATH, so that two runs never hold the lock on what is one name at the same time.
    static LockedFile lock(const std::filesystem::path& path);

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) = delete;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    // Releases the lock.
    ~LockedFile();

    std::uint64_t size() const;
    // The whole file, read through the lock's own handle (Windows refuses the bytes to others while it is
    // locked). Throws FileSystemError.
    std::string contents() const;

private:
    explicit LockedFile(std::intptr_t handle) : handle(handle) {}
    static constexpr std::intptr_t noHandle = -1;
    std::intptr_t handle;
};

} // namespace kadenzo::platform
