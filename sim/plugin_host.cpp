#include "plugin_host.h"

#include <stdexcept>

namespace kadenzo::sim {

namespace {

// Inside a catch block: the exception being handled, as a message naming the module and the entry
// point that threw it.
std::string describeCurrentException(const std::string& module, const char* entryPoint) {
    try {
        throw;
    } catch (const std::exception& failure) {
        return module + ": " + entryPoint + " failed: " + failure.what();
    } catch (...) {
        return module + ": " + entryPoint + " threw an exception that is not a std::exception";
    }
}

// Calls one of the module's entry points. Rationale: the exception is caught whatever its type and is
// gone before the call returns, so nothing of the module's is left to run once the module is closed.
template <typename Call>
std::optional<std::string> callEntryPoint(const std::string& module, const char* entryPoint, Call&& call) {
    try {
        call();
        return std::nullopt;
    } catch (...) {
        return describeCurrentException(module, entryPoint);
    }
}

// Several failures read as one message.
void addFailure(std::string& failures, const std::string& failure) {
    failures += failures.empty() ? failure : "; " + failure;
}

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

} // namespace

LoadedPlugin::LoadedPlugin(halvex::host::HostState& host, const std::string& path)
    : host(host), library(path), pluginRecord(&checkedRecord(library)) {
    std::optional<std::string> failure = start();
    if (!failure) return;
    std::string failures = *failure;
    release(failures);
    throw std::runtime_error(failures);
}

std::optional<std::string> LoadedPlugin::start() {
    std::uintptr_t handleAddress = 0;
    if (auto failure =
            callEntryPoint(path(), "getPlugin", [&] { handleAddress = pluginRecord->getPlugin(); }))
        return failure;
    if (handleAddress == 0) return path() + ": getPlugin returned no plugin handle";
    pluginObject = *reinterpret_cast<const std::shared_ptr<Halvex::Plugin::HalvexPlugin>*>(handleAddress);
    if (!pluginObject) return path() + ": getPlugin returned no plugin object";
    id = host.addPlugin();
    pluginObject->cvarManager = host.makeCvarManager(id);
    pluginObject->gameWrapper = host.makeGameWrapper(id);
    if (auto failure = callEntryPoint(path(), "onLoad", [this] { pluginObject->onLoad(); })) return failure;
    started = true;
    return std::nullopt;
}

std::optional<std::string> LoadedPlugin::unload() {
    std::string failures;
    if (started) {
        started = false;
        if (auto failure = callEntryPoint(path(), "onUnload", [this] { pluginObject->onUnload(); }))
            addFailure(failures, *failure);
    }
    release(failures);
    if (failures.empty()) return std::nullopt;
    return failures;
}

void LoadedPlugin::release(std::string& failures) {
    if (id != 0) {
        // Nothing may call into the module once its object is gone.
        host.dropPlugin(id);
        id = 0;
    }
    pluginObject.reset();
    if (released) return;
    released = true;
    if (auto failure = callEntryPoint(path(), "deleteMe", pluginRecord->deleteMe))
        addFailure(failures, *failure);
}

Halvex::Plugin::PluginSettingsWindow* LoadedPlugin::settingsWindow() const {
    return dynamic_cast<Halvex::Plugin::PluginSettingsWindow*>(pluginObject.get());
}

Halvex::Plugin::PluginWindow* LoadedPlugin::pluginWindow() const {
    return dynamic_cast<Halvex::Plugin::PluginWindow*>(pluginObject.get());
}

LoadedPlugin::~LoadedPlugin() {
    unload();
}

} // namespace kadenzo::sim
