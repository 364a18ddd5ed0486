// The words of a command, whoever reads them (the console, a command's options): the error that refuses
// a command, splitting a line into words, the checks of a command's arguments, and the options a
// command line has given.
//
// Index of this file:
// - ConsoleError
// - Words and arguments
// - Options given once
#pragma once

#include <charconv>
#include <cstddef>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace kadenzo::sim {

// ---- ConsoleError ------------------------------------------------------------------------------

// A command that cannot be carried out; the message says why, quoting the words of the command as they
// were given. Whoever prints it shows it through platform::terminalText, as every message.
class ConsoleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reports a command line kadenzo-sim cannot run on ERR, as "kadenzo-sim: MESSAGE" (through
// platform::terminalText) and a line pointing at --help, and returns the status of bad usage, 2.
int reportUsageError(std::ostream& err, const std::string& message);

// ---- Words and arguments -----------------------------------------------------------------------

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

// ---- Options given once ------------------------------------------------------------------------

// The one rule for the options of every command of kadenzo-sim (the console's, play's, window's,
// validate's, --config): an option is given once, unless its help says that it repeats (--set,
// --include, --exclude), and a second one is refused naming it.
// Rationale: refused rather than the last one winning, as "--junit a.xml --junit b.xml" would
// otherwise never write a.xml without a word.
class GivenOptions {
public:
    // Notes that OPTION is given; throws ConsoleError "OPTION can be given only once" when it was
    // given before. An option that repeats is not noted.
    void note(const std::string& option);

private:
    std::vector<std::string> given;
};

} // namespace kadenzo::sim
