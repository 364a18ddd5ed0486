// The host's plugin base. Every plugin module compiles it in and exports its members, so that the
// host and the plugin agree on one layout and one virtual table.
#include "halvex/plugin.h"

#include <utility>

namespace Halvex::Plugin {

HalvexPlugin::HalvexPlugin() = default;

HalvexPlugin::HalvexPlugin(const HalvexPlugin& other)
    : cvarManager(other.cvarManager), gameWrapper(other.gameWrapper) {}

HalvexPlugin::HalvexPlugin(HalvexPlugin&& other) noexcept
    : cvarManager(std::move(other.cvarManager)), gameWrapper(std::move(other.gameWrapper)) {}

HalvexPlugin& HalvexPlugin::operator=(const HalvexPlugin& other) {
    cvarManager = other.cvarManager;
    gameWrapper = other.gameWrapper;
    return *this;
}

HalvexPlugin& HalvexPlugin::operator=(HalvexPlugin&& other) noexcept {
    cvarManager = std::move(other.cvarManager);
    gameWrapper = std::move(other.gameWrapper);
    return *this;
}

// Members are destroyed in reverse order of declaration: gameWrapper, then cvarManager.
HalvexPlugin::~HalvexPlugin() = default;

void HalvexPlugin::onLoad() {}

void HalvexPlugin::onUnload() {}

} // namespace Halvex::Plugin
