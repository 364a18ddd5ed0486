// Where the console's lines come from: a script, piped standard input, or a person typing at a terminal
// (script_reader.h, line_editor.h). The console reads them all the same way.
#pragma once

#include <stdexcept>
#include <string>

namespace kadenzo::sim {

// What the console shows a person before each line.
inline constexpr const char* consolePrompt = "> ";

// The input itself cannot be read any further (a folder, an input/output error). The message says
// "cannot read script NAME: cause".
class ScriptUnreadable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class LineSource {
public:
    virtual ~LineSource() = default;

    // The next line without its line end; false at the end of the input. A source a person types into
    // shows the prompt first. Throws ScriptUnreadable when the input cannot be read any further, and
    // ConsoleError for a line it refuses (one too long), after which reading can go on (skipRestOfLine).
    virtual bool next(std::string& line) = 0;
    // Discards what is left of a line next() refused, so that reading goes on at the next one; nothing
    // otherwise.
    virtual void skipRestOfLine() = 0;
    // What messages call the input: the script's name, or "<stdin>".
    virtual const std::string& name() const = 0;
    // The number of the line next() returned last.
    virtual int lineNumber() const = 0;
};

} // namespace kadenzo::sim
