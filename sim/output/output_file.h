// The one way kadenzo-sim writes a file: the target is checked before anything is created, the data goes
// to a new temporary file beside it, and only a complete file is renamed into place. Pictures, the CSV of
// a session and any file written later all go through OutputFile.
#pragma once

#include "output/removal_on_ending.h"
#include "output/run_files.h"
#include "platform/files.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kadenzo::output {

// A file that cannot be written; the message names it and says why.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The name that stands for standard output where the user gives a file name (as in --csv -). OutputFile
// itself takes it as a file name; callers that accept it check for it first.
constexpr std::string_view standardOutputName = "-";

// Throws OutputError unless a file may be written at TARGET: nothing is there or a regular file this user
// may write, and its folder exists and takes new files. A folder, a symbolic link (whatever it points
// to), a device, a FIFO, a socket, a read-only file and a folder without write permission (for root
// too: see platform::FileStatus) are refused, and so is a file the current run reads
// (RunFiles::checkWrite) or the process has loaded (refuseLoadedFile). This is the one rule of what
// kadenzo-sim may write. Creates nothing.
void checkTarget(const std::string& target, Purpose purpose = Purpose::output);

// Throws OutputError unless FOLDER is a folder that files may be written into, or could be created as
// one: a folder there (links followed), or nothing yet, the nearest name above it that is there being a
// folder (links followed) in which this user may create folders (for root: one with a write permission,
// as for files). A symbolic link that leads nowhere, at FOLDER or above it, is refused, as nothing can be
// created through it, and so is anything but a folder. This is the one rule of the folders kadenzo-sim
// creates (--out); the files written into one are checked by checkTarget. Creates nothing; returns
// whether the folder is there already.
bool checkFolderTarget(const std::string& folder);

// A file that appears complete or not at all:
//     OutputFile file(target);  // checks the target, creates the temporary file beside it
//     file.write(bytes);        // as often as needed
//     file.commit();            // renames it over the target
// Until committed, the target stays as it was. The temporary file is removed when the OutputFile is
// destroyed without a commit, when any step fails, and when the process is asked to end (Ctrl+C,
// SIGTERM). Every error is an OutputError naming the target.
class OutputFile {
public:
    // Checks TARGET (see checkTarget) and creates the temporary file.
    explicit OutputFile(std::string target, Purpose purpose = Purpose::output);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Buffered. After a failure the temporary file is gone and every later call fails.
    void write(std::string_view bytes);
    // Writes what is buffered, makes it durable, checks the target again (it, or the files the process
    // has loaded, may have changed meanwhile) and renames the temporary file over it, keeping a replaced
    // file's permissions.
    void commit();

    const std::string& target() const { return targetName; }

private:
    void requireOpen() const;
    void writeNow(std::string_view bytes);
    // Runs STEP; should it fail, removes the temporary file and reports the failure as an OutputError.
    template <typename Step> void guarded(Step step);
    void abandon() noexcept;

    std::string targetName;
    std::filesystem::path targetPath;
    std::filesystem::path temporaryPath;
    std::optional<platform::NewFile> file;
    std::unique_ptr<RemovalOnEnding> removal;
    std::string buffer;
};

} // namespace kadenzo::output
