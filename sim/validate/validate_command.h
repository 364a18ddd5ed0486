// `kadenzo-sim validate`: checks a plugin module against the host's contract (see validateHelp()).
#pragma once

#include "validate/check_runner.h"

#include <ostream>
#include <string>
#include <vector>

namespace kadenzo::validate {

// What the command works with: the checks there are, how the process of one check is started (a program
// that hands "--run-check NAME --seed S MODULE" to runValidate with the same checks), and the module
// checked when none is named.
struct ValidateSetup {
    std::vector<Check> checks;
    CheckProcessCommand processCommand;
    std::string defaultModulePath;
};

// kadenzo-sim's own: allChecks(), each run by "kadenzo-sim validate --run-check ...".
ValidateSetup kadenzoSimSetup(const std::string& defaultModulePath);

// Runs the command with ARGUMENTS (those after "validate"): progress, table and summary on OUT, errors on
// ERR. Returns the exit status: 0 when every selected check passed, 1 when any did not or a result file
// could not be written, 2 for bad usage (validate_options.h) or a module file that cannot be loaded.
// With --run-check it is the process of one check instead (check_runner.h), and OUT is not used.
int runValidate(const std::vector<std::string>& arguments, const ValidateSetup& setup, std::ostream& out,
                std::ostream& err);

} // namespace kadenzo::validate
