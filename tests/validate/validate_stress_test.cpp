// Our plugin module passes the stress checks of kadenzo-sim validate (load and unload churn, hostile
// settings, frame budgets), run in this process as the validator's child runs them; their report lines
// are printed. Also: the allocation count used by the frame budgets sees the plugin module's own
// allocations where it counts at all.
#include "built_modules.h"
#include "loader/loaded_plugin.h"
#include "platform/allocation_count.h"
#include "validate/check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

using kadenzo::sim::test::builtPlugin;
using namespace kadenzo::validate;

const Check& checkNamed(const std::string& name) {
    for (const Check& check : allChecks())
        if (name == check.name) return check;
    throw std::invalid_argument("no check named " + name);
}

// Runs the check against our module and expects it to pass; prints its report either way.
void expectPasses(const std::string& name, std::uint64_t seed = 1) {
    CheckContext context(builtPlugin(), seed);
    try {
        checkNamed(name).run(context);
    } catch (const std::exception& failure) {
        ADD_FAILURE() << name << " failed with seed " << seed << ": " << failure.what();
    }
    std::cout << name << " (seed " << seed << ")\n";
    for (const std::string& line : context.reports())
        std::cout << "  " << line << '\n';
    EXPECT_TRUE(context.contractViolations().empty()) << context.contractViolations().front();
}

TEST(StressChecks, OurModuleLeavesNothingBehindOverAThousandLoads) {
    expectPasses("churn.load-unload");
}

TEST(StressChecks, OurModuleStaysSaneWithHostileSettingsInAnyOrder) {
    for (const std::uint64_t seed : {1u, 2u, 3u})
        expectPasses("settings.hostile-values", seed);
}

TEST(StressChecks, OurModuleFitsTheFrameBudgets) {
    expectPasses("budget.overlay-frame");
    expectPasses("budget.settings-frame");
}

// The frame budgets count allocations with the program's operator new; a module's allocations reach
// it only if the module's calls bind to the program's operator. getPlugin builds the plugin object,
// and runs nothing of the host's.
TEST(AllocationCount, SeesTheAllocationsOfThePluginModule) {
    if (!kadenzo::platform::heapAllocationCount()) GTEST_SKIP() << "not counted on this platform";
    const kadenzo::sim::DynamicLibrary module(builtPlugin());
    const halvex::PluginRecord& record = kadenzo::sim::checkedRecord(module);
    const std::uint64_t before = *kadenzo::platform::heapAllocationCount();
    record.getPlugin();
    const std::uint64_t after = *kadenzo::platform::heapAllocationCount();
    record.deleteMe();
    EXPECT_GT(after, before);
}

} // namespace
