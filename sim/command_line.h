// How every command of kadenzo-sim reads its command line (the console's options, play's, window's,
// validate's and --config): an option that takes a value is "--name VALUE" or "--name=VALUE", one that
// takes none is "--name" alone, and "--" ends the options, so that every argument after it is an
// operand (a script or a module whose name starts with '-'). An empty value is refused as a missing one
// is. The parsers of the commands read their arguments through CommandLine and nothing else.
//
// Index of this file:
// - CommandArgument, CommandLine
// - Help
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

// ---- CommandArgument, CommandLine --------------------------------------------------------------

// "--": every argument after it is an operand.
constexpr const char* endOfOptions = "--";

// One argument of a command line.
struct CommandArgument {
    // An option: before "--", starting with '-' and not "-" alone (standard input or output, an operand).
    bool isOption = false;
    // The option's name ("--seed" of "--seed=3"), or the operand.
    std::string name;
    // VALUE of "--name=VALUE"; none when the option stood alone.
    std::optional<std::string> attachedValue;
};

// The arguments of one command, taken one after the other.
class CommandLine {
public:
    explicit CommandLine(std::vector<std::string> arguments);

    // Whether every argument has been taken ("--" with nothing after it counts as taken).
    bool atEnd() const;
    // Takes the next argument, passing over the "--" that ends the options. Not at the end only.
    CommandArgument next();
    // The value of OPTION, just taken by next(): its "=VALUE", or else the next argument, taken whatever
    // it is (so that "--csv -" and "--seed -1" reach the option). Throws ConsoleError "NAME needs WHAT"
    // when there is none or it is empty.
    std::string valueOf(const CommandArgument& option, const std::string& what);
    // Throws ConsoleError "NAME takes no value, not "NAME=VALUE"" when FLAG, an option that takes no value,
    // was given one.
    static void refuseValue(const CommandArgument& flag);

    // For a reader that takes some options out and hands the rest on (--config): takes the "--" that
    // ends the options when it is the next argument and returns whether it did, and the arguments not
    // taken yet, as given.
    bool takeEndOfOptions();
    std::vector<std::string> rest() const;

private:
    std::vector<std::string> arguments;
    std::size_t position = 0;
    bool optionsEnded = false;
};

// ---- Help --------------------------------------------------------------------------------------

// Whether ARGUMENTS ask for a command's help: "--help" or "-h" among its options, wherever it stands, so
// that help is shown for a line with a mistake in it. Throws ConsoleError for "--help=VALUE".
bool asksForHelp(const std::vector<std::string>& arguments);

} // namespace kadenzo::sim
