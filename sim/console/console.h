// The simulator's console language: one command per line, '#' starts a comment, words separated by
// blanks and optionally double-quoted. consoleHelp() lists the commands.
#pragma once

#include "console/script_reader.h"
#include "host_ui/ui_driver.h"
#include "simulator.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

// Sets the variable as the console does; throws ConsoleError saying why a text is refused. Returns what
// the range made of a value beyond it (ConsoleVariable::clampNotice), for the person who gave it.
std::optional<std::string> setVariableText(halvex::host::ConsoleVariable& variable, const std::string& text);
// Throws the ConsoleError of setVariableText for a text the variable NAME (of RANGE and RULE, when
// registered) refused with OUTCOME.
[[noreturn]] void refuseVariableText(halvex::host::ConsoleVariable::TextOutcome outcome,
                                     const std::string& name, const std::string& text,
                                     const halvex::host::VariableRange& range = {},
                                     halvex::host::ValueRule rule = halvex::host::ValueRule::anyNumber);

// The most frames one "frame" command renders: a million take a few seconds; more is a typing error.
constexpr int largestFrameCount = 1'000'000;

class Console {
public:
    Console(Simulator& simulator, std::ostream& out);

    // Runs one line, then the commands the plugin issued meanwhile. Throws ConsoleError for bad input;
    // blank and comment lines do nothing.
    void execute(const std::string& line);
    // What the host does when its console closes: unloads the plugin. Throws ConsoleError, once the
    // plugin is fully unloaded, when one of its entry points failed.
    void shutDown();
    // Runs the commands the plugin issued since the last line, as after a frame a desktop window drew
    // itself. Throws ConsoleError naming the command that failed.
    void runPendingCommands();

    // The words that start a command (variable names aside), the game function shorthands included:
    // what the console completes a line's first word from, besides the variables.
    static std::vector<std::string> commandWords();

    // Whether "quit" or "exit" ran: the console reads no more lines.
    bool quitRequested() const { return quitting; }

private:
    using CommandRun = void (Console::*)(const std::vector<std::string>& words);
    struct Command {
        const char* word;
        CommandRun run;
    };
    // Every command but the variables and the game function shorthands (game_simulation.h).
    static const Command commands[];

    void run(const std::vector<std::string>& words);
    // One whole frame, then the commands the plugin issued in it.
    void renderFrame();
    // The canvas of the last frame; throws ConsoleError when no frame has been rendered yet, for
    // every command that reads the last frame back (screenshot, ui).
    const halvex::host::Canvas& renderedFrame() const;

    void showHelp(const std::vector<std::string>& words);
    void quitCommand(const std::vector<std::string>& words);
    void setOrShowVariable(const std::vector<std::string>& words);
    void listVariables(const std::vector<std::string>& words);
    void pluginCommand(const std::vector<std::string>& words);
    void inspect(const std::vector<std::string>& words);
    void traceCommand(const std::vector<std::string>& words);
    void trainingCommand(const std::vector<std::string>& words);
    void eventCommand(const std::vector<std::string>& words);
    void attemptsCommand(const std::vector<std::string>& words);
    void canvasCommand(const std::vector<std::string>& words);
    void frameCommand(const std::vector<std::string>& words);
    void screenshotCommand(const std::vector<std::string>& words);
    // The host's interface (console_interface_commands.cpp)
    void settingsCommand(const std::vector<std::string>& words);
    void toggleMenuCommand(const std::vector<std::string>& words);
    void pointerCommand(const std::vector<std::string>& words);
    void slideCommand(const std::vector<std::string>& words);
    void windowButtonCommand(const std::vector<std::string>& words);
    void describeInterface(const std::vector<std::string>& words);

    Simulator& simulator;
    std::ostream& out;
    UiDriver driver;
    bool quitting = false;
};

// Runs lines from a script, standard input or a person at a terminal, until their end or "quit". Interactive
// input reports an error and goes on; otherwise the first error is reported as "SOURCE:LINE: message" and
// ends the run with status 2. Input that cannot be read ends the run with status 2 in either case. Either way
// the console shuts down at the end; a failure there is reported as "SOURCE: at exit: message" and makes the
// status 2.
int runConsole(Console& console, LineSource& in, bool interactive, std::ostream& out, std::ostream& err);

// The console's commands, one a line, in the order of Console's table: what `help` shows.
std::string consoleHelp();

} // namespace kadenzo::sim
