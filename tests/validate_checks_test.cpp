// Our own module passes the checks of kadenzo-sim validate, each run in this process as the runner runs
// it in a child of its own: no failure, and no plugin call that broke the host's rules.
#include "built_modules.h"
#include "check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using kadenzo::validate::Check;
using kadenzo::validate::CheckContext;

const Check* checkNamed(const std::string& name) {
    for (const Check& check : kadenzo::validate::allChecks())
        if (name == check.name) return &check;
    return nullptr;
}

class OurModule : public ::testing::TestWithParam<const char*> {};

TEST_P(OurModule, PassesTheCheck) {
    const Check* check = checkNamed(GetParam());
    ASSERT_NE(check, nullptr) << GetParam();
    CheckContext context(kadenzo::sim::test::builtPlugin(), 1);
    try {
        check->run(context);
    } catch (const std::exception& failure) {
        ADD_FAILURE() << failure.what();
    }
    EXPECT_EQ(context.contractViolations(), std::vector<std::string>{});
    for (const std::string& line : context.reports())
        std::cout << "  " << GetParam() << ": " << line << '\n';
}

INSTANTIATE_TEST_SUITE_P(Validate, OurModule,
                         ::testing::Values("record.layout", "entry.getplugin-once",
                                           "entry.deleteme-idempotent", "entry.fresh-after-deleteme",
                                           "entry.host-copy-keeps-object", "onload.registrations",
                                           "lifecycle.transitions", "lifecycle.random-events",
                                           "lifecycle.unload-clears", "windows.names",
                                           "windows.input-and-overlay", "windows.settings-before-onload",
                                           "contract.session"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& character : name)
                                 if (character == '.' || character == '-') character = '_';
                             return name;
                         });

} // namespace
