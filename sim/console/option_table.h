// A command's options, "--name VALUE" or "--name=VALUE" each (command_line.h), applied through a table
// with one row per option.
#pragma once

#include "command_line.h"
#include "command_words.h"

#include <fmt/format.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace kadenzo::sim {

template <typename Options> struct OptionRow {
    const char* name;  // "--attempts"
    // What the value is, for "--attempts needs a whole number"; nullptr for a flag, which takes no value
    // ("--details"; "--details=VALUE" is refused) and is applied with an empty one.
    const char* value;
    // Takes VALUE into OPTIONS; throws ConsoleError naming OPTION when VALUE is refused.
    void (*apply)(Options& options, const std::string& option, const std::string& value);
    // Whether the option may be given more than once (its help says so); others are refused the
    // second time (GivenOptions).
    bool repeats = false;
};

namespace option_table_detail {

// The rows of one table, as a range.
template <typename Options> struct Rows {
    const OptionRow<Options>* first;
    const OptionRow<Options>* last;
};

template <typename Options>
std::vector<std::string> apply(const std::vector<std::string>& arguments,
                               std::initializer_list<Rows<Options>> tables, Options& options,
                               const char* command) {
    GivenOptions given;
    std::vector<std::string> names;
    CommandLine line(arguments);
    while (!line.atEnd()) {
        const CommandArgument option = line.next();
        const OptionRow<Options>* row = nullptr;
        for (const Rows<Options>& rows : tables)
            for (const OptionRow<Options>* candidate = rows.first; candidate != rows.last; ++candidate)
                if (option.isOption && option.name == candidate->name) row = candidate;
        if (!row)
            throw ConsoleError(
                option.isOption
                    ? fmt::format("unknown option \"{}\" (see kadenzo-sim {} --help)", option.name, command)
                    : fmt::format("unexpected argument \"{}\"", option.name));
        if (!row->repeats) given.note(option.name);
        names.push_back(option.name);
        if (!row->value) {
            CommandLine::refuseValue(option);
            row->apply(options, option.name, std::string());
            continue;
        }
        const std::string value = line.valueOf(option, row->value);
        row->apply(options, option.name, value);
    }
    return names;
}

} // namespace option_table_detail

// Applies ARGUMENTS to OPTIONS through TABLE and returns the names of the options given, in order.
// Throws ConsoleError for an unknown option (pointing at "kadenzo-sim COMMAND --help"), an argument that
// is no option (these commands take no operands), an option without its value or with an empty one, a
// flag with one, or one given twice that does not repeat.
// Rationale: an option is known or not before its value is looked for, so that a misspelt option is
// reported as such wherever it stands.
template <typename Options, std::size_t Rows>
std::vector<std::string> applyOptions(const std::vector<std::string>& arguments,
                                      const OptionRow<Options> (&table)[Rows], Options& options,
                                      const char* command) {
    return option_table_detail::apply<Options>(arguments, {{table, table + Rows}}, options, command);
}

// The same through TABLE and SHARED, rows that several commands take alike (the player's,
// play/player_options.h).
template <typename Options, std::size_t Rows, std::size_t SharedRows>
std::vector<std::string> applyOptions(const std::vector<std::string>& arguments,
                                      const OptionRow<Options> (&table)[Rows],
                                      const OptionRow<Options> (&shared)[SharedRows], Options& options,
                                      const char* command) {
    return option_table_detail::apply<Options>(
        arguments, {{table, table + Rows}, {shared, shared + SharedRows}}, options, command);
}

} // namespace kadenzo::sim
