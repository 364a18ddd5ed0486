// Files kadenzo-sim reads when a run starts and writes again when it ends: the settings of --config and
// the console's history beside them. Both follow the rules of every file kadenzo-sim writes
// (output/output_file.h), checked before the run starts, so that a file that could not be written at
// the end stops the run before anything happens. Each is declared to the run's files
// (output/run_files.h) as kept, so that no other output of the run is written over it, and it is no
// input of the run.
//
// Several runs may keep one file at the same time (a console and a play session, say). So at exit a
// kept file is not simply written over: under a lock on it (platform/file_lock.h), what is on the disk
// now is read again and handed to the keeper, which applies only what its own run changed to it, and the
// result is put in place before the lock is let go.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kadenzo::sim {

// A kept file that cannot be used; the message is "cannot read WHAT PATH: cause" or "cannot write WHAT
// PATH: cause".
class KeptFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Rationale: a settings or history file is a few kilobytes; anything this large is some other file.
// Nothing larger is ever written either, so that every file kept can be read by the next run.
inline constexpr std::size_t largestKeptFile = 16 * 1024 * 1024;

// The status a run ends with when it would have ended with 0 but a kept file could not be written.
inline constexpr int keptFileNotWritten = 1;

// The contents of the kept file PATH, which messages call WHAT ("settings", "history"); none when there
// is no file there yet. Refused, before anything is opened, when OutputFile could not write it at the end
// (output::checkTarget: a folder, a symbolic link, a device, FIFO or socket, a read-only file, a folder
// that does not exist, a folder without write permission), when it is the same file as another file of
// the run (output::RunFiles, where it is declared kept), and when it cannot be read or is larger than
// largestKeptFile. Throws KeptFileError.
std::optional<std::string> readKeptFile(const std::string& path, const char* what);

// The lines of CONTENTS without their line ends; a UTF-8 byte-order mark at the start is skipped.
std::vector<std::string> keptFileLines(const std::string& contents);

// What a keeper makes of the file as it is on the disk now (none when nothing is there, "" when it is
// empty): the contents to write. May throw KeptFileError, which is reported as writing failed.
using KeptFileMerge = std::function<std::string(const std::optional<std::string>& onDisk)>;

// Locks PATH, reads it again, and writes MERGE's contents to it through OutputFile before the lock is let
// go. Contents larger than largestKeptFile are not written. Returns STATUS, or keptFileNotWritten when
// STATUS was 0 and writing failed, which is reported on ERR as "kadenzo-sim: cannot write WHAT PATH:
// cause" (through platform::terminalText); the file is then left as it was.
int rewriteKeptFile(const std::string& path, const char* what, const KeptFileMerge& merge, int status,
                    std::ostream& err);

} // namespace kadenzo::sim
