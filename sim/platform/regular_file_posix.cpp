// Opening a regular file on POSIX: stat, a non-blocking open, and fstat of what was opened.
#include "platform/regular_file.h"

#include "platform/file_kind_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace kadenzo::platform {

namespace {

void requireRegularFile(mode_t mode) {
    const FileKind kind = fileKindOfMode(mode);
    if (kind != FileKind::regular) throw FileSystemError(notRegularFileReason(kind));
}

// Why stat or open failed on the path, with our words for the reasons a user meets most.
FileSystemError errorOf(int error) {
    if (error == ENOENT || error == ENOTDIR) return FileSystemError(notRegularFileReason(FileKind::absent));
    if (error == ELOOP) return FileSystemError(linkLoopReason);
    return FileSystemError(std::generic_category().message(error));
}

// An open file, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int value) : value(value) {}
    ~Descriptor() {
        if (value >= 0) ::close(value);
    }
    Descriptor(Descriptor&& other) noexcept : value(other.value) { other.value = -1; }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;

    bool isOpen() const { return value >= 0; }
    int get() const { return value; }

private:
    int value;
};

// The bytes of the open file, read where they lie.
class DescriptorFile : public RegularFile {
public:
    DescriptorFile(Descriptor file, std::uint64_t fileSize) : file(std::move(file)), fileSize(fileSize) {}

    std::uint64_t size() const override { return fileSize; }

    bool read(std::uint64_t offset, void* out, std::size_t length) const override {
        if (offset > fileSize || length > fileSize - offset) return false;
        auto* bytes = static_cast<unsigned char*>(out);
        while (length > 0) {
            const ssize_t got = ::pread(file.get(), bytes, length, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;
            bytes += got;
            offset += static_cast<std::uint64_t>(got);
            length -= static_cast<std::size_t>(got);
        }
        return true;
    }

private:
    Descriptor file;
    std::uint64_t fileSize;
};

} // namespace

std::unique_ptr<RegularFile> openRegularFile(const std::string& path) {
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0) throw errorOf(errno);
    requireRegularFile(before.st_mode);
    // Rationale: the path may be replaced by a FIFO or a device between stat and open; without
    // O_NONBLOCK, opening a FIFO would wait for a writer for ever. What was opened is checked again.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen()) throw errorOf(errno);
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) throw errorOf(errno);
    requireRegularFile(opened.st_mode);
    return std::make_unique<DescriptorFile>(std::move(file), static_cast<std::uint64_t>(opened.st_size));
}

} // namespace kadenzo::platform
