#include "plugin_host.h"

#include <stdexcept>

namespace kadenzo::sim {

LoadedPlugin::LoadedPlugin(halvex::host::HostState& host, const std::string& path)
    : host(host), library(path) {
    pluginRecord = static_cast<const halvex::PluginRecord*>(library.symbol("exports"));
    if (!pluginRecord)
        throw std::runtime_error(path + " is not a plugin module: it has no \"exports\" record");
    if (pluginRecord->apiVersion != halvex::pluginApiVersion)
        throw std::runtime_error(path + " was built for plugin interface version " +
                                 std::to_string(pluginRecord->apiVersion) + ", this host supports " +
                                 std::to_string(halvex::pluginApiVersion));
    if (!pluginRecord->getPlugin || !pluginRecord->deleteMe)
        throw std::runtime_error(path + ": the \"exports\" record lacks getPlugin or deleteMe");
    try {
        const std::uintptr_t handleAddress = pluginRecord->getPlugin();
        pluginObject = *reinterpret_cast<const std::shared_ptr<Halvex::Plugin::HalvexPlugin>*>(handleAddress);
    } catch (const std::exception& failure) {
        throw std::runtime_error(path + ": getPlugin failed: " + failure.what());
    }
    if (!pluginObject) throw std::runtime_error(path + ": getPlugin returned no plugin object");
    id = host.addPlugin();
    pluginObject->cvarManager = host.makeCvarManager(id);
    pluginObject->gameWrapper = host.makeGameWrapper(id);
    try {
        pluginObject->onLoad();
    } catch (const std::exception& failure) {
        host.dropPlugin(id);
        pluginObject.reset();
        pluginRecord->deleteMe();
        throw std::runtime_error(path + ": onLoad failed: " + failure.what());
    }
}

Halvex::Plugin::PluginSettingsWindow* LoadedPlugin::settingsWindow() const {
    return dynamic_cast<Halvex::Plugin::PluginSettingsWindow*>(pluginObject.get());
}

Halvex::Plugin::PluginWindow* LoadedPlugin::pluginWindow() const {
    return dynamic_cast<Halvex::Plugin::PluginWindow*>(pluginObject.get());
}

LoadedPlugin::~LoadedPlugin() {
    if (pluginObject) {
        pluginObject->onUnload();
        // Nothing may call into the module once its object is gone.
        host.dropPlugin(id);
        pluginObject.reset();
    }
    pluginRecord->deleteMe();
}

} // namespace kadenzo::sim
