// A command's options, "--name VALUE" each, applied through a table with one row per option.
#pragma once

#include "command_words.h"

#include <fmt/format.h>

#include <cstddef>
#include <string>
#include <vector>

namespace kadenzo::sim {

template <typename Options> struct OptionRow {
    const char* name; // "--attempts"
    // Takes VALUE into OPTIONS; throws ConsoleError naming OPTION when VALUE is refused.
    void (*apply)(Options& options, const std::string& option, const std::string& value);
    // Whether the option may be given more than once (its help says so); others are refused the
    // second time (GivenOptions).
    bool repeats = false;
};

// Applies ARGUMENTS to OPTIONS through TABLE. Throws ConsoleError for an unknown option (pointing at
// "kadenzo-sim COMMAND --help"), an argument that is no option, an option without its value, or one
// given twice that does not repeat.
// Rationale: an option is known or not before its value is looked for, so that a misspelt option is
// reported as such wherever it stands.
template <typename Options, std::size_t Rows>
void applyOptions(const std::vector<std::string>& arguments, const OptionRow<Options> (&table)[Rows],
                  Options& options, const char* command) {
    GivenOptions given;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& option = arguments[index];
        const OptionRow<Options>* row = nullptr;
        for (const OptionRow<Options>& candidate : table)
            if (option == candidate.name) row = &candidate;
        if (!row)
            throw ConsoleError(
                option.size() > 1 && option[0] == '-'
                    ? fmt::format("unknown option \"{}\" (see kadenzo-sim {} --help)", option, command)
                    : fmt::format("unexpected argument \"{}\"", option));
        if (!row->repeats) given.note(option);
        if (index + 1 >= arguments.size()) throw ConsoleError(fmt::format("{} needs a value", option));
        row->apply(options, option, arguments[++index]);
    }
}

} // namespace kadenzo::sim
