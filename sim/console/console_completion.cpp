// TAB completion of console lines: which word is being completed and from which words.
#include "console/console_completion.h"

#include "console/console.h"
#include "game/game_simulation.h"

#include <algorithm>

namespace kadenzo::sim {

namespace {

constexpr const char* eventCommand = "event";

bool isBlank(char character) {
    return character == ' ' || character == '\t';
}

std::size_t skipBlanks(const std::string& text, std::size_t index) {
    while (index < text.size() && isBlank(text[index]))
        ++index;
    return index;
}

// The words of CHOICES that begin with PREFIX, sorted, without repeats.
std::vector<std::string> beginningWith(std::vector<std::string> choices, const std::string& prefix) {
    choices.erase(std::remove_if(choices.begin(), choices.end(),
                                 [&prefix](const std::string& word) { return word.rfind(prefix, 0) != 0; }),
                  choices.end());
    std::sort(choices.begin(), choices.end());
    choices.erase(std::unique(choices.begin(), choices.end()), choices.end());
    return choices;
}

std::vector<std::string> firstWords(const std::vector<std::string>& variableNames) {
    std::vector<std::string> words = Console::commandWords();
    words.insert(words.end(), variableNames.begin(), variableNames.end());
    return words;
}

std::vector<std::string> gameFunctionNames() {
    const std::vector<const char*> functions = kadenzo::sim::gameFunctions();
    return std::vector<std::string>(functions.begin(), functions.end());
}

} // namespace

Completion completeConsoleWord(const std::string& beforeCursor,
                               const std::vector<std::string>& variableNames) {
    const std::size_t firstStart = skipBlanks(beforeCursor, 0);
    std::size_t firstEnd = firstStart;
    while (firstEnd < beforeCursor.size() && !isBlank(beforeCursor[firstEnd]))
        ++firstEnd;
    if (firstEnd == beforeCursor.size())
        return Completion{firstStart,
                          beginningWith(firstWords(variableNames), beforeCursor.substr(firstStart))};
    if (beforeCursor.compare(firstStart, firstEnd - firstStart, eventCommand) == 0) {
        const std::size_t nameStart = skipBlanks(beforeCursor, firstEnd);
        return Completion{nameStart, beginningWith(gameFunctionNames(), beforeCursor.substr(nameStart))};
    }
    return Completion{beforeCursor.size(), {}};
}

std::string completionInsertion(const Completion& completion, const std::string& beforeCursor) {
    if (completion.candidates.empty() || completion.wordStart > beforeCursor.size()) return {};
    const std::size_t typed = beforeCursor.size() - completion.wordStart;
    if (completion.candidates.size() == 1) return completion.candidates.front().substr(typed) + ' ';
    // Sorted, so the first and the last differ the most.
    const std::string& first = completion.candidates.front();
    const std::string& last = completion.candidates.back();
    std::size_t common = 0;
    while (common < first.size() && common < last.size() && first[common] == last[common])
        ++common;
    return common > typed ? first.substr(typed, common - typed) : std::string();
}

} // namespace kadenzo::sim
