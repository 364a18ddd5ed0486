// The words of a command: the usage error, splitting a line into words, the checks of a command's
// arguments, and the options given once.
#include "command_words.h"

#include "platform/terminal_text.h"

#include <fmt/format.h>

#include <algorithm>

#include <ostream>

namespace kadenzo::sim {

namespace {

bool isBlank(char character) {
    return character == ' ' || character == '\t' || character == '\r';
}

// The line without its comment, and without blanks at either end.
std::string stripComment(const std::string& line) {
    bool quoted = false;
    std::size_t end = line.size();
    for (std::size_t index = 0; index < line.size(); ++index) {
        if (line[index] == '"')
            quoted = !quoted;
        else if (line[index] == '#' && !quoted) {
            end = index;
            break;
        }
    }
    std::size_t begin = 0;
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

} // namespace

int reportUsageError(std::ostream& err, const std::string& message) {
    err << "kadenzo-sim: " << platform::terminalText(message) << "\n(see kadenzo-sim --help)" << std::endl;
    return 2;
}

std::vector<std::string> splitWords(const std::string& line) {
    const std::string text = stripComment(line);
    std::vector<std::string> words;
    std::size_t index = 0;
    while (index < text.size()) {
        if (isBlank(text[index])) {
            ++index;
            continue;
        }
        std::string word;
        bool quoted = false;
        while (index < text.size() && (quoted || !isBlank(text[index]))) {
            if (text[index] == '"')
                quoted = !quoted;
            else
                word += text[index];
            ++index;
        }
        if (quoted) throw ConsoleError("unterminated quote");
        words.push_back(word);
    }
    return words;
}

void refuseWholeNumber(const std::string& what, const std::string& text, const std::string& expected) {
    throw ConsoleError(fmt::format("{} must be {}, not \"{}\"", what, expected, text));
}

void refuseTooLarge(const std::string& what, const std::string& text, const std::string& most) {
    throw ConsoleError(fmt::format("{} is too large (at most {}), not \"{}\"", what, most, text));
}

void expectArguments(const std::vector<std::string>& words, std::size_t least, std::size_t most,
                     const char* usage) {
    const std::size_t arguments = words.size() - 1;
    if (arguments < least || arguments > most) throw ConsoleError(fmt::format("usage: {}", usage));
}

bool parseOnOff(const std::vector<std::string>& words, const char* usage) {
    expectArguments(words, 1, 1, usage);
    if (words[1] == "on") return true;
    if (words[1] == "off") return false;
    throw ConsoleError(fmt::format("expected on or off, not \"{}\" (usage: {})", words[1], usage));
}

void GivenOptions::note(const std::string& option) {
    if (std::find(given.begin(), given.end(), option) != given.end())
        throw ConsoleError(fmt::format("{} can be given only once", option));
    given.push_back(option);
}

} // namespace kadenzo::sim
