// The console's history: reading it, adding to it, writing it at exit.
#include "console/console_history.h"

#include "output/kept_files.h"

namespace kadenzo::sim {

namespace {

constexpr const char* historyWhat = "history";

constexpr const char* blanks = " \t\r";

} // namespace

ConsoleHistory ConsoleHistory::read(const std::string& path) {
    ConsoleHistory history;
    history.file = path;
    if (path.empty()) return history;
    if (const std::optional<std::string> contents = readKeptFile(path, historyWhat))
        for (const std::string& line : keptFileLines(*contents))
            history.add(line);
    return history;
}

// Rationale: a completed word ends in a blank, which the line editor's own history drops; the line is
// the same command either way.
void ConsoleHistory::add(const std::string& line) {
    const std::size_t end = line.find_last_not_of(blanks);
    if (end == std::string::npos) return;
    const std::string kept = line.substr(0, end + 1);
    if (!entries.empty() && entries.back() == kept) return;
    entries.push_back(kept);
    if (entries.size() > mostLines) entries.pop_front();
}

int ConsoleHistory::writeAtExit(int status, std::ostream& err) const {
    if (file.empty()) return status;
    std::string contents;
    for (const std::string& line : entries)
        contents += line + '\n';
    return writeKeptFile(file, historyWhat, contents, status, err);
}

bool RecordedLines::next(std::string& line) {
    if (!input->next(line)) return false;
    history.add(line);
    return true;
}

} // namespace kadenzo::sim
