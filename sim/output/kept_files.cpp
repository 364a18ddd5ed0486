// Reading and writing the files a run keeps for the next one, with OutputFile's rules for both.
#include "output/kept_files.h"

#include "output/output_file.h"
#include "platform/files.h"
#include "platform/regular_file.h"

#include <fmt/format.h>

#include <filesystem>
#include <ostream>

namespace kadenzo::sim {

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

} // namespace

std::optional<std::string> readKeptFile(const std::string& path, const char* what) {
    try {
        output::checkTarget(path);
    } catch (const output::OutputError& error) {
        throw KeptFileError(namingWhat(error.what(), path, what));
    }
    try {
        const platform::FileStatus status =
            platform::fileStatus(std::filesystem::u8path(path), platform::Links::notFollowed);
        if (status.kind == platform::FileKind::absent) return std::nullopt;
        // Opened without waiting, and only as a regular file: what was checked may have been replaced.
        const std::unique_ptr<platform::RegularFile> file = platform::openRegularFile(path);
        if (file->size() > largestKeptFile)
            refuseReading(path, what, fmt::format("it is larger than {} bytes", largestKeptFile));
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

int writeKeptFile(const std::string& path, const char* what, const std::string& contents, int status,
                  std::ostream& err) {
    try {
        output::OutputFile file(path);
        file.write(contents);
        file.commit();
        return status;
    } catch (const output::OutputError& error) {
        err << "kadenzo-sim: " << namingWhat(error.what(), path, what) << std::endl;
        return status != 0 ? status : keptFileNotWritten;
    }
}

} // namespace kadenzo::sim
