// PNG encoding by stb_image_write, into a file this code opens itself so that write errors keep their errno.
#include "png_writer.h"

#include <stb/stb_image_write.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#endif

namespace kadenzo::render {

namespace {

std::string describeError(int errorNumber) {
    return std::strerror(errorNumber);
}

// Closes the temporary file and, unless it was renamed into place, removes it.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path, int descriptor)
        : path(std::move(path)), descriptor(descriptor) {}
    ~TemporaryFile() {
        if (descriptor >= 0) ::close(descriptor);
        if (!kept) ::unlink(path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fileDescriptor() const { return descriptor; }
    const std::string& name() const { return path; }

    // The errno of a failed close, or zero.
    int close() {
        int result = ::close(descriptor);
        descriptor = -1;
        return result == 0 ? 0 : errno;
    }
    void keep() { kept = true; }

private:
    std::string path;
    int descriptor;
    bool kept = false;
};

struct WriteState {
    int descriptor;
    int errorNumber = 0;
};

void writeToFile(void* context, void* data, int size) {
    auto& state = *static_cast<WriteState*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::size_t remaining = static_cast<std::size_t>(size);
    while (remaining > 0 && state.errorNumber == 0) {
        ssize_t written = ::write(state.descriptor, bytes, remaining);
        if (written < 0) {
            if (errno != EINTR) state.errorNumber = errno;
            continue;
        }
        bytes += written;
        remaining -= static_cast<std::size_t>(written);
    }
}

// Binary, created exclusively, and not inherited by programs this one starts.
#ifdef _WIN32
constexpr int temporaryFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_BINARY | O_NOINHERIT;
#else
constexpr int temporaryFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
#endif

// A name beside the target that no other writer uses: the process id and a count, created exclusively.
int createTemporaryFile(const std::string& path, std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        int descriptor = ::open(temporaryPath.c_str(), temporaryFileFlags, 0666);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

bool writePng(const std::string& path, const Image& image, std::string& error) {
    std::string prefix = "cannot write " + path + ": ";
    if (image.width < 1 || image.height < 1 ||
        image.rgba.size() !=
            static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4) {
        error = prefix + "the image has no pixels or the wrong number of them";
        return false;
    }
    std::string temporaryPath;
    int descriptor = createTemporaryFile(path, temporaryPath);
    if (descriptor < 0) {
        int errorNumber = errno;
        error = prefix + describeError(errorNumber);
        std::filesystem::path directory = std::filesystem::path(path).parent_path();
        std::error_code ignored;
        if (errorNumber == ENOENT && !directory.empty() && !std::filesystem::exists(directory, ignored))
            error += " (directory " + directory.string() + " does not exist)";
        return false;
    }
    TemporaryFile file(temporaryPath, descriptor);

    WriteState state{file.fileDescriptor()};
    int encoded = stbi_write_png_to_func(writeToFile, &state, image.width, image.height, 4, image.rgba.data(),
                                         image.width * 4);
    if (state.errorNumber != 0) {
        error = prefix + describeError(state.errorNumber);
        return false;
    }
    if (!encoded) {
        error = prefix + "the PNG encoder failed";
        return false;
    }
    if (int closeError = file.close(); closeError != 0) {
        error = prefix + describeError(closeError);
        return false;
    }
    // std::filesystem::rename replaces an existing picture on Windows too, where std::rename refuses.
    std::error_code renameError;
    std::filesystem::rename(file.name(), path, renameError);
    if (renameError) {
        error = prefix + renameError.message();
        return false;
    }
    file.keep();
    return true;
}

} // namespace kadenzo::render
