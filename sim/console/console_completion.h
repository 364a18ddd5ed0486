// Completing a word of a console line as a person types it at the terminal (TAB): the words that
// start a command, the host's variables, and after "event" the game functions the shorthands stand
// for. The same on every platform; line_editor_*.cpp calls it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kadenzo::sim {

struct Completion {
    // Where the word being completed starts in the text before the cursor.
    std::size_t wordStart = 0;
    // Every word that could stand there and begins with what is typed of it: sorted, without repeats.
    std::vector<std::string> candidates;
};

// The candidates for the word that ends at the end of BEFORECURSOR, the text of the line before the
// cursor. The first word of a line is completed from Console::commandWords() and VARIABLENAMES (the
// variables registered now); the rest of an "event" line from the game functions of the shorthands
// (game_simulation.h), blanks included. Other words have no candidates.
Completion completeConsoleWord(const std::string& beforeCursor,
                               const std::vector<std::string>& variableNames);

// What TAB adds at the cursor: the rest of the only candidate and a blank, or else what every candidate
// has after the typed part of the word in common; "" when nothing more is certain.
std::string completionInsertion(const Completion& completion, const std::string& beforeCursor);

} // namespace kadenzo::sim
