// Files kadenzo-sim reads when a run starts and writes again when it ends: the settings of --config and
// the console's history beside them. Both follow the rules of every file kadenzo-sim writes
// (output/output_file.h), checked before the run starts, so that a file that could not be written at
// the end stops the run before anything happens.
#pragma once

#include <cstddef>
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
inline constexpr std::size_t largestKeptFile = 16 * 1024 * 1024;

// The status a run ends with when it would have ended with 0 but a kept file could not be written.
inline constexpr int keptFileNotWritten = 1;

// The contents of the kept file PATH, which messages call WHAT ("settings", "history"); none when there
// is no file there yet. Refused, before anything is opened, when OutputFile could not write it at the end
// (output::checkTarget: a folder, a symbolic link, a device, FIFO or socket, a read-only file, a folder
// that does not exist), and when it cannot be read or is larger than largestKeptFile. Throws
// KeptFileError.
std::optional<std::string> readKeptFile(const std::string& path, const char* what);

// The lines of CONTENTS without their line ends; a UTF-8 byte-order mark at the start is skipped.
std::vector<std::string> keptFileLines(const std::string& contents);

// Writes CONTENTS to PATH through OutputFile. Returns STATUS, or keptFileNotWritten when STATUS was 0 and
// writing failed, which is reported on ERR as "kadenzo-sim: cannot write WHAT PATH: cause".
int writeKeptFile(const std::string& path, const char* what, const std::string& contents, int status,
                  std::ostream& err);

} // namespace kadenzo::sim
