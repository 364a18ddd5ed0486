// The lines of a console script or of standard input, read so that a failing read is told apart from
// the end of the input.
#pragma once

#include "console/line_source.h"

#include <cstddef>
#include <cstdio>
#include <iosfwd>
#include <string>

namespace kadenzo::sim {

class ScriptReader : public LineSource {
public:
    // Lines longer than this are refused rather than read without end.
    static constexpr std::size_t longestLine = 65536;

    // Reads from an open file that the caller keeps open; name is what messages call it. With PROMPT
    // (a person typing at a console that edits lines itself), shows consolePrompt there before each line.
    ScriptReader(std::FILE* file, std::string name, std::ostream* prompt = nullptr);

    // The next line without its line end, skipping a UTF-8 byte-order mark at the very start. False at
    // the end of the input. Throws ScriptUnreadable when reading fails, and ConsoleError when the line
    // is longer than longestLine (the rest of it is left unread: see skipRestOfLine()).
    bool next(std::string& line) override;
    // Discards what is left of a line that was too long, so that reading can go on at the next one.
    // Nothing otherwise.
    void skipRestOfLine() override;

    const std::string& name() const override { return sourceName; }
    int lineNumber() const override { return lines; }

private:
    std::FILE* file;
    std::string sourceName;
    std::ostream* prompt;
    int lines = 0;
    bool started = false;
    bool cut = false;
};

} // namespace kadenzo::sim
