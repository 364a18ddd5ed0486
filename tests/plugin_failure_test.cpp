// Plugins whose entry points fail (console/broken_module.cpp): the host survives each failure, names
// the module and the entry point, drops what the plugin registered, and loads a good plugin after.
#include "built_modules.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace kadenzo::sim;

struct BrokenCase {
    const char* module;
    bool failsOnLoad; // otherwise it fails when it is unloaded
    const char* reason;
};

const BrokenCase brokenCases[] = {
    {"broken-getPlugin-nullHandle", true, "getPlugin returned no plugin handle"},
    {"broken-getPlugin-foreign", true, "getPlugin threw an exception that is not a std::exception"},
    {"broken-onLoad-foreign", true, "onLoad threw an exception that is not a std::exception"},
    {"broken-onUnload-standard", false, "onUnload failed: it fails on purpose"},
    {"broken-onUnload-foreign", false, "onUnload threw an exception that is not a std::exception"},
    {"broken-deleteMe-foreign", false, "deleteMe threw an exception that is not a std::exception"},
};

std::string failureOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const ConsoleError& error) {
        return error.what();
    }
    return "";
}

TEST(BrokenPlugin, TheHostNamesTheEntryPointDropsTheRegistrationsAndLoadsAGoodPluginAfter) {
    for (const BrokenCase& broken : brokenCases) {
        SCOPED_TRACE(broken.module);
        const std::string path = test::brokenModule(broken.module);
        Simulator simulator;
        if (broken.failsOnLoad) {
            EXPECT_EQ(failureOf([&] { loadPlugin(simulator, path); }), path + ": " + broken.reason);
        } else {
            loadPlugin(simulator, path);
            EXPECT_EQ(simulator.host.drawableCount(), 1u);
            EXPECT_EQ(failureOf([&] { unloadPlugin(simulator); }), path + ": " + broken.reason);
        }
        EXPECT_EQ(simulator.plugin, nullptr);
        // A drawable left behind would call into a module that is closed.
        EXPECT_EQ(simulator.host.drawableCount(), 0u);
        loadPlugin(simulator, test::builtPlugin());
        renderFrame(simulator);
        EXPECT_NE(simulator.host.variables().find("idealAccuracy"), nullptr);
        unloadPlugin(simulator);
    }
}

// Programs that cannot unload first, as play does, hear of the failure when the simulator goes.
TEST(BrokenPlugin, AFailureWhenTheSimulatorGoesIsReportedOnStandardError) {
    const std::string path = test::brokenModule("broken-onUnload-standard");
    ::testing::internal::CaptureStderr();
    {
        Simulator simulator;
        loadPlugin(simulator, path);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "kadenzo-sim: " + path + ": onUnload failed: it fails on purpose\n");
}

} // namespace
