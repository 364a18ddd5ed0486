// The host's plugin base class and the two window interfaces a plugin may implement.
// The order of the virtual functions is part of the host's binary interface: do not reorder them.
#pragma once

#include "halvex/cvar_manager_wrapper.h"
#include "halvex/export.h"
#include "halvex/game_wrapper.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Halvex::Plugin {

// Compiled into every plugin module and exported from it. The host fills both handles after
// getPlugin and before onLoad; the plugin keeps them for its whole life.
class HALVEX_PLUGIN_API HalvexPlugin {
public:
    HalvexPlugin();
    HalvexPlugin(const HalvexPlugin& other);
    HalvexPlugin(HalvexPlugin&& other) noexcept;
    HalvexPlugin& operator=(const HalvexPlugin& other);
    HalvexPlugin& operator=(HalvexPlugin&& other) noexcept;
    // Not virtual: the host destroys plugins only through the deleter of the plugin's shared handle.
    ~HalvexPlugin();

    virtual void onLoad();   // slot 0
    virtual void onUnload(); // slot 1

    std::shared_ptr<CVarManagerWrapper> cvarManager;
    std::shared_ptr<GameWrapper> gameWrapper;
};

// Draws the plugin's page inside the host's settings window.
class PluginSettingsWindow {
public:
    virtual ~PluginSettingsWindow() = default;                // slot 0
    virtual void RenderSettingsPanel() = 0;                   // slot 1
    virtual std::string GetPluginName() = 0;                  // slot 2
    virtual void SetImGuiContext(std::uintptr_t context) = 0; // slot 3: the host's Dear ImGui context
};

// A window of the plugin's own, opened and closed through the host's menu.
class PluginWindow {
public:
    virtual void RenderWindow() = 0;                          // slot 0
    virtual std::string GetMenuName() = 0;                    // slot 1
    virtual std::string GetMenuTitle() = 0;                   // slot 2
    virtual void SetImGuiContext(std::uintptr_t context) = 0; // slot 3
    virtual bool ShouldBlockInput() = 0;                      // slot 4
    virtual bool IsActiveOverlay() = 0;                       // slot 5
    virtual void OnOpen() = 0;                                // slot 6
    virtual void OnClose() = 0;                               // slot 7

protected:
    ~PluginWindow() = default;
};

} // namespace Halvex::Plugin
