// An advisory lock on a file that several runs of kadenzo-sim may rewrite, so that they take turns:
// each holds it while it reads what is on the disk now and puts its own version in place.
// file_lock_posix.cpp (flock on the file) and file_lock_windows.cpp (a named mutex for the file's folder
// and name) implement it; the build picks one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

namespace kadenzo::platform {

class LockedFile {
public:
    // Waits until this process holds the lock on the file at PATH, and creates the file empty when
    // nothing is there. Throws FileSystemError when it cannot be opened, is no regular file or
    // cannot be locked.
    // Rationale: the file is rewritten by renaming a new file over it, so a run that waited for a lock on
    // the file itself may hold it on a file no longer at PATH; it then tries again until the file locked is
    // the one at PATH, so that two runs never hold the lock on what is one name at the same time.
    static LockedFile lock(const std::filesystem::path& path);

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) = delete;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    // Releases the lock.
    ~LockedFile();

    std::uint64_t size() const;
    // The whole file as it is now. Throws FileSystemError.
    std::string contents() const;

private:
    LockedFile(std::intptr_t handle, std::filesystem::path path) : handle(handle), path(std::move(path)) {}
    static constexpr std::intptr_t noHandle = -1;
    // The locked file's descriptor (POSIX) or the mutex held for it (Windows).
    std::intptr_t handle;
    std::filesystem::path path;
};

} // namespace kadenzo::platform
