// The system calls behind the files kadenzo-sim writes: what a name is, creating a file exclusively,
// putting it in place, and removing files (also while the process ends: requests_to_end.h). files_posix.cpp
// and files_windows.cpp implement them; the build picks one. Callers use output/output_file.h instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>

namespace kadenzo::platform {

// A system call failed; the message is the system's cause in words, without the file's name.
class FileSystemError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class FileKind { absent, regular, folder, link, device, fifo, socket, other };

struct FileStatus {
    FileKind kind = FileKind::absent;
    // A regular file: whether this user may write to it. A folder: whether this user may create files in
    // it. As root (who may write anything), a file or folder counts as writable only when any write
    // permission is set at all.
    bool writable = false;
};

enum class Links { followed, notFollowed };

// Which file a name stands for, whatever its spelling: two names of one file (relative and absolute,
// through "." or "..", hard links) have the same identity. The device and inode on POSIX systems, the
// volume's serial number and the file index on Windows.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
};

// The identity of what PATH names; none when nothing is there. With Links::followed a link stands for
// what it points to. Throws FileSystemError when the system cannot tell for a reason other than absence.
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path, Links links);

// Whether two names within one folder name the same entry: the same bytes on POSIX systems, the same
// letters whatever their case on Windows.
bool sameNameInFolder(const std::filesystem::path& first, const std::filesystem::path& second);

// What PATH names. With Links::notFollowed a link at PATH is reported as FileKind::link, whatever it
// points to. Throws FileSystemError when the system cannot tell for a reason other than absence.
FileStatus fileStatus(const std::filesystem::path& path, Links links);

// A file this process created, open for writing. Closed, not removed, when destroyed.
class NewFile {
public:
    // Creates PATH for writing, in binary mode, not inherited by programs this one starts. Nothing when
    // the name is taken by anything, a link included (which is never followed). Throws FileSystemError
    // for any other failure.
    static std::optional<NewFile> create(const std::filesystem::path& path);

    NewFile(NewFile&& other) noexcept;
    NewFile& operator=(NewFile&& other) = delete;
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile();

    // Writes all of BYTES or throws FileSystemError.
    void write(const char* bytes, std::size_t size);
    // Gives the file the permissions of EXISTING, a regular file it is about to replace.
    void copyPermissionsOf(const std::filesystem::path& existing);
    // Makes the contents durable on the disk and closes the file; throws FileSystemError.
    void close();

private:
    explicit NewFile(std::intptr_t handle) : handle(handle) {}
    static constexpr std::intptr_t noHandle = -1;
    std::intptr_t handle;
};

// Renames SOURCE to TARGET in the same folder, replacing a file at TARGET; throws FileSystemError.
void replaceFile(const std::filesystem::path& source, const std::filesystem::path& target);

// Removes the file at PATH if it can; a link there is removed, never what it points to.
void removeFile(const std::filesystem::path& path) noexcept;

// Removes the file at PATH using only calls that are safe in a signal handler.
void removeFileWhileEnding(const std::filesystem::path::value_type* path) noexcept;

// A number that differs between processes running at the same time.
std::uint64_t processNumber();

} // namespace kadenzo::platform
