// Loading plugin modules on Linux: stat and a non-blocking open for the check before loading, dlopen
// for the load, /proc for the executable's folder.
#include "platform/modules.h"

#include "dynamic_library.h"
#include "module_refusal.h"
#include "platform/file_kind_posix.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>
#include <vector>

namespace kadenzo::sim {

namespace {

void requireRegularFile(mode_t mode) {
    const platform::FileKind kind = platform::fileKindOfMode(mode);
    if (kind != platform::FileKind::regular) throw ModuleRefusal(refusalReason(kind));
}

// Why stat or open failed on the module's path, with our words for the reasons a user meets most.
ModuleRefusal refusalOfError(int error) {
    if (error == ENOENT || error == ENOTDIR) return ModuleRefusal(refusalReason(platform::FileKind::absent));
    if (error == ELOOP) return ModuleRefusal(linkLoopReason);
    return ModuleRefusal(std::generic_category().message(error));
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

// The bytes of an open module file, read where they lie.
class DescriptorBytes : public ByteSource {
public:
    DescriptorBytes(Descriptor file, std::uint64_t fileSize) : file(std::move(file)), fileSize(fileSize) {}

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

} // namespace kadenzo::sim

namespace kadenzo::platform {

using namespace sim;

ModuleFormat nativeModuleFormat() {
    return ModuleFormat::elfSharedObjectX86_64;
}

std::unique_ptr<ByteSource> openModuleFile(const std::string& path) {
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0) throw refusalOfError(errno);
    requireRegularFile(before.st_mode);
    // Rationale: the path may be replaced by a FIFO or a device between stat and open; without
    // O_NONBLOCK, opening a FIFO would wait for a writer for ever. What was opened is checked again.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen()) throw refusalOfError(errno);
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) throw refusalOfError(errno);
    requireRegularFile(opened.st_mode);
    return std::make_unique<DescriptorBytes>(std::move(file), static_cast<std::uint64_t>(opened.st_size));
}

void* loadModule(const std::string& path) {
    // A bare file name would make dlopen search the library path instead of opening that file.
    const std::string openPath = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = ::dlopen(openPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = ::dlerror();
        throw ModuleRefusal(reason ? reason : "unknown error");
    }
    return handle;
}

void unloadModule(void* handle) {
    ::dlclose(handle);
}

void* moduleSymbol(void* handle, const char* name) {
    return ::dlsym(handle, name);
}

} // namespace kadenzo::platform

namespace kadenzo::sim {

std::string executableDirectory() {
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) return ".";
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

const char* pluginModuleFileName() {
    return "Kadenzo.so";
}

} // namespace kadenzo::sim
