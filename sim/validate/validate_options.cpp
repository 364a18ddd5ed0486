// Parsing and checking the options of `kadenzo-sim validate`, and selecting checks by name.
//
// Index of this file:
// - Values: seeds, time limits, patterns, result files
// - The table of options
// - Parsing, selecting
// - Help
#include "validate/validate_options.h"

#include "command_line.h"
#include "console/console.h"
#include "number_text.h"
#include "output/output_file.h"
#include "platform/process_ending.h"
#include "validate/check_protocol.h"

#include <fmt/format.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <regex>
#include <utility>

namespace kadenzo::validate {

namespace {

// ---- Values ------------------------------------------------------------------------------------

std::uint64_t parseSeed(const std::string& option, const std::string& text) {
    try {
        return sim::requireWholeNumber<std::uint64_t>(text, 0, std::numeric_limits<std::uint64_t>::max(),
                                                      option, "a whole number");
    } catch (const sim::ConsoleError& error) {
        throw UsageError(error.what());
    }
}

bool isDecimal(const std::string& text) {
    static const std::regex decimal("[0-9]+(\\.[0-9]+)?|\\.[0-9]+");
    return std::regex_match(text, decimal);
}

double parseTimeout(const std::string& option, const std::string& text) {
    const double seconds = isDecimal(text) ? std::strtod(text.c_str(), nullptr) : 0.0;
    if (!(seconds > 0.0) || !(seconds <= longestTimeoutSeconds))
        throw UsageError(fmt::format("{} needs a number of seconds above 0 and at most {}, not \"{}\"",
                                     option, shortest(longestTimeoutSeconds), text));
    return seconds;
}

NamePattern parsePattern(const std::string& option, const std::string& text) {
    try {
        return NamePattern{text, CheckPattern(text)};
    } catch (const PatternError& error) {
        throw UsageError(fmt::format("{}: \"{}\" is not a pattern: {}", option, text, error.what()));
    }
}

std::string requireFileName(const std::string& option, const std::string& path) {
    if (path.empty()) throw UsageError(fmt::format("{} needs a file name", option));
    return path;
}

void declareReport(const char* option, const std::string& path, const char* what) {
    if (path.empty()) return;
    try {
        output::declareOutput(path, what);
    } catch (const output::OutputError& error) {
        throw UsageError(fmt::format("{}: {}", option, error.what()));
    }
}

// The module first, so that a report naming it (or the other report) is the one refused.
void declareFiles(const ValidateOptions& options) {
    output::declareInput(options.modulePath, "the module under test");
    declareReport("--junit", options.junitPath, "the JUnit report (--junit)");
    declareReport("--json", options.jsonPath, "the JSON report (--json)");
}

// ---- The table of options ----------------------------------------------------------------------

using ApplyValue = void (*)(ValidateOptions& options, const std::string& option, const std::string& value);
using ApplyFlag = void (*)(ValidateOptions& options);

struct OptionEntry {
    const char* name;
    const char* value; // what the value is, for "--include needs a pattern"; null for a flag
    ApplyValue applyValue;
    ApplyFlag applyFlag;
    bool repeats = false; // may be given more than once (sim::GivenOptions)
};

const std::array<OptionEntry, 11> optionTable{{
    {"--list", nullptr, nullptr, [](ValidateOptions& options) { options.list = true; }},
    {"--include", "a pattern",
     [](ValidateOptions& options, const std::string& option, const std::string& value) {
         options.includes.push_back(parsePattern(option, value));
     },
     nullptr, true},
    {"--exclude", "a pattern",
     [](ValidateOptions& options, const std::string& option, const std::string& value) {
         options.excludes.push_back(parsePattern(option, value));
     },
     nullptr, true},
    {"--seed", "a whole number",
     [](ValidateOptions& options, const std::string& option, const std::string& value) {
         options.seed = parseSeed(option, value);
     },
     nullptr},
    {"--timeout", "a number of seconds",
     [](ValidateOptions& options, const std::string& option, const std::string& value) {
         options.timeoutSeconds = parseTimeout(option, value);
     },
     nullptr},
    {"--junit", "a file name",
     [](ValidateOptions& options, const std::string& option, const std::string& value) {
         options.junitPath = requireFileName(option, value);
     },
     nullptr},
    {"--json", "a file name",
     [](ValidateOptions& options, const std::string& option, const std::string& value) {
         options.jsonPath = requireFileName(option, value);
     },
     nullptr},
    {"--in-process", nullptr, nullptr, [](ValidateOptions& options) { options.inProcess = true; }},
    {"--help", nullptr, nullptr, [](ValidateOptions& options) { options.help = true; }},
    {"-h", nullptr, nullptr, [](ValidateOptions& options) { options.help = true; }},
    {"--run-check", "a check's name",
     [](ValidateOptions& options, const std::string&, const std::string& value) { options.runCheck = value; },
     nullptr},
}};

const OptionEntry* findOption(const std::string& name) {
    for (const OptionEntry& entry : optionTable)
        if (name == entry.name) return &entry;
    return nullptr;
}

// Takes ARGUMENTS into OPTIONS; returns the module, if one is given. Throws sim::ConsoleError or UsageError.
std::optional<std::string> readOptions(const std::vector<std::string>& arguments, ValidateOptions& options) {
    std::optional<std::string> module;
    sim::GivenOptions given;
    sim::CommandLine line(arguments);
    while (!line.atEnd()) {
        const sim::CommandArgument argument = line.next();
        if (!argument.isOption) {
            if (module)
                throw UsageError(fmt::format("only one module can be given, not also \"{}\"", argument.name));
            if (argument.name.empty()) throw UsageError("the module's path is empty");
            module = argument.name;
            continue;
        }
        const OptionEntry* entry = findOption(argument.name);
        if (!entry) throw UsageError(fmt::format("unknown option \"{}\"", argument.name));
        if (!entry->repeats) given.note(argument.name);
        if (entry->applyFlag) {
            sim::CommandLine::refuseValue(argument);
            entry->applyFlag(options);
        } else {
            const std::string value = line.valueOf(argument, entry->value);
            entry->applyValue(options, argument.name, value);
        }
    }
    return module;
}

bool matchesAny(const std::vector<NamePattern>& patterns, const std::string& name) {
    for (const NamePattern& pattern : patterns)
        if (pattern.pattern.foundIn(name)) return true;
    return false;
}

} // namespace

// ---- Parsing, selecting ------------------------------------------------------------------------

// Rationale: --help wins wherever it stands, so that it works on a line with a mistake in it.
ValidateOptions parseValidateOptions(const std::vector<std::string>& arguments,
                                     const std::string& defaultModulePath) {
    ValidateOptions options;
    try {
        options.help = sim::asksForHelp(arguments);
        if (options.help) return options;
        options.modulePath = readOptions(arguments, options).value_or(defaultModulePath);
    } catch (const sim::ConsoleError& error) {
        throw UsageError(error.what());
    }
    declareFiles(options);
    return options;
}

std::vector<Check> selectChecks(const std::vector<Check>& all, const ValidateOptions& options) {
    std::vector<Check> selected;
    for (const Check& check : all)
        if ((options.includes.empty() || matchesAny(options.includes, check.name)) &&
            !matchesAny(options.excludes, check.name))
            selected.push_back(check);
    if (selected.empty())
        throw UsageError(
            "no check is selected: --include and --exclude leave none (see kadenzo-sim validate --list)");
    return selected;
}

const Check& checkNamed(const std::vector<Check>& all, const std::string& name) {
    for (const Check& check : all)
        if (name == check.name) return check;
    throw UsageError(fmt::format("no check is named \"{}\"", name));
}

// ---- Help --------------------------------------------------------------------------------------

std::string validateHelp() {
    return fmt::format(R"(kadenzo-sim validate: checks a plugin module against the host's contract.

Usage:
  kadenzo-sim validate [--list] [--include PATTERN]... [--exclude PATTERN]... [--seed S]
                       [--timeout S] [--junit FILE] [--json FILE] [--in-process] [--] [MODULE]

Runs each check on MODULE (default: Kadenzo.so or Kadenzo.dll beside kadenzo-sim) in a process of
its own, one after the other, so that a check that crashes or hangs is reported and the others
still run. Prints a line per check as it finishes (result, time, why) with what the check reported
beneath it, then a table of every check and a summary. MODULE must be a regular file and a
complete module of the platform's format; it is checked before anything runs.

Results:
  PASS     the check found nothing wrong
  FAIL     it found a fault, or the plugin broke the host's rules (a call into the host from
           another thread, before onLoad or after it was unloaded)
  CRASH    the check's process died: a signal, or an exception code on Windows
  TIMEOUT  no result within the time limit; the process was killed

Options:
  --list             print the selected checks, each with what it checks, and run nothing
  --include PATTERN  run the checks whose name matches PATTERN (found anywhere in the name; see
                     Patterns); repeatable: a check runs when it matches any
  --exclude PATTERN  leave out the checks whose name matches PATTERN; repeatable; wins over
                     --include
  --seed S           seed of every random choice, a whole number from 0 to {mostSeed}
                     (default: drawn at start and printed, so that any run can be repeated)
  --timeout S        seconds a check may run before it is killed, above 0 and at most
                     {mostTimeout} (default {timeout})
  --junit FILE       also write the results as JUnit XML
  --json FILE        also write the results as JSON: module, seed, and each check's name,
                     result, seconds, reason, reports and output
  --in-process       run every check in this process, in order, for a debugger: no isolation
                     (a crash or a hang ends the whole run) and no time limit
  --help             show this text
Each value may also follow its option after '=' (--seed=7); an empty one is refused, as is a value
given to an option that takes none (--list=1). "--" ends the options: what follows is MODULE, even
when its name starts with '-'.

Each check's process runs in a group of its own (a job object on Windows) with no file of
kadenzo-sim's open but its standard input, output and error. Its verdict counts only when sent
with a token handed to it alone and confirmed by how the process exits. What it writes besides
is kept, up to {mostOutput} bytes, and shown as its output; the rest is dropped and counted.
Processes it leaves running fail the check, and every process of its group is ended when it
ends, when its time is up, and when kadenzo-sim validate itself is ended.

Patterns are regular expressions of this part of ECMAScript's, matched in time linear in the
name whatever the pattern: literals; . (any character but a line end); classes [...] and [^...]
with ranges; \d \D \w \W \s \S \t \n \r \f \v \0 \xHH and a backslash before punctuation; the
anchors ^ $ \b \B; groups (...) and (?:...); alternation |; repeats * + ? {{m}} {{m,}} {{m,n}}, each
maybe followed by ?, with counts of at most {mostCount}. Back references, lookarounds, named
groups and other escapes are refused, as is a class with a character that is not ASCII; every
refusal names the cause and its position, counted from 1.

A failure of a check with random parts prints the command that repeats it:
  kadenzo-sim validate --include '^NAME$' --seed S MODULE

Files are written whole or not at all, never through a symbolic link, never over a folder, a
device, a FIFO or a read-only file. Exit status: 0 when every check passed; 1 when any failed,
crashed or timed out, or a result file could not be written; 2 for bad usage: an unknown option,
a bad value, a pattern that is refused, a selection of no check, a result file
that could not be written there, or a module that is missing or no module file. With --in-process,
{unchosenEnding};
in a check's own process that ending is the check's CRASH.
)",
                       fmt::arg("mostSeed", std::numeric_limits<std::uint64_t>::max()),
                       fmt::arg("mostTimeout", shortest(longestTimeoutSeconds)),
                       fmt::arg("timeout", shortest(defaultTimeoutSeconds)), fmt::arg("mostCount", largestCount),
                       fmt::arg("mostOutput", mostOutputBytes),
                       fmt::arg("unchosenEnding", platform::unchosenEndingHelp));
}

} // namespace kadenzo::validate
