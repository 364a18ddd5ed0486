// Loading a plugin module and driving its lifetime exactly as the host does: read the record, get the
// object, hand it the host's services, onLoad ... onUnload, drop its registrations, deleteMe, close.
// Rationale: a plugin's entry points may throw anything, or hand back nothing; the host survives every
// such failure, reports it naming the module and the entry point, and still unloads the plugin.
#pragma once

#include "dynamic_library.h"

#include "halvex/plugin.h"
#include "halvex/plugin_record.h"
#include "host_state.h"

#include <memory>
#include <optional>
#include <string>

namespace kadenzo::sim {

class LoadedPlugin {
public:
    // Throws std::runtime_error with a message naming the module for every way loading can fail, among
    // them every exception getPlugin and onLoad throw. What the plugin did before it failed is undone
    // first: the host drops its registrations, deleteMe is called, and the module is closed.
    LoadedPlugin(halvex::host::HostState& host, const std::string& path);
    // Unloads the plugin unless unload() did; what goes wrong then is not reported, so owners that want
    // to hear call unload() first. Closes the module.
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    // onUnload, the host drops the plugin's hooks, drawables and bindings, deleteMe. Every step runs even
    // when an earlier one throws. Returns what went wrong ("Broken.so: onUnload threw an exception that
    // is not a std::exception"), nothing when all went well. Only the module's closing is left to the
    // destructor; nothing but that may follow.
    std::optional<std::string> unload();

    const halvex::PluginRecord& record() const { return *pluginRecord; }
    const std::string& path() const { return library.path(); }
    Halvex::Plugin::HalvexPlugin& plugin() const { return *pluginObject; }
    // The plugin's window interfaces, found through its type information as the host finds them;
    // null when the plugin does not implement one.
    Halvex::Plugin::PluginSettingsWindow* settingsWindow() const;
    Halvex::Plugin::PluginWindow* pluginWindow() const;

private:
    // getPlugin, the host's services, onLoad. What went wrong, if anything.
    std::optional<std::string> start();
    // What follows onUnload, and what undoes a start that failed: the host drops the plugin's
    // registrations and its reference to the object, then deleteMe. Adds what went wrong to FAILURES.
    void release(std::string& failures);

    halvex::host::HostState& host;
    DynamicLibrary library;
    const halvex::PluginRecord* pluginRecord = nullptr;
    halvex::host::PluginId id = 0; // 0 until the host has given the plugin an id
    // The host's own reference to the object, taken from the handle whose address getPlugin returns.
    std::shared_ptr<Halvex::Plugin::HalvexPlugin> pluginObject;
    bool started = false;  // onLoad returned, so onUnload is due
    bool released = false; // deleteMe has been called
};

} // namespace kadenzo::sim
