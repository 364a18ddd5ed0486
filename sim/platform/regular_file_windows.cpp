// Opening a regular file on Windows: its kind through fileStatus, its bytes through a stream.
#include "platform/regular_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace kadenzo::platform {

namespace {

void requireRegularFile(const std::filesystem::path& path) {
    const FileKind kind = fileStatus(path, Links::followed).kind;
    if (kind != FileKind::regular) throw FileSystemError(notRegularFileReason(kind));
}

// The bytes of the open file, read where they lie.
class StreamFile : public RegularFile {
public:
    StreamFile(const std::filesystem::path& path, std::uint64_t fileSize)
        : stream(path, std::ios::binary), fileSize(fileSize) {}

    bool isOpen() const { return stream.is_open(); }
    std::uint64_t size() const override { return fileSize; }

    bool read(std::uint64_t offset, void* out, std::size_t length) const override {
        if (offset > fileSize || length > fileSize - offset) return false;
        stream.clear();
        stream.seekg(static_cast<std::streamoff>(offset));
        stream.read(static_cast<char*>(out), static_cast<std::streamsize>(length));
        return static_cast<std::size_t>(stream.gcount()) == length;
    }

private:
    // Reading moves the stream's position, which is no part of the bytes' value.
    mutable std::ifstream stream;
    std::uint64_t fileSize;
};

} // namespace

std::unique_ptr<RegularFile> openRegularFile(const std::string& path) {
    const std::filesystem::path file = std::filesystem::u8path(path);
    requireRegularFile(file);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) throw FileSystemError(error.message());
    auto opened = std::make_unique<StreamFile>(file, size);
    if (!opened->isOpen()) throw FileSystemError("the file cannot be opened");
    return opened;
}

} // namespace kadenzo::platform
