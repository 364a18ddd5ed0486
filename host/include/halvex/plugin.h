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
// The host calls these on its one plugin thread, only between onLoad and onUnload, and only after it
// has handed over its Dear ImGui context through SetImGuiContext.
class PluginSettingsWindow {
public:
    // slot 0. Reached through this interface it destroys the whole plugin object.
    virtual ~PluginSettingsWindow() = default;
    // slot 1. Draws the page's widgets into the window the host has begun; the host ends that window.
    // The page begins and ends no window of its own.
    virtual void RenderSettingsPanel() = 0;
    // slot 2. The name the host shows for the plugin's page; the caller owns the string.
    virtual std::string GetPluginName() = 0;
    // slot 3. The address of the host's Dear ImGui context. The host owns the context (and its font)
    // and keeps it alive until the plugin is unloaded; the plugin only makes it current.
    virtual void SetImGuiContext(std::uintptr_t context) = 0;
};

// A window of the plugin's own, opened and closed through the host's menu of the same name.
// Same calling rules as PluginSettingsWindow.
class PluginWindow {
public:
    // slot 0. Called once per frame while the menu is open. Always pairs its own Begin with End.
    // May issue "togglemenu NAME" through the console to ask the host to close the menu; the host
    // runs that command after the frame.
    virtual void RenderWindow() = 0;
    virtual std::string GetMenuName() = 0;                    // slot 1. The caller owns the string.
    virtual std::string GetMenuTitle() = 0;                   // slot 2. The caller owns the string.
    virtual void SetImGuiContext(std::uintptr_t context) = 0; // slot 3. The same as above.
    // slot 4. Asked by the host after each frame: true while the plugin's Dear ImGui wants the mouse or
    // the keyboard, so that the game should not see them.
    virtual bool ShouldBlockInput() = 0;
    virtual bool IsActiveOverlay() = 0; // slot 5
    virtual void OnOpen() = 0;          // slot 6. The host opened the menu.
    virtual void OnClose() = 0;         // slot 7. The host closed the menu.

protected:
    // Rationale: no destructor slot here; the object is destroyed through PluginSettingsWindow or the
    // deleter of the plugin's shared handle, never through this interface.
    ~PluginWindow() = default;
};

} // namespace Halvex::Plugin
