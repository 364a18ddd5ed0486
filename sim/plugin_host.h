// Loading a plugin module and driving its lifetime exactly as the host does: read the record, get the
// object, hand it the host's services, onLoad ... onUnload, drop its registrations, deleteMe, close.
#pragma once

#include "dynamic_library.h"

#include "halvex/plugin.h"
#include "halvex/plugin_record.h"
#include "host_state.h"

#include <memory>
#include <string>

namespace kadenzo::sim {

class LoadedPlugin {
public:
    // Throws std::runtime_error with a message naming the module for every way loading can fail.
    LoadedPlugin(halvex::host::HostState& host, const std::string& path);
    // Unloads: onUnload, the host drops the plugin's hooks, drawables and bindings, deleteMe, close.
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    const halvex::PluginRecord& record() const { return *pluginRecord; }
    const std::string& path() const { return library.path(); }
    Halvex::Plugin::HalvexPlugin& plugin() const { return *pluginObject; }
    // The plugin's window interfaces, found through its type information as the host finds them;
    // null when the plugin does not implement one.
    Halvex::Plugin::PluginSettingsWindow* settingsWindow() const;
    Halvex::Plugin::PluginWindow* pluginWindow() const;

private:
    halvex::host::HostState& host;
    DynamicLibrary library;
    const halvex::PluginRecord* pluginRecord = nullptr;
    halvex::host::PluginId id = 0;
    // The host's own reference to the object, taken from the handle whose address getPlugin returns.
    std::shared_ptr<Halvex::Plugin::HalvexPlugin> pluginObject;
};

} // namespace kadenzo::sim
