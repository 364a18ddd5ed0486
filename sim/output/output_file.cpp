// OutputFile and the checks behind it, the same on every platform; the system calls are in
// platform/files_*.cpp.
//
// Index of this file:
// - Refusals: the messages for targets that are never written
// - Checks: what may be at the target and in its folder
// - Folders: what may be where a folder is to be created
// - Names: the temporary file's name
// - OutputFile: create, write, commit, abandon
#include "output/output_file.h"

#include <atomic>
#include <chrono>
#include <optional>

namespace kadenzo::output {

namespace fs = std::filesystem;
using platform::FileKind;
using platform::FileStatus;
using platform::Links;

// ---- Refusals ----------------------------------------------------------------------------------

namespace {

[[noreturn]] void refuse(const std::string& target, const std::string& cause) {
    throw OutputError("cannot write " + target + ": " + cause);
}

const char* whyNotWritable(FileKind kind) {
    switch (kind) {
    case FileKind::folder:
        return "it is a folder";
    case FileKind::link:
        return "it is a symbolic link, and files are never written through links";
    case FileKind::device:
        return "it is a device, not a regular file";
    case FileKind::fifo:
        return "it is a FIFO, not a regular file";
    case FileKind::socket:
        return "it is a socket, not a regular file";
    default:
        return "it is not a regular file";
    }
}

// ---- Checks ------------------------------------------------------------------------------------

FileStatus statusOf(const std::string& target, const fs::path& path, Links links) {
    try {
        return platform::fileStatus(path, links);
    } catch (const platform::FileSystemError& error) {
        refuse(target, error.what());
    }
}

// The folder may be reached through a link; only the file itself must not be one.
void checkFolder(const std::string& target, const fs::path& path) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string name = folder.u8string();
    const FileStatus status = statusOf(target, folder, Links::followed);
    if (status.kind == FileKind::absent) refuse(target, "the folder " + name + " does not exist");
    if (status.kind != FileKind::folder) refuse(target, name + " is not a folder");
    if (!status.writable) refuse(target, "the folder " + name + " does not let this user create files");
}

// Rationale: renaming over a read-only file would succeed wherever its folder is writable, and would
// silently undo what its owner asked for.
void checkExisting(const std::string& target, const FileStatus& status) {
    if (status.kind == FileKind::absent) return;
    if (status.kind != FileKind::regular) refuse(target, whyNotWritable(status.kind));
    if (!status.writable) refuse(target, "it is read-only");
}

} // namespace

void checkTarget(const std::string& target, Purpose purpose) {
    if (target.empty()) throw OutputError("cannot write a file without a name");
    const fs::path path = fs::u8path(target);
    if (!path.has_filename()) refuse(target, "a file name cannot end in a separator");
    checkFolder(target, path);
    checkExisting(target, statusOf(target, path, Links::notFollowed));
    if (const RunFiles* run = RunFiles::current()) run->checkWrite(target, purpose);
    refuseLoadedFile(target);
}

// ---- Folders -----------------------------------------------------------------------------------

namespace {

FileStatus folderStatusOf(const std::string& folder, const fs::path& path, Links links) {
    try {
        return platform::fileStatus(path, links);
    } catch (const platform::FileSystemError& error) {
        throw OutputError("cannot use " + folder + ": " + error.what());
    }
}

struct Nearest {
    fs::path path;
    FileStatus status; // links not followed
    std::optional<OutputError> below; // why a name below it could not be looked at
};

// The nearest name from PATH upwards that something is there for (a link counts, whatever it leads
// to), with what is there. "." stands above a relative name's first part.
// Rationale: a name that cannot be looked at ("file/sub": not a folder) is looked above, so that the
// message says what is in the way, the same on every system.
Nearest nearestExisting(const std::string& folder, fs::path path) {
    std::optional<OutputError> below;
    for (;;) {
        try {
            const FileStatus status = folderStatusOf(folder, path, Links::notFollowed);
            if (status.kind != FileKind::absent) return Nearest{path, status, below};
        } catch (const OutputError& error) {
            if (!below) below = error;
        }
        fs::path parent = path.has_parent_path() ? path.parent_path() : fs::path(".");
        if (parent == path) {
            if (below) throw *below;
            return Nearest{path, FileStatus{}, below};
        }
        path = std::move(parent);
    }
}

} // namespace

bool checkFolderTarget(const std::string& folder) {
    if (folder.empty()) throw OutputError("cannot create a folder without a name");
    fs::path path = fs::u8path(folder);
    // "out/" is the folder "out".
    while (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();
    Nearest nearest = nearestExisting(folder, path);
    const bool isFolderItself = nearest.path == path;
    const std::string name = nearest.path.u8string();
    const auto refuseFolder = [&folder](const std::string& why) {
        throw OutputError("cannot create " + folder + ": " + why);
    };
    FileStatus status = nearest.status;
    if (status.kind == FileKind::link) {
        status = folderStatusOf(folder, nearest.path, Links::followed);
        if (status.kind == FileKind::absent)
            refuseFolder((isFolderItself ? std::string("it") : name) +
                         " is a symbolic link that leads nowhere");
    }
    if (status.kind != FileKind::folder) {
        if (isFolderItself) throw OutputError(folder + " is not a folder");
        refuseFolder(name + " is not a folder");
    }
    if (nearest.below) throw *nearest.below;
    if (!isFolderItself && !status.writable)
        refuseFolder("the folder " + name + " does not let this user create folders");
    return isFolderItself;
}

// ---- Names -------------------------------------------------------------------------------------

namespace {

// Rationale: a short name of its own rather than the target's name with a suffix, so that any name
// valid for the target is short enough; beside the target, so that the rename stays within one file
// system; hidden, as it is there only for a moment.
std::string temporaryFileName() {
    static std::atomic<std::uint64_t> counter{0};
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    // The finaliser of splitmix64 spreads process, count and time over all the name's characters.
    std::uint64_t mixed = (platform::processNumber() << 32) ^ (counter++ * 0x9e3779b97f4a7c15u) ^ ticks;
    mixed = (mixed ^ (mixed >> 30)) * 0xbf58476d1ce4e5b9u;
    mixed = (mixed ^ (mixed >> 27)) * 0x94d049bb133111ebu;
    mixed ^= mixed >> 31;
    constexpr char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = ".kz-";
    for (int index = 0; index < 8; ++index, mixed /= 36)
        name += digits[mixed % 36];
    return name;
}

constexpr int temporaryNameTries = 100;
constexpr std::size_t bufferSize = 64 * 1024;

} // namespace

// ---- OutputFile --------------------------------------------------------------------------------

OutputFile::OutputFile(std::string target, Purpose purpose) : targetName(std::move(target)) {
    checkTarget(targetName, purpose);
    targetPath = fs::u8path(targetName);
    for (int attempt = 0; attempt < temporaryNameTries && !file; ++attempt) {
        temporaryPath = targetPath.parent_path() / temporaryFileName();
        try {
            if (std::optional<platform::NewFile> created = platform::NewFile::create(temporaryPath))
                file.emplace(std::move(*created));
        } catch (const platform::FileSystemError& error) {
            refuse(targetName, error.what());
        }
    }
    if (!file) refuse(targetName, "every temporary name tried in its folder was taken");
    // Rationale: registered only once created, so that a signal in between can never remove a file of
    // someone else's that happened to have the name.
    try {
        removal = std::make_unique<RemovalOnEnding>(temporaryPath);
    } catch (const std::runtime_error& error) {
        abandon();
        refuse(targetName, error.what());
    }
}

OutputFile::~OutputFile() {
    if (file) abandon();
}

void OutputFile::requireOpen() const {
    if (!file) refuse(targetName, "the file is no longer open");
}

void OutputFile::writeNow(std::string_view bytes) {
    guarded([this, bytes] { file->write(bytes.data(), bytes.size()); });
}

template <typename Step> void OutputFile::guarded(Step step) {
    try {
        step();
    } catch (const OutputError&) {
        abandon();
        throw;
    } catch (const platform::FileSystemError& error) {
        abandon();
        refuse(targetName, error.what());
    }
}

void OutputFile::write(std::string_view bytes) {
    requireOpen();
    if (buffer.size() + bytes.size() > bufferSize) {
        writeNow(buffer);
        buffer.clear();
    }
    if (bytes.size() >= bufferSize)
        writeNow(bytes);
    else
        buffer.append(bytes);
}

void OutputFile::commit() {
    requireOpen();
    guarded([this] {
        file->write(buffer.data(), buffer.size());
        buffer.clear();
        const FileStatus existing = statusOf(targetName, targetPath, Links::notFollowed);
        checkExisting(targetName, existing);
        refuseLoadedFile(targetName);
        if (existing.kind == FileKind::regular) file->copyPermissionsOf(targetPath);
        file->close();
        platform::replaceFile(temporaryPath, targetPath);
    });
    file.reset();
    removal.reset();
}

// Closed before it is removed, which Windows requires; removed before it is unregistered, so that a
// signal in between still removes it.
void OutputFile::abandon() noexcept {
    file.reset();
    platform::removeFile(temporaryPath);
    removal.reset();
    buffer.clear();
}

} // namespace kadenzo::output
