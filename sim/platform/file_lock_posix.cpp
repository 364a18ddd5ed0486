// The lock of file_lock.h on POSIX systems: flock, which holds between processes whatever descriptor
// each has open.
//
// Index of this file:
// - Locking
// - Reading
#include "platform/file_lock.h"
#include "platform/files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace kadenzo::platform {

namespace {

[[noreturn]] void failWithErrno(int errorNumber) {
    throw FileSystemError(std::strerror(errorNumber));
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor(descriptor) {}
    ~Descriptor() {
        if (descriptor >= 0) ::close(descriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor; }
    int release() { return std::exchange(descriptor, -1); }

private:
    int descriptor;
};

void waitForLock(int descriptor) {
    while (::flock(descriptor, LOCK_EX) != 0)
        if (errno != EINTR) failWithErrno(errno);
}

// Whether the file open as DESCRIPTOR is still the one at PATH.
bool stillAt(const std::filesystem::path& path, int descriptor) {
    struct stat open {};
    struct stat named {};
    if (::fstat(descriptor, &open) != 0) failWithErrno(errno);
    if (::lstat(path.c_str(), &named) != 0) {
        if (errno == ENOENT) return false;
        failWithErrno(errno);
    }
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

} // namespace

// ---- Locking -------------------------------------------------------------------------------------

LockedFile LockedFile::lock(const std::filesystem::path& path) {
    for (;;) {
        // Without waiting for a writer, should a FIFO have taken the name; never through a link.
        Descriptor file(::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
        if (file.get() < 0) {
            if (errno == EINTR) continue;
            failWithErrno(errno);
        }
        struct stat info {};
        if (::fstat(file.get(), &info) != 0) failWithErrno(errno);
        if (!S_ISREG(info.st_mode)) throw FileSystemError("it is not a regular file");
        waitForLock(file.get());
        if (stillAt(path, file.get())) return LockedFile(file.release(), path);
    }
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : handle(std::exchange(other.handle, noHandle)), path(std::move(other.path)) {}

// Closing the last descriptor of the open file releases the lock.
LockedFile::~LockedFile() {
    if (handle != noHandle) ::close(static_cast<int>(handle));
}

// ---- Reading -------------------------------------------------------------------------------------

std::uint64_t LockedFile::size() const {
    struct stat info {};
    if (::fstat(static_cast<int>(handle), &info) != 0) failWithErrno(errno);
    return static_cast<std::uint64_t>(info.st_size);
}

std::string LockedFile::contents() const {
    std::string bytes(static_cast<std::size_t>(size()), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(static_cast<int>(handle), bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failWithErrno(errno);
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

} // namespace kadenzo::platform
