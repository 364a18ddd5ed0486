// Reading a file that must be a regular file: a plugin module before it is loaded, a settings or
// history file. regular_file_posix.cpp and regular_file_windows.cpp open it; the build picks one.
#pragma once

#include "platform/files.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kadenzo::platform {

// Why a path naming this kind of file (links followed) cannot be read as a regular file ("it is a
// folder", "it is a FIFO"); null for a regular file.
const char* notRegularFileReason(FileKind kind);

// Why a path whose links lead round in a circle cannot be read.
inline constexpr const char* linkLoopReason = "too many levels of symbolic links";

// A regular file open for reading, closed when it goes.
class RegularFile {
public:
    virtual ~RegularFile() = default;
    // The size it had when it was opened.
    virtual std::uint64_t size() const = 0;
    // Copies LENGTH bytes from OFFSET into OUT; false when they do not all lie within size() or cannot
    // be read.
    virtual bool read(std::uint64_t offset, void* out, std::size_t length) const = 0;
};

// Opens the file at PATH (UTF-8) to read its bytes. Refuses anything that is not a regular file once
// symbolic links are followed, without ever waiting: throws FileSystemError with the reason in words
// (notRegularFileReason, linkLoopReason, or the system's).
// Rationale: the path may name a FIFO, or be replaced by one after it was looked at; opening a FIFO
// waits for a writer, for ever.
std::unique_ptr<RegularFile> openRegularFile(const std::string& path);

} // namespace kadenzo::platform
