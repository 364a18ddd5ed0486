// What `kadenzo-sim validate` shows and writes about its results: the line of each check as it finishes,
// the table and summary at the end, the command that repeats a failure, and the JUnit XML and JSON files.
// Every text is made here; writing it is the command's. What the terminal shows of a check (its reason,
// reports and output, the module in the command that repeats it) goes through platform::terminalText.
#pragma once

#include "validate/check_runner.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kadenzo::validate {

// What a run was: the module checked and its seed.
struct RunDescription {
    std::string modulePath;
    std::uint64_t seed = 0;
};

// The line of one finished check (number NUMBER of COUNT, names padded to NAME WIDTH):
//     [ 3/17] entry.deleteme-idempotent  FAIL     0.02 s  deleteMe twice destroyed the object twice
// then its report lines indented, then the start of its process's output (its first lines, each cut
// short, after "output: "), then for a failed check with random parts the command that repeats
// it. Each line ends with a line end.
std::string progressLines(const CheckResult& result, std::size_t number, std::size_t count,
                          std::size_t nameWidth, const RunDescription& run);

// The width of the longest name among CHECKS, for progressLines.
std::size_t longestName(const std::vector<Check>& checks);

// A table with a row per check: name, result, seconds, why; with a heading row. Lines end with line ends.
std::string resultTable(const std::vector<CheckResult>& results);

// "17 checks: 15 passed, 1 failed, 1 crashed, 0 timed out in 4.21 s", without a line end.
std::string summaryLine(const std::vector<CheckResult>& results);

// The command that runs check NAME alone again with SEED, quoted for a POSIX shell:
//     kadenzo-sim validate --include '^lifecycle\.random-events$' --seed 7 build/Kadenzo.so
std::string repeatCommand(const std::string& name, std::uint64_t seed, const std::string& modulePath);

// TEXT quoted for a POSIX shell when it needs quoting.
std::string shellQuoted(const std::string& text);

// The results as JUnit XML: one <testsuite name="kadenzo-sim validate"> with the module and seed as
// properties, and a <testcase> per check, a <failure type="FAIL|CRASH|TIMEOUT"> for each that did not
// pass (its reason, then its report lines), <system-out> with the report lines of a pass.
std::string junitXml(const std::vector<CheckResult>& results, const RunDescription& run);

// The results as JSON: {"module", "seed", "checks": [{"name", "result", "seconds", "reason",
// "reports", "output", "outputDroppedBytes"}...]}.
std::string resultsJson(const std::vector<CheckResult>& results, const RunDescription& run);

} // namespace kadenzo::validate
