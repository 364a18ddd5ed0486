// The options of `kadenzo-sim validate`, checked completely before any check runs, and the selection of
// checks they make.
#pragma once

#include "validate/check.h"
#include "validate/check_pattern.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kadenzo::validate {

// Bad usage: an unknown option, a bad value, a file that cannot be written, a selection of nothing.
// The message names the option and the value; the command exits with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr double defaultTimeoutSeconds = 30;
// Rationale: a limit, so that seconds convert to any clock's ticks without overflow.
constexpr double longestTimeoutSeconds = 86400;

// A pattern (check_pattern.h) as given and compiled; matched anywhere in a check's name.
struct NamePattern {
    std::string text;
    CheckPattern pattern;
};

struct ValidateOptions {
    std::string modulePath;
    std::optional<std::uint64_t> seed; // nothing: one is drawn at start
    double timeoutSeconds = defaultTimeoutSeconds;
    std::vector<NamePattern> includes;
    std::vector<NamePattern> excludes;
    std::string junitPath; // empty: none written
    std::string jsonPath;  // empty: none written
    bool list = false;
    bool inProcess = false;
    bool help = false;
    // Not for users: the process of one check, started by the runner, runs this check only and sends its
    // result on standard output (check_runner.h).
    std::optional<std::string> runCheck;
};

// Parses the arguments after "validate"; MODULE defaults to DEFAULT MODULE PATH. Declares the module, read,
// and the files --junit and --json name, written, to the run's files (output/run_files.h): a report
// that could not be written (output::checkTarget), that is the module, kadenzo-sim itself or the other
// report, however spelled, is refused. Creates nothing. Throws UsageError.
ValidateOptions parseValidateOptions(const std::vector<std::string>& arguments,
                                     const std::string& defaultModulePath);

// The checks of ALL that OPTIONS select, in their order in ALL: a check is selected when its name matches
// any --include (or there is none) and no --exclude. Throws UsageError when that selects nothing.
std::vector<Check> selectChecks(const std::vector<Check>& all, const ValidateOptions& options);

// Finds the check named NAME; throws UsageError when there is none.
const Check& checkNamed(const std::vector<Check>& all, const std::string& name);

// The text of kadenzo-sim validate --help.
std::string validateHelp();

} // namespace kadenzo::validate
