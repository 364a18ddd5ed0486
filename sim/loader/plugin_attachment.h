// A plugin object attached to the host, in the order every plugin relies on:
//   getPlugin; the host fills cvarManager and gameWrapper; onLoad; ... ; onUnload; the host drops the
//   plugin's hooks, drawables and bindings and its own reference to the object; deleteMe.
// The same for a plugin in a module the host loaded (LoadedPlugin) and for one linked into a test or a
// benchmark, which hands its own getPlugin and deleteMe.
// Rationale: a plugin's entry points may throw anything, or hand back nothing; the host survives every
// such failure, reports it naming the plugin and the entry point, and still detaches the plugin.
//
// Index of this file:
// - PluginEntryPoints: the two exported functions
// - PluginAttachment: attach in the constructor, detach() once
#pragma once

#include "halvex/plugin.h"
#include "halvex/plugin_record.h"
#include "host_state.h"

#include <memory>
#include <optional>
#include <string>

namespace kadenzo::sim {

struct PluginEntryPoints {
    halvex::GetPluginFunction getPlugin = nullptr;
    halvex::DeleteMeFunction deleteMe = nullptr;
};

class PluginAttachment {
public:
    // getPlugin, the host's services, onLoad. NAME names the plugin in messages (a module's path).
    // Throws std::runtime_error naming the plugin and the entry point for every way this can fail, every
    // exception getPlugin and onLoad throw among them, once what the plugin did is undone: the host
    // dropped its registrations, and deleteMe was called.
    PluginAttachment(halvex::host::HostState& host, PluginEntryPoints entryPoints, std::string name);
    // Detaches the plugin unless detach() did; a failure then is not reported, so owners that want to
    // hear call detach() first.
    ~PluginAttachment();
    PluginAttachment(const PluginAttachment&) = delete;
    PluginAttachment& operator=(const PluginAttachment&) = delete;

    // onUnload, the host drops the plugin's registrations and its reference, deleteMe. Every step runs
    // even when an earlier one throws. Returns what went wrong ("Broken.so: onUnload threw an exception
    // that is not a std::exception"), nothing when all went well. Later calls do nothing.
    std::optional<std::string> detach();

    // The plugin object; valid until detach().
    Halvex::Plugin::HalvexPlugin& plugin() const { return *pluginObject; }
    // The plugin's window interfaces, found through its type information as the host finds them; null
    // when the plugin does not implement one, and after detach().
    Halvex::Plugin::PluginSettingsWindow* settingsWindow() const;
    Halvex::Plugin::PluginWindow* pluginWindow() const;
    // The host's name for the plugin's registrations; 0 once detached.
    halvex::host::PluginId id() const { return pluginId; }
    const std::string& name() const { return pluginName; }

private:
    std::optional<std::string> attach();
    // What follows onUnload, and what undoes an attach that failed. Adds what went wrong to FAILURES.
    void release(std::string& failures);

    halvex::host::HostState& host;
    const PluginEntryPoints entryPoints;
    const std::string pluginName;
    halvex::host::PluginId pluginId = 0; // 0 until the host has given the plugin an id
    // The host's own reference to the object, taken from the handle whose address getPlugin returns.
    std::shared_ptr<Halvex::Plugin::HalvexPlugin> pluginObject;
    bool started = false;  // onLoad returned, so onUnload is due
    bool released = false; // deleteMe has been called
};

} // namespace kadenzo::sim
