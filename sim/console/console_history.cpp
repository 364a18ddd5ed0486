// The console's history: reading it, adding to it, writing it at exit.
//
// Index of this file:
// - Lines: remembering them, and the file's text
// - ConsoleHistory
// - RecordedLines
#include "console/console_history.h"

#include "output/kept_files.h"

namespace kadenzo::sim {

// ---- Lines -------------------------------------------------------------------------------------

namespace {

constexpr const char* historyWhat = "history";

constexpr const char* blanks = " \t\r";

// The lines of CONTENTS, each remembered as add does.
void rememberAll(std::deque<std::string>& lines, const std::string& contents) {
    for (const std::string& line : keptFileLines(contents))
        ConsoleHistory::remember(lines, line);
}

// LINES as the file holds them, without the oldest ones that would make it larger than a kept file may
// be.
std::string historyText(std::deque<std::string> lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    while (size > largestKeptFile) {
        size -= lines.front().size() + 1;
        lines.pop_front();
    }
    std::string contents;
    contents.reserve(size);
    for (const std::string& line : lines)
        contents += line + '\n';
    return contents;
}

} // namespace

// ---- ConsoleHistory ----------------------------------------------------------------------------

ConsoleHistory ConsoleHistory::read(const std::string& path) {
    ConsoleHistory history;
    history.file = path;
    if (path.empty()) return history;
    if (const std::optional<std::string> contents = readKeptFile(path, historyWhat))
        rememberAll(history.entries, *contents);
    return history;
}

void ConsoleHistory::add(const std::string& line) {
    if (!remember(entries, line)) return;
    typed.push_back(entries.back());
    if (typed.size() > mostLines) typed.pop_front();
}

// Rationale: a completed word ends in a blank, which the line editor's own history drops; the line is
// the same command either way.
bool ConsoleHistory::remember(std::deque<std::string>& lines, const std::string& line) {
    const std::size_t end = line.find_last_not_of(blanks);
    if (end == std::string::npos) return false;
    std::string kept = line.substr(0, end + 1);
    if (!lines.empty() && lines.back() == kept) return false;
    lines.push_back(std::move(kept));
    if (lines.size() > mostLines) lines.pop_front();
    return true;
}

int ConsoleHistory::writeAtExit(int status, std::ostream& err) const {
    if (file.empty()) return status;
    return rewriteKeptFile(
        file, historyWhat,
        [this](const std::optional<std::string>& onDisk) {
            std::deque<std::string> lines;
            if (onDisk) rememberAll(lines, *onDisk);
            for (const std::string& line : typed)
                remember(lines, line);
            return historyText(std::move(lines));
        },
        status, err);
}

// ---- RecordedLines -----------------------------------------------------------------------------

bool RecordedLines::next(std::string& line) {
    if (!input->next(line)) return false;
    history.add(line);
    return true;
}

} // namespace kadenzo::sim
