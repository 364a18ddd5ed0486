// The host's binary interface as this program was compiled: the library layouts and the plugin base
// class's layout (host_abi.h). Built into the plugin's test program and into the simulated host's, so
// that both sides of the module boundary are checked; HOST_ABI_SUITE names the side.
#include "host_abi.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using Halvex::Plugin::HalvexPlugin;

std::size_t offsetIn(const void* object, const void* member) {
    return static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(member) -
                                    reinterpret_cast<std::uintptr_t>(object));
}

TEST(HOST_ABI_SUITE, LibraryTypesHaveTheHostRuntimesSizes) {
    if (!host_abi::hostLibraryLayouts) GTEST_SKIP() << "not Visual C++'s ABI";
    EXPECT_EQ(sizeof(std::shared_ptr<HalvexPlugin>), 16u);
    EXPECT_EQ(sizeof(std::string), 32u);
    EXPECT_EQ(sizeof(std::function<void()>), 64u);
}

TEST(HOST_ABI_SUITE, PluginBaseIsTableThenConsoleThenGame) {
    const HalvexPlugin plugin;
    EXPECT_EQ(sizeof(plugin), 40u);
    EXPECT_EQ(offsetIn(&plugin, &plugin.cvarManager), host_abi::cvarManagerOffset);
    EXPECT_EQ(offsetIn(&plugin, &plugin.gameWrapper), host_abi::gameWrapperOffset);
    EXPECT_EQ(host_abi::gameWrapperOffset, 24u);
}

} // namespace
