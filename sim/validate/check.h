// The checks of `kadenzo-sim validate`: what one check is, what it is handed, how it fails.
//
// Index of this file:
// - CheckFailure, require(): a check fails by throwing, with one line of why
// - CheckContext: the module under test, the seed, the figures and hints a check reports, and the
//   host calling rules watched on every host a check makes
// - Check, allChecks(): the table of checks, in the order they run
#pragma once

#include "host_state.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace kadenzo::validate {

// Thrown by a check that found a fault; what() is its one line of why.
class CheckFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws CheckFailure(WHY) unless CONDITION holds.
void require(bool condition, const std::string& why);

class CheckContext {
public:
    CheckContext(std::string modulePath, std::uint64_t seed);

    // The plugin module under test.
    const std::string& modulePath() const { return module; }
    // Every random choice a check makes follows this seed, so that the same seed repeats a run.
    std::uint64_t seed() const { return randomSeed; }

    // A line shown under the check's result, pass or fail: a figure measured ("resident memory after
    // 100 cycles: 5432 KiB"), or what reproduces a failure (a console script, one line at a time).
    void report(std::string line);
    const std::vector<std::string>& reports() const { return lines; }
    // Also hands each line to SINK as it is reported: a check's process sends it to the runner at once,
    // so that the lines a check reported before it crashed or hung are still shown.
    void setReportSink(std::function<void(const std::string& line)> sink);

    // Makes the host's calling rules report into this check: a plugin call from another thread, before
    // onLoad or after unloading then fails the check. Every check calls this on each host it makes,
    // before the plugin is attached. Safe to use from any thread.
    void watch(halvex::host::HostState& host);
    std::vector<std::string> contractViolations() const;

private:
    std::string module;
    std::uint64_t randomSeed;
    std::vector<std::string> lines;
    std::function<void(const std::string& line)> reportSink;
    mutable std::mutex violationsMutex;
    std::vector<std::string> violations;
};

struct Check {
    const char* name;    // stable, for --include, --exclude, JUnit and JSON: "record.layout"
    const char* summary; // one line, for --list
    bool random;         // follows the seed; a failure says the seed that reproduces it
    // Returns normally when the check passes; throws CheckFailure when it fails. Any other exception
    // fails the check too, with its message.
    void (*run)(CheckContext& context);
};

// Every check, in the order they run.
const std::vector<Check>& allChecks();

} // namespace kadenzo::validate
