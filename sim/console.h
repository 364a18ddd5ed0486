// The simulator's console language: one command per line, '#' starts a comment, words separated by
// blanks and optionally double-quoted. See usage.cpp for the full list of commands.
#pragma once

#include "script_reader.h"
#include "simulator.h"
#include "ui_driver.h"

#include <fmt/format.h>

#include <charconv>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

// Splits a line into words: blanks separate, double quotes group, '#' outside quotes ends the line.
std::vector<std::string> splitWords(const std::string& line);

// Sets the variable as the console does; throws ConsoleError saying why a text is refused.
void setVariableText(halvex::host::ConsoleVariable& variable, const std::string& text);
// Throws the ConsoleError of setVariableText for a text the variable NAME (of RANGE, when registered)
// refused with OUTCOME.
[[noreturn]] void refuseVariableText(halvex::host::ConsoleVariable::TextOutcome outcome,
                                     const std::string& name, const std::string& text,
                                     const halvex::host::VariableRange& range = {});

// The most frames one "frame" command renders: a million take a few seconds; more is a typing error.
constexpr int largestFrameCount = 1'000'000;

// Throws ConsoleError with the usage when the command's words have too few or too many arguments.
void expectArguments(const std::vector<std::string>& words, std::size_t least, std::size_t most,
                     const char* usage);
// The command's one argument, "on" or "off"; throws ConsoleError for anything else.
bool parseOnOff(const std::vector<std::string>& words, const char* usage);

// The errors of requireWholeNumber.
[[noreturn]] void refuseWholeNumber(const std::string& what, const std::string& text,
                                    const std::string& expected);
[[noreturn]] void refuseTooLarge(const std::string& what, const std::string& text, const std::string& most);

// TEXT as a whole number from LEAST to MOST. Throws ConsoleError naming WHAT: "WHAT is too large (at most
// MOST), not "TEXT"" for a whole number above MOST, however many digits it has, and otherwise "WHAT must
// be EXPECTED, not "TEXT"", EXPECTED being "a whole number of at least LEAST" unless given.
template <typename Integer>
Integer requireWholeNumber(const std::string& text, Integer least, Integer most, const std::string& what,
                           const std::string& expected = {}) {
    Integer value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool allDigits = !text.empty() && result.ptr == text.data() + text.size();
    const bool aboveAnyInteger = result.ec == std::errc::result_out_of_range && text.front() != '-';
    if (allDigits && (aboveAnyInteger || (result.ec == std::errc() && value > most)))
        refuseTooLarge(what, text, std::to_string(most));
    if (!allDigits || result.ec != std::errc() || value < least)
        refuseWholeNumber(
            what, text, expected.empty() ? "a whole number of at least " + std::to_string(least) : expected);
    return value;
}

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

    void showHelp(const std::vector<std::string>& words);
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
};

// Runs lines from a script, standard input or a person at a terminal. Interactive input reports an error
// and goes on; otherwise the first error is reported as "SOURCE:LINE: message" and ends the run with
// status 2. Input that cannot be read ends the run with status 2 in either case. Either way the console
// shuts down at the end; a failure there is reported as "SOURCE: at exit: message" and makes the status 2.
int runConsole(Console& console, LineSource& in, bool interactive, std::ostream& out, std::ostream& err);

} // namespace kadenzo::sim
