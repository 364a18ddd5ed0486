// The files this process has loaded, on Linux: /proc/self/maps, the kernel's own map of the process.
// Each line is one mapping:
//     ADDRESSES PERMISSIONS OFFSET MAJOR:MINOR INODE PATH
// with the device (in hexadecimal) and the inode of the file mapped, 0 for memory of no file.
//
// Index of this file:
// - Reading the map
// - Without /proc
// - loadedFiles
#include "platform/child_process.h"
#include "platform/loaded_files.h"

#include <link.h>
#include <sys/sysmacros.h>
#include <sys/types.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace kadenzo::platform {

namespace {

namespace fs = std::filesystem;

// ---- Reading the map ---------------------------------------------------------------------------

struct Mapping {
    FileIdentity identity;
    bool code = false;
    std::string path;
};

// One line of the map; nothing for memory of no file ([heap], [stack], anonymous memory) or a line
// that does not read as one.
std::optional<Mapping> mappingOf(const std::string& line) {
    std::istringstream fields(line);
    std::string addresses, permissions, offset, device;
    std::uint64_t inode = 0;
    if (!(fields >> addresses >> permissions >> offset >> device >> inode) || inode == 0) return std::nullopt;
    const std::size_t colon = device.find(':');
    if (colon == std::string::npos || permissions.size() < 3) return std::nullopt;
    unsigned long major = 0, minor = 0;
    try {
        major = std::stoul(device.substr(0, colon), nullptr, 16);
        minor = std::stoul(device.substr(colon + 1), nullptr, 16);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    std::string path;
    std::getline(fields >> std::ws, path);
    // The kernel's major and minor, encoded as stat's st_dev is.
    const auto volume = static_cast<std::uint64_t>(makedev(major, minor));
    return Mapping{FileIdentity{volume, inode}, permissions[2] == 'x', path};
}

// Nothing when the map cannot be read.
std::optional<std::vector<Mapping>> readMap() {
    std::ifstream map("/proc/self/maps");
    if (!map) return std::nullopt;
    std::vector<Mapping> mappings;
    std::string line;
    while (std::getline(map, line))
        if (std::optional<Mapping> mapping = mappingOf(line)) mappings.push_back(std::move(*mapping));
    return mappings;
}

// ---- Without /proc -----------------------------------------------------------------------------

// Rationale: /proc may not be mounted (a bare chroot); the loader's own list still names every library
// and module, though only by the names they were loaded under.
std::vector<Mapping> loaderList() {
    std::vector<Mapping> mappings;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            if (info->dlpi_name && info->dlpi_name[0] == '/')
                static_cast<std::vector<Mapping>*>(data)->push_back(Mapping{{}, true, info->dlpi_name});
            return 0;
        },
        &mappings);
    for (Mapping& mapping : mappings) {
        try {
            if (std::optional<FileIdentity> identity = fileIdentity(mapping.path, Links::followed))
                mapping.identity = *identity;
        } catch (const FileSystemError&) {
        }
    }
    mappings.erase(std::remove_if(mappings.begin(), mappings.end(),
                                  [](const Mapping& mapping) { return mapping.identity == FileIdentity{}; }),
                   mappings.end());
    return mappings;
}

std::optional<FileIdentity> identityOrNone(const fs::path& path) {
    try {
        return fileIdentity(path, Links::followed);
    } catch (const FileSystemError&) {
        return std::nullopt;
    }
}

void add(std::vector<LoadedFile>& files, LoadedFile file) {
    for (LoadedFile& known : files)
        if (known.identity == file.identity) {
            if (file.kind == LoadedKind::library && known.kind == LoadedKind::data) known.kind = file.kind;
            return;
        }
    files.push_back(std::move(file));
}

constexpr const char* deletedMark = " (deleted)";

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

// ---- loadedFiles -------------------------------------------------------------------------------

// Rationale: the map's device and inode are those of the very file mapped, whatever names lead to it
// now. Where a file system stands between (an overlay, as in containers) the kernel may give the
// file beneath, while stat gives the overlay's own identity: so a file the map names by a path that
// still exists is also known by what stat says of that path.
std::vector<LoadedFile> loadedFiles() {
    const std::optional<std::vector<Mapping>> map = readMap();
    const std::vector<Mapping> mappings = map ? *map : loaderList();
    const std::optional<FileIdentity> program = identityOrNone(ownExecutablePath());
    std::vector<LoadedFile> files;
    const auto kindOf = [&program](const FileIdentity& identity, bool code) {
        if (program && identity == *program) return LoadedKind::program;
        return code ? LoadedKind::library : LoadedKind::data;
    };
    for (const Mapping& mapping : mappings) {
        add(files,
            LoadedFile{fs::path(mapping.path), mapping.identity, kindOf(mapping.identity, mapping.code)});
        if (mapping.path.empty() || mapping.path[0] != '/' || endsWith(mapping.path, deletedMark)) continue;
        if (const std::optional<FileIdentity> named = identityOrNone(mapping.path))
            if (!(*named == mapping.identity))
                add(files, LoadedFile{fs::path(mapping.path), *named, kindOf(*named, mapping.code)});
    }
    return files;
}

} // namespace kadenzo::platform
