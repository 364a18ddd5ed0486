// Reading a command line: options with their values attached or following, flags, "--" and operands.
#include "command_line.h"

#include "command_words.h"

#include <fmt/format.h>

#include <utility>

namespace kadenzo::sim {

namespace {

const std::string endOfOptionsWord = endOfOptions;

// An argument standing where options may stand.
CommandArgument argumentBeforeTheEnd(const std::string& argument) {
    CommandArgument taken;
    taken.isOption = argument.size() > 1 && argument[0] == '-';
    taken.name = argument;
    // Only a long option carries its value; "--=x" is no name with a value.
    const std::size_t equals = argument.find('=');
    if (taken.isOption && argument.compare(0, 2, "--") == 0 && equals != std::string::npos && equals > 2) {
        taken.name = argument.substr(0, equals);
        taken.attachedValue = argument.substr(equals + 1);
    }
    return taken;
}

bool isHelp(const std::string& name) {
    return name == "--help" || name == "-h";
}

} // namespace

CommandLine::CommandLine(std::vector<std::string> arguments) : arguments(std::move(arguments)) {}

bool CommandLine::atEnd() const {
    const std::size_t left = arguments.size() - position;
    return left == 0 || (left == 1 && !optionsEnded && arguments[position] == endOfOptionsWord);
}

CommandArgument CommandLine::next() {
    takeEndOfOptions();
    const std::string& argument = arguments[position++];
    if (!optionsEnded) return argumentBeforeTheEnd(argument);
    CommandArgument operand;
    operand.name = argument;
    return operand;
}

std::string CommandLine::valueOf(const CommandArgument& option, const std::string& what) {
    std::string value;
    if (option.attachedValue)
        value = *option.attachedValue;
    else if (position < arguments.size())
        value = arguments[position++];
    if (value.empty()) throw ConsoleError(fmt::format("{} needs {}", option.name, what));
    return value;
}

void CommandLine::refuseValue(const CommandArgument& flag) {
    if (flag.attachedValue)
        throw ConsoleError(
            fmt::format("{} takes no value, not \"{}={}\"", flag.name, flag.name, *flag.attachedValue));
}

bool CommandLine::takeEndOfOptions() {
    if (optionsEnded || position >= arguments.size() || arguments[position] != endOfOptionsWord) return false;
    optionsEnded = true;
    ++position;
    return true;
}

std::vector<std::string> CommandLine::rest() const {
    return std::vector<std::string>(arguments.begin() + static_cast<std::ptrdiff_t>(position),
                                    arguments.end());
}

bool asksForHelp(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == endOfOptionsWord) return false;
        const CommandArgument taken = argumentBeforeTheEnd(argument);
        if (!taken.isOption || !isHelp(taken.name)) continue;
        CommandLine::refuseValue(taken);
        return true;
    }
    return false;
}

} // namespace kadenzo::sim
