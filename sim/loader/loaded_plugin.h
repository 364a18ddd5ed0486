// A plugin module loaded as the host loads it: the file checked and mapped, its "exports" record read
// and checked, its plugin attached to the host (plugin_attachment.h); and taken down again in the
// opposite order, the module closed last.
#pragma once

#include "loader/dynamic_library.h"
#include "loader/plugin_attachment.h"

#include "halvex/plugin.h"
#include "halvex/plugin_record.h"
#include "host_state.h"

#include <optional>
#include <string>

namespace kadenzo::sim {

class LoadedPlugin {
public:
    // Throws std::runtime_error with a message naming the module for every way loading can fail, every
    // exception getPlugin and onLoad throw among them. What the plugin did before it failed is undone
    // first, and the module is closed.
    LoadedPlugin(halvex::host::HostState& host, const std::string& path);
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    // onUnload ... deleteMe (PluginAttachment::detach). Only the module's closing is left to the
    // destructor; nothing but that may follow.
    std::optional<std::string> unload() { return attachment.detach(); }

    const halvex::PluginRecord& record() const { return *pluginRecord; }
    const std::string& path() const { return library.path(); }
    Halvex::Plugin::HalvexPlugin& plugin() const { return attachment.plugin(); }
    Halvex::Plugin::PluginSettingsWindow* settingsWindow() const { return attachment.settingsWindow(); }
    Halvex::Plugin::PluginWindow* pluginWindow() const { return attachment.pluginWindow(); }

private:
    // Declared in the order they are made: the plugin is detached before the module closes.
    DynamicLibrary library;
    const halvex::PluginRecord* pluginRecord;
    PluginAttachment attachment;
};

// The module's "exports" record, checked as the host checks it before calling anything: throws
// std::runtime_error naming the module when it has none, is for another interface version, or lacks an
// entry point.
const halvex::PluginRecord& checkedRecord(const DynamicLibrary& library);

} // namespace kadenzo::sim
