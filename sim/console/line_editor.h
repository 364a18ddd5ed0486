// Reading what a person types at the terminal. line_editor_posix.cpp edits the line through libedit:
// the arrow keys and the usual editing keys, the history on the up arrow, TAB completion.
// line_editor_windows.cpp reads the console plainly, which edits lines itself. The build picks one.
#pragma once

#include "console/console_completion.h"
#include "console/line_source.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace kadenzo::sim {

struct LineEditing {
    // What the up arrow recalls before the lines typed in this run, oldest first.
    std::deque<std::string> history;
    // The candidates for the word before the cursor, given the text of the line before the cursor.
    std::function<Completion(const std::string& beforeCursor)> complete;
};

// Standard input, a terminal, as the console's lines ("<stdin>"), each read after consolePrompt. OUT, where
// the console writes, is flushed before each prompt. Lines longer than ScriptReader::longestLine are
// refused as a script's are.
std::unique_ptr<LineSource> openTerminalInput(LineEditing editing, std::ostream& out);

} // namespace kadenzo::sim
