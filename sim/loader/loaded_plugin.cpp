#include "loader/loaded_plugin.h"

#include <stdexcept>

namespace kadenzo::sim {

const halvex::PluginRecord& checkedRecord(const DynamicLibrary& library) {
    const auto* record = static_cast<const halvex::PluginRecord*>(library.symbol("exports"));
    const std::string& path = library.path();
    if (!record) throw std::runtime_error(path + " is not a plugin module: it has no \"exports\" record");
    if (record->apiVersion != halvex::pluginApiVersion)
        throw std::runtime_error(path + " was built for plugin interface version " +
                                 std::to_string(record->apiVersion) + ", this host supports " +
                                 std::to_string(halvex::pluginApiVersion));
    if (!record->getPlugin || !record->deleteMe)
        throw std::runtime_error(path + ": the \"exports\" record lacks getPlugin or deleteMe");
    return *record;
}

LoadedPlugin::LoadedPlugin(halvex::host::HostState& host, const std::string& path)
    : library(path), pluginRecord(&checkedRecord(library)),
      attachment(host, PluginEntryPoints{pluginRecord->getPlugin, pluginRecord->deleteMe}, library.path()) {}

} // namespace kadenzo::sim
