// The lines of a console script or of standard input, read so that a failing read is told apart from
// the end of the input.
#pragma once

#include <cstddef>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace kadenzo::sim {

// The input itself cannot be read any further (a folder, an input/output error). The message says
// "cannot read script NAME: cause".
class ScriptUnreadable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptReader {
public:
    // Lines longer than this are refused rather than read without end.
    static constexpr std::size_t longestLine = 65536;

    // Reads from an open file that the caller keeps open; name is what messages call it.
    ScriptReader(std::FILE* file, std::string name);

    // The next line without its line end, skipping a UTF-8 byte-order mark at the very start. False at
    // the end of the input. Throws ScriptUnreadable when reading fails, and ConsoleError when the line
    // is longer than longestLine (the rest of it is left unread: see skipRestOfLine()).
    bool next(std::string& line);
    // Discards what is left of a line that was too long, so that reading can go on at the next one.
    // Nothing otherwise.
    void skipRestOfLine();

    const std::string& name() const { return sourceName; }
    // The number of the line next() returned last.
    int lineNumber() const { return lines; }

private:
    std::FILE* file;
    std::string sourceName;
    int lines = 0;
    bool started = false;
    bool cut = false;
};

} // namespace kadenzo::sim
