// Running a selection of checks: each in a process of its own (a crash or a hang is one check's result,
// not the end of the run), or all in this process for a debugger.
//
// A check's process is started as
//     PROGRAM LEADING-ARGUMENTS... --run-check NAME --seed S MODULE
// in a group of its own (platform/child_process.h), is handed a token and answers in the protocol of
// check_protocol.h. A process that dies before its result line, or that does not exit with the status
// that confirms it, crashed; one still running after the time limit is killed. Processes it leaves
// running fail the check, and are ended.
//
// Index of this file:
// - Outcome, CheckResult
// - Running checks: runChecks, runCheckHere
// - The check's process: runCheckForParent
#pragma once

#include "validate/check.h"
#include "validate/validate_options.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::validate {

// ---- Outcome, CheckResult ----------------------------------------------------------------------

enum class Outcome { pass, fail, crash, timeout };

// "PASS", "FAIL", "CRASH", "TIMEOUT": the words of every report and result file.
const char* outcomeName(Outcome outcome);

struct CheckResult {
    std::string name;
    bool random = false; // the check follows the seed
    Outcome outcome = Outcome::pass;
    double seconds = 0.0;
    std::string reason; // one line of why; empty for a pass
    std::vector<std::string> reports;
    // What its process wrote besides its messages (standard error, and standard output once it ran), at
    // most mostOutputBytes of it, and how many bytes after those were dropped.
    std::string output;
    std::uint64_t outputDroppedBytes = 0;
};

// ---- Running checks ----------------------------------------------------------------------------

// How to start the process of one check: a program, and the arguments that come before the check's own
// ("validate" for kadenzo-sim). The program must find the same checks by name (validate_command.h).
struct CheckProcessCommand {
    std::string program;
    std::vector<std::string> leadingArguments;
};

struct RunSettings {
    std::string modulePath;
    std::uint64_t seed = 0;
    double timeoutSeconds = defaultTimeoutSeconds;
    // Nothing: every check runs in this process, without isolation or time limit.
    std::optional<CheckProcessCommand> processCommand;
};

// Runs CHECKS in their order and returns their results in that order, calling FINISHED with each as soon
// as it is known.
std::vector<CheckResult> runChecks(const std::vector<Check>& checks, const RunSettings& settings,
                                   const std::function<void(const CheckResult& result)>& finished);

// Runs CHECK in this process. A check fails when it throws (anything: CheckFailure, another exception, a
// thrown non-exception) and when the plugin broke the host's calling rules on a host the check watched;
// the latter is the reason given, the exception's message then following in the reports.
CheckResult runCheckHere(const Check& check, const std::string& modulePath, std::uint64_t seed);

// ---- The check's process -----------------------------------------------------------------------

// Runs CHECK in this process and sends its report lines, as they come, and its result to RESULTS in the
// protocol of check_protocol.h, with TOKEN; returns the exit status that confirms them.
int runCheckForParent(const Check& check, const std::string& modulePath, std::uint64_t seed,
                      std::FILE* results, const std::string& token);

} // namespace kadenzo::validate
