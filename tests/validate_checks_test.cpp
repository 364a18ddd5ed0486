// The checks of kadenzo-sim validate, each run in this process as the runner runs it in a child of its
// own. Our module passes them: no failure, and no plugin call that broke the host's rules. (What the
// checks catch is tested through the command, on tests/validate/broken_plugin.cpp.)
#include "built_modules.h"
#include "validate/check.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

using kadenzo::validate::Check;
using kadenzo::validate::CheckContext;

// What a check found: nothing when it passed, else its one line.
struct Outcome {
    bool passed;
    std::string message;
};

Outcome run(const std::string& checkName, CheckContext& context) {
    for (const Check& check : kadenzo::validate::allChecks()) {
        if (checkName != check.name) continue;
        try {
            check.run(context);
        } catch (const std::exception& failure) {
            return {false, failure.what()};
        }
        return {true, ""};
    }
    return {false, "no check is named " + checkName};
}

std::string testName(const std::string& checkName) {
    std::string name = checkName;
    for (char& character : name)
        if (character == '.' || character == '-') character = '_';
    return name;
}

// ---- Our module --------------------------------------------------------------------------------

class OurModule : public ::testing::TestWithParam<const char*> {};

TEST_P(OurModule, PassesTheCheck) {
    CheckContext context(kadenzo::sim::test::builtPlugin(), 1);
    const Outcome outcome = run(GetParam(), context);
    EXPECT_TRUE(outcome.passed) << outcome.message;
    EXPECT_EQ(context.contractViolations(), std::vector<std::string>{});
    for (const std::string& line : context.reports())
        std::cout << "  " << GetParam() << ": " << line << '\n';
}

INSTANTIATE_TEST_SUITE_P(
    Validate, OurModule,
    ::testing::Values("record.layout", "entry.getplugin-once", "entry.deleteme-idempotent",
                      "entry.fresh-after-deleteme", "entry.host-copy-keeps-object", "onload.registrations",
                      "lifecycle.transitions", "lifecycle.random-events", "lifecycle.unload-clears",
                      "windows.names", "windows.input-and-overlay", "windows.settings-before-onload",
                      "contract.session"),
    [](const ::testing::TestParamInfo<const char*>& info) { return testName(info.param); });

} // namespace
