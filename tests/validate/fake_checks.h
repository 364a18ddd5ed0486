// Checks made for the tests of the validator's runner: one for each way a check can end (pass, fail,
// throw something else, crash, hang, break the host's calling rules) and a few that stress the line
// protocol. validate_tests runs them in processes of its own, started as the runner starts kadenzo-sim:
// its main() hands "--run-check ..." to runValidate with this table.
#pragma once

#include "validate/validate_command.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kadenzo::validate::test {

const std::vector<Check>& fakeChecks();

// The setup of the test program: fakeChecks(), each run by this program itself.
ValidateSetup fakeSetup();

// What fake.odd-text reports, and the lines it reports besides.
extern const char* const oddReportLine;
constexpr int manyLines = 5000;
std::string manyLine(int index);
// What fake.floods writes in all.
constexpr std::size_t floodBytes = 100u << 20;

} // namespace kadenzo::validate::test
