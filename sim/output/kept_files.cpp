// Reading and writing the files a run keeps for the next one, with OutputFile's rules for both.
//
// Index of this file:
// - Messages
// - Reading
// - Writing back
#include "output/kept_files.h"

#include "output/output_file.h"
#include "output/run_files.h"
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/regular_file.h"
#include "platform/terminal_text.h"

#include <fmt/format.h>

#include <filesystem>
#include <ostream>

namespace kadenzo::sim {

// ---- Messages ----------------------------------------------------------------------------------

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t byteOrderMarkSize = sizeof byteOrderMark - 1;

// OutputError says "cannot write PATH: cause"; the kept file's message names what it is.
std::string namingWhat(const std::string& message, const std::string& path, const char* what) {
    const std::string verb = "cannot write ";
    if (message.compare(0, verb.size() + path.size(), verb + path) != 0) return message;
    return verb + what + " " + message.substr(verb.size());
}

[[noreturn]] void refuseReading(const std::string& path, const char* what, const std::string& cause) {
    throw KeptFileError(fmt::format("cannot read {} {}: {}", what, path, cause));
}

std::string tooLarge() {
    return fmt::format("it is larger than {} bytes", largestKeptFile);
}

} // namespace

// ---- Reading -----------------------------------------------------------------------------------

std::optional<std::string> readKeptFile(const std::string& path, const char* what) {
    try {
        output::checkTarget(path, output::Purpose::keptFile);
        if (output::RunFiles* run = output::RunFiles::current())
            run->declare(path, output::FileUse::kept, fmt::format("the {} file kept with --config", what));
    } catch (const output::OutputError& error) {
        throw KeptFileError(namingWhat(error.what(), path, what));
    }
    try {
        const platform::FileStatus status =
            platform::fileStatus(std::filesystem::u8path(path), platform::Links::notFollowed);
        if (status.kind == platform::FileKind::absent) return std::nullopt;
        // Opened without waiting, and only as a regular file: what was checked may have been replaced.
        const std::unique_ptr<platform::RegularFile> file = platform::openRegularFile(path);
        if (file->size() > largestKeptFile) refuseReading(path, what, tooLarge());
        std::string contents(static_cast<std::size_t>(file->size()), '\0');
        if (!contents.empty() && !file->read(0, contents.data(), contents.size()))
            refuseReading(path, what, "it could not be read to its end");
        return contents;
    } catch (const KeptFileError&) {
        throw;
    } catch (const std::runtime_error& error) {
        refuseReading(path, what, error.what());
    }
}

std::vector<std::string> keptFileLines(const std::string& contents) {
    std::vector<std::string> lines;
    std::size_t start = contents.compare(0, byteOrderMarkSize, byteOrderMark) == 0 ? byteOrderMarkSize : 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos) end = contents.size();
        lines.push_back(contents.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// ---- Writing back ------------------------------------------------------------------------------

namespace {

// What is on the disk under LOCK: none for a file the lock has just created.
std::optional<std::string> onDiskNow(const platform::LockedFile& lock, bool existed) {
    if (lock.size() > largestKeptFile) throw KeptFileError(tooLarge());
    std::string contents = lock.contents();
    if (!existed && contents.empty()) return std::nullopt;
    return contents;
}

void writeUnderLock(const std::string& path, const KeptFileMerge& merge) {
    const std::filesystem::path name = std::filesystem::u8path(path);
    // Checked before the lock creates anything there.
    output::checkTarget(path, output::Purpose::keptFile);
    const bool existed =
        platform::fileStatus(name, platform::Links::notFollowed).kind != platform::FileKind::absent;
    const platform::LockedFile lock = platform::LockedFile::lock(name);
    try {
        const std::string contents = merge(onDiskNow(lock, existed));
        if (contents.size() > largestKeptFile)
            throw KeptFileError(fmt::format("it would be {} bytes, more than the {} that kadenzo-sim reads",
                                            contents.size(), largestKeptFile));
        output::OutputFile file(path, output::Purpose::keptFile);
        file.write(contents);
        file.commit();
    } catch (...) {
        // The empty file the lock created is taken away again, so that a failure leaves nothing.
        if (!existed && lock.size() == 0) platform::removeFile(name);
        throw;
    }
}

} // namespace

int rewriteKeptFile(const std::string& path, const char* what, const KeptFileMerge& merge, int status,
                    std::ostream& err) {
    std::string message;
    try {
        writeUnderLock(path, merge);
        return status;
    } catch (const output::OutputError& error) {
        message = namingWhat(error.what(), path, what);
    } catch (const std::runtime_error& error) {
        message = fmt::format("cannot write {} {}: {}", what, path, error.what());
    }
    err << "kadenzo-sim: " << platform::terminalText(message) << std::endl;
    return status != 0 ? status : keptFileNotWritten;
}

} // namespace kadenzo::sim
