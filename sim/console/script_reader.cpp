// Reading a script, or standard input, line by line.
#include "console/script_reader.h"

#include "command_words.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace kadenzo::sim {

namespace {
constexpr char byteOrderMark[] = "\xEF\xBB\xBF";
}

ScriptReader::ScriptReader(std::FILE* file, std::string name, std::ostream* prompt)
    : file(file), sourceName(std::move(name)), prompt(prompt) {}

bool ScriptReader::next(std::string& line) {
    line.clear();
    if (prompt) *prompt << consolePrompt << std::flush;
    errno = 0;
    int character = std::getc(file);
    if (character == EOF) {
        if (std::ferror(file))
            throw ScriptUnreadable(
                fmt::format("cannot read script {}: {}", sourceName, std::strerror(errno)));
        return false;
    }
    ++lines;
    while (character != EOF && character != '\n') {
        if (line.size() == longestLine) {
            cut = true;
            throw ConsoleError(fmt::format("the line is longer than {} bytes", longestLine));
        }
        line += static_cast<char>(character);
        character = std::getc(file);
    }
    if (character == EOF && std::ferror(file))
        throw ScriptUnreadable(fmt::format("cannot read script {}: {}", sourceName, std::strerror(errno)));
    if (!started && line.compare(0, 3, byteOrderMark) == 0) line.erase(0, 3);
    started = true;
    return true;
}

void ScriptReader::skipRestOfLine() {
    if (!cut) return;
    cut = false;
    int character = std::getc(file);
    while (character != EOF && character != '\n')
        character = std::getc(file);
}

} // namespace kadenzo::sim
