// The module boundary: the description record, getPlugin/deleteMe, and what onLoad registers.
//
// Index of this file:
// - Record
// - Lifetime
// - Settings variables
#include "allocation_failure.h"
#include "plugin_fixture.h"

#include "halvex/plugin_record.h"
#include "module_info.h"

#include <cstring>
#include <memory>
#include <new>

extern "C" const halvex::PluginRecord exports;

namespace {

std::shared_ptr<Kadenzo>& handleAt(std::uintptr_t address) {
    return *reinterpret_cast<std::shared_ptr<Kadenzo>*>(address);
}

// ---- Record ------------------------------------------------------------------------------------

TEST(PluginRecord, HoldsTheDescriptionWithZeroPadding) {
    unsigned char bytes[sizeof(exports)];
    std::memcpy(bytes, &exports, sizeof(exports));
    ASSERT_EQ(sizeof(exports), 64u);
    std::int32_t apiVersion = 0, pluginType = 0;
    std::memcpy(&apiVersion, bytes, 4);
    std::memcpy(&pluginType, bytes + 40, 4);
    EXPECT_EQ(apiVersion, 95);
    EXPECT_EQ(pluginType, 2);
    for (int offset : {4, 5, 6, 7, 44, 45, 46, 47})
        EXPECT_EQ(bytes[offset], 0) << "padding byte " << offset;
    EXPECT_STREQ(exports.className, "Kadenzo");
    EXPECT_STREQ(exports.pluginName, "Adapt game speed while training");
    EXPECT_STREQ(exports.pluginVersion, KADENZO_VERSION);
    EXPECT_STREQ(exports.fileName, "plugin/Kadenzo.cpp");
    EXPECT_EQ(exports.getPlugin, &getPlugin);
    EXPECT_EQ(exports.deleteMe, &deleteMe);
}

// ---- Lifetime ----------------------------------------------------------------------------------

class PluginLifetime : public ::testing::Test {
protected:
    void TearDown() override {
        allocation_failure::failAfter(-1);
        deleteMe();
    }
};

TEST_F(PluginLifetime, TwoCallsGiveTheSameHandleAndOneObject) {
    const std::uintptr_t first = getPlugin();
    Kadenzo* object = handleAt(first).get();
    EXPECT_EQ(getPlugin(), first);
    EXPECT_EQ(handleAt(first).get(), object);
    EXPECT_EQ(handleAt(first).use_count(), 1);
}

// The host reads the address getPlugin gives as a shared handle of its own base class and calls the
// plugin through it: the handle must hold the HalvexPlugin part of the module's one object, whatever
// the place of that part within the plugin's class, and the host's cast to the settings window from
// there must reach that object's window.
TEST_F(PluginLifetime, HandlePointsAtTheHostBasePart) {
    const std::uintptr_t address = getPlugin();
    Kadenzo* const object = pluginInstance.get();
    ASSERT_TRUE(object);
    const auto& handle = *reinterpret_cast<const std::shared_ptr<Halvex::Plugin::HalvexPlugin>*>(address);
    EXPECT_EQ(handle.get(), static_cast<Halvex::Plugin::HalvexPlugin*>(object));
    EXPECT_EQ(dynamic_cast<Halvex::Plugin::PluginSettingsWindow*>(handle.get()),
              static_cast<Halvex::Plugin::PluginSettingsWindow*>(object));
}

TEST_F(PluginLifetime, DeleteMeWithoutObjectOrTwiceDoesNothing) {
    deleteMe();
    EXPECT_FALSE(pluginInstance);
    getPlugin();
    deleteMe();
    deleteMe();
    EXPECT_FALSE(pluginInstance);
}

TEST_F(PluginLifetime, NewObjectAfterDeleteMeStartsAfresh) {
    const std::uintptr_t first = getPlugin();
    *pluginInstance->slowMoSpeedIncrement = 0.5f;
    pluginInstance->totalShots = 7;
    deleteMe();
    EXPECT_EQ(getPlugin(), first);
    ASSERT_TRUE(pluginInstance);
    EXPECT_EQ(*pluginInstance->slowMoSpeedIncrement, 0.1f);
    EXPECT_EQ(pluginInstance->totalShots, 0);
}

TEST_F(PluginLifetime, HostCopyKeepsTheObjectAlive) {
    std::shared_ptr<Kadenzo> hostCopy = handleAt(getPlugin());
    const std::weak_ptr<Kadenzo> watch = hostCopy;
    deleteMe();
    EXPECT_FALSE(pluginInstance);
    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(hostCopy->menuTitle, "Kadenzo");
    hostCopy.reset();
    EXPECT_TRUE(watch.expired());
}

TEST_F(PluginLifetime, InitialValuesBeforeBinding) {
    Kadenzo& plugin = *handleAt(getPlugin());
    EXPECT_TRUE(*plugin.slowMoEnabled);
    EXPECT_TRUE(*plugin.onTouchEnabled);
    EXPECT_FALSE(plugin.trainingLoaded);
    EXPECT_TRUE(plugin.skipNextRestart);
    EXPECT_EQ(*plugin.idealAccuracy, 0.7f);
    EXPECT_EQ(*plugin.slowMoMaxSpeed, 120);
    EXPECT_EQ(*plugin.slowMoMinSpeed, 70);
    EXPECT_FALSE(plugin.cvarManager);
    EXPECT_FALSE(plugin.gameWrapper);
    EXPECT_EQ(plugin.statusColors[3].A, 0.0f);
    EXPECT_FALSE(plugin.isWindowOpen);
    EXPECT_EQ(plugin.GetMenuTitle(), "Kadenzo");
}

// Every allocation of the construction in turn fails: each must leave the module without an object
// and without leaks (the sanitizer build checks the latter).
TEST_F(PluginLifetime, OutOfMemoryDuringConstructionLeavesNoObject) {
    allocation_failure::failAfter(1000000);
    getPlugin();
    const int allocations = allocation_failure::allocationsSinceArmed();
    allocation_failure::failAfter(-1);
    deleteMe();
    ASSERT_GT(allocations, 12);
    for (int failing = 0; failing < allocations; ++failing) {
        allocation_failure::failAfter(failing);
        EXPECT_THROW(getPlugin(), std::bad_alloc) << "allocation " << failing;
        allocation_failure::failAfter(-1);
        EXPECT_FALSE(pluginInstance) << "allocation " << failing;
    }
    getPlugin();
    EXPECT_TRUE(pluginInstance);
}

// ---- Settings variables ------------------------------------------------------------------------

using SettingsRegistration = PluginFixture;

TEST_F(SettingsRegistration, CellsHoldTheRegisteredDefaultsAfterOnLoad) {
    EXPECT_FALSE(*plugin->slowMoEnabled);
    EXPECT_FALSE(*plugin->onTouchEnabled);
    EXPECT_EQ(*plugin->idealAccuracy, 0.7f);
    EXPECT_EQ(*plugin->slowMoSpeedIncrement, 0.05f);
    EXPECT_EQ(*plugin->slowMoMaxSpeed, 150);
    EXPECT_EQ(*plugin->slowMoMinSpeed, 50);
    for (const auto* cell :
         {&plugin->showCurrStreak, &plugin->showStatus, &plugin->showGameSpeed, &plugin->showPrevAccu,
          &plugin->showTotalCount, &plugin->showtotalAccu, &plugin->showLastShotsAccu})
        EXPECT_TRUE(**cell);
    EXPECT_EQ(moduleCvarManager, plugin->cvarManager);
}

TEST_F(SettingsRegistration, RegistersAndBindsInOrderThenHooksTheEditor) {
    const std::vector<std::string> expected = {
        "plugin register slowMoEnabled \"0\"",
        "plugin bind slowMoEnabled",
        "plugin register onTouchEnabled \"0\"",
        "plugin bind onTouchEnabled",
        "plugin register idealAccuracy \"0.7\"",
        "plugin bind idealAccuracy",
        "plugin register slowMoSpeedIncrement \"0.05\"",
        "plugin bind slowMoSpeedIncrement",
        "plugin register slowMoMaxSpeed \"150\"",
        "plugin bind slowMoMaxSpeed",
        "plugin register slowMoMinSpeed \"50\"",
        "plugin bind slowMoMinSpeed",
        "plugin register showStatus \"1\"",
        "plugin bind showStatus",
        "plugin register showGameSpeed \"1\"",
        "plugin bind showGameSpeed",
        "plugin register showPrevAccu \"1\"",
        "plugin bind showPrevAccu",
        "plugin register showCurrStreak \"1\"",
        "plugin bind showCurrStreak",
        "plugin register showTotalCount \"1\"",
        "plugin bind showTotalCount",
        "plugin register showtotalAccu \"1\"",
        "plugin bind showtotalAccu",
        "plugin register showLastShotsAccu \"1\"",
        "plugin bind showLastShotsAccu",
        "plugin hook-caller " + game::loadRound,
        "plugin hook-caller " + game::destroyed,
    };
    EXPECT_EQ(takeTrace(), expected);
}

TEST_F(SettingsRegistration, RangesDescriptionsAndConsoleChangesReachTheCells) {
    const auto* accuracy = host.variables().find("idealAccuracy");
    ASSERT_TRUE(accuracy);
    EXPECT_EQ(accuracy->description(), "Accuracy value to aim for ");
    EXPECT_TRUE(accuracy->range().hasMin && accuracy->range().hasMax);
    EXPECT_EQ(accuracy->range().max, 1.0f);
    EXPECT_FALSE(host.variables().find("slowMoEnabled")->range().hasMin);
    set("idealAccuracy", "1.5");
    EXPECT_EQ(*plugin->idealAccuracy, 1.0f);
    set("idealAccuracy", "0");
    EXPECT_EQ(*plugin->idealAccuracy, 0.0f);
    set("slowMoMaxSpeed", "40");
    EXPECT_EQ(*plugin->slowMoMaxSpeed, 40);
    set("slowMoMaxSpeed", "1000");
    EXPECT_EQ(*plugin->slowMoMaxSpeed, 200);
    set("showStatus", "0");
    EXPECT_FALSE(*plugin->showStatus);
}

TEST_F(SettingsRegistration, ValuesSurviveReloadingThePlugin) {
    set("idealAccuracy", "0.8");
    TearDown();
    SetUp();
    EXPECT_EQ(*plugin->idealAccuracy, 0.8f);
    EXPECT_EQ(host.variables().find("idealAccuracy")->bindingCount(), 1u);
}

} // namespace
