// What a person typed at the console's terminal: recalled with the up arrow in this run and, with
// --config FILE, kept in FILE.history for the next one (persisted_settings.h), one line each, oldest
// first. Scripts and piped input leave no history.
#pragma once

#include "console/line_source.h"

#include <cstddef>
#include <deque>
#include <iosfwd>
#include <memory>
#include <string>

namespace kadenzo::sim {

class ConsoleHistory {
public:
    // The most lines kept; the oldest go first.
    static constexpr std::size_t mostLines = 1000;

    // Kept in memory only.
    ConsoleHistory() = default;
    // Reads the history kept in PATH, as a kept file (kept_files.h): none there yet is an empty history.
    // "" for PATH: kept in memory only. Throws KeptFileError.
    static ConsoleHistory read(const std::string& path);

    // Adds LINE, typed in this run, without the blanks at its end, unless it is blank or then the same
    // as the last one.
    void add(const std::string& line);
    // Adds LINE to LINES as add does, keeping the last mostLines; true when it was added.
    static bool remember(std::deque<std::string>& lines, const std::string& line);
    const std::deque<std::string>& lines() const { return entries; }

    // Writes the file back through rewriteKeptFile (kept_files.h): under its lock, the lines on the disk
    // now and after them the lines typed in this run, so that runs sharing the file keep each other's
    // lines; the last mostLines are kept, and of them only the newest that fit in largestKeptFile.
    // Returns STATUS, or keptFileNotWritten when STATUS was 0 and writing failed, which is reported on
    // ERR as "kadenzo-sim: cannot write history PATH: cause". Nothing without a file.
    int writeAtExit(int status, std::ostream& err) const;

private:
    std::string file;
    std::deque<std::string> entries;
    // The lines added in this run, oldest first.
    std::deque<std::string> typed;
};

// The lines of INPUT, each added to HISTORY as it is read.
class RecordedLines : public LineSource {
public:
    RecordedLines(std::unique_ptr<LineSource> input, ConsoleHistory& history)
        : input(std::move(input)), history(history) {}

    bool next(std::string& line) override;
    void skipRestOfLine() override { input->skipRestOfLine(); }
    const std::string& name() const override { return input->name(); }
    int lineNumber() const override { return input->lineNumber(); }

private:
    std::unique_ptr<LineSource> input;
    ConsoleHistory& history;
};

} // namespace kadenzo::sim
