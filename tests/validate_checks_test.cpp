// The checks of kadenzo-sim validate, each run in this process as the runner runs it in a child of its
// own. Our module passes them: no failure, and no plugin call that broke the host's rules. The small
// plugin of contract_module.cpp passes those it can be put to (it has no overlay) when it keeps the
// contract, and each of its faults fails the check that looks for it, saying what is wrong.
#include "built_modules.h"
#include "check.h"

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

// ---- The small plugin --------------------------------------------------------------------------

class SmallPluginKeepingTheContract : public ::testing::TestWithParam<const char*> {};

TEST_P(SmallPluginKeepingTheContract, PassesTheCheck) {
    CheckContext context(kadenzo::sim::test::testModule("contract-none"), 1);
    const Outcome outcome = run(GetParam(), context);
    EXPECT_TRUE(outcome.passed) << outcome.message;
    EXPECT_EQ(context.contractViolations(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Validate, SmallPluginKeepingTheContract,
    ::testing::Values("record.layout", "entry.getplugin-once", "entry.deleteme-idempotent",
                      "entry.host-copy-keeps-object", "onload.registrations", "lifecycle.transitions",
                      "lifecycle.random-events", "lifecycle.unload-clears", "windows.names"),
    [](const ::testing::TestParamInfo<const char*>& info) { return testName(info.param); });

struct FaultFound {
    const char* fault; // the small plugin's build, contract-FAULT
    const char* check;
    const char* message; // what the failure says, in part
};

const FaultFound faultsFound[] = {
    {"wrongRecord", "record.layout",
     "pluginType is 3, expected 2; the padding after pluginType (bytes 44 to 47) is not zero"},
    {"nullGetPlugin", "record.layout", "the record's getPlugin is null, so the host has nothing to call"},
    {"newObjectEachCall", "entry.getplugin-once",
     "the second getPlugin replaced the object the first one made"},
    {"deleteMeKeepsObject", "entry.deleteme-idempotent", "after deleteMe the handle still holds an object"},
    {"deleteMeKeepsObject", "entry.host-copy-keeps-object",
     "after deleteMe the handle still holds an object"},
    {"swappedRegistrations", "onload.registrations",
     "registration 5 is slowMoMinSpeed, expected slowMoMaxSpeed"},
    {"floatCellForInt", "onload.registrations",
     "slowMoMaxSpeed is bound to a float cell, expected an int cell"},
    {"armsTwice", "lifecycle.transitions",
     "LoadRound while armed: the plugin called 'plugin drawable', expected nothing"},
    {"armsTwice", "lifecycle.random-events",
     "(loadround), expected armed and enabled: there are 2 hooks on "
     "Function TAGame.GameEvent_TrainingEditor_TA.EventRoundChanged, expected 1"},
    {"keepsDrawable", "lifecycle.transitions",
     "Destroyed while armed and enabled: call 6 'plugin unregister-drawables' is missing"},
    {"keepsDrawable", "lifecycle.unload-clears", "after onUnload 1 drawable remains registered"},
    {"wrongMenuTitle", "windows.names", "GetMenuTitle gives \"Contract\", expected \"Kadenzo\""},
};

TEST(SmallPluginWithAFault, FailsTheCheckThatLooksForItSayingWhatIsWrong) {
    for (const FaultFound& found : faultsFound) {
        SCOPED_TRACE(std::string(found.fault) + " " + found.check);
        CheckContext context(kadenzo::sim::test::testModule(std::string("contract-") + found.fault), 1);
        const Outcome outcome = run(found.check, context);
        EXPECT_FALSE(outcome.passed);
        EXPECT_NE(outcome.message.find(found.message), std::string::npos) << outcome.message;
    }
}

// The failing sequence comes with the console script that replays it, ending at the step that diverged.
TEST(SmallPluginWithAFault, ARandomSequenceThatDivergesIsReportedAsAScript) {
    CheckContext context(kadenzo::sim::test::testModule("contract-armsTwice"), 7);
    EXPECT_FALSE(run("lifecycle.random-events", context).passed);
    const std::vector<std::string>& script = context.reports();
    ASSERT_GE(script.size(), 4u);
    EXPECT_EQ(script[0].rfind("# sequence 1 of seed 7; replay: kadenzo-sim --plugin ", 0), 0u) << script[0];
    EXPECT_EQ(script[1], "trace on");
    EXPECT_EQ(script[2], "training on");
    EXPECT_EQ(script.back(), "loadround");
}

} // namespace
