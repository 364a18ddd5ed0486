// The simulator's console language: one command per line, '#' starts a comment, words separated by
// blanks and optionally double-quoted. See usage.cpp for the full list of commands.
#pragma once

#include "simulator.h"
#include "ui_driver.h"

#include <charconv>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

// Splits a line into words: blanks separate, double quotes group, '#' outside quotes ends the line.
std::vector<std::string> splitWords(const std::string& line);

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

private:
    void run(const std::vector<std::string>& words, const std::string& line);
    // One whole frame, then the commands the plugin issued in it.
    void renderFrame();
    void runPendingCommands();

    void setOrShowVariable(const std::vector<std::string>& words);
    void listVariables();
    void pluginCommand(const std::vector<std::string>& words);
    void inspect();
    void traceCommand(const std::vector<std::string>& words);
    void trainingCommand(const std::vector<std::string>& words);
    void eventCommand(const std::string& line);
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
    void describeInterface();

    Simulator& simulator;
    std::ostream& out;
    UiDriver driver;
};

// Runs lines from a stream. Interactive input reports an error and goes on; otherwise the first error
// is reported as "SOURCE:LINE: message" and ends the run with status 2.
int runConsole(Console& console, std::istream& in, const std::string& sourceName, bool interactive,
               std::ostream& out, std::ostream& err);

} // namespace kadenzo::sim
