#include "loader/plugin_attachment.h"

#include "plugin_entry.h"

#include <stdexcept>
#include <utility>

namespace kadenzo::sim {

namespace {

// Inside a catch block: the exception being handled, as a message naming the plugin and the entry
// point that threw it.
std::string describeCurrentException(const std::string& plugin, const char* entryPoint) {
    try {
        throw;
    } catch (const std::exception& failure) {
        return plugin + ": " + entryPoint + " failed: " + failure.what();
    } catch (...) {
        return plugin + ": " + entryPoint + " threw an exception that is not a std::exception";
    }
}

// Calls one of the plugin's entry points. Rationale: the exception is caught whatever its type and is
// gone before the call returns, so nothing of the module's is left to run once the module is closed.
template <typename Call>
std::optional<std::string> callEntryPoint(const std::string& plugin, const char* entryPoint, Call&& call) {
    try {
        const halvex::host::PluginEntry entry(entryPoint);
        call();
        return std::nullopt;
    } catch (...) {
        return describeCurrentException(plugin, entryPoint);
    }
}

// Several failures read as one message.
void addFailure(std::string& failures, const std::string& failure) {
    failures += failures.empty() ? failure : "; " + failure;
}

} // namespace

PluginAttachment::PluginAttachment(halvex::host::HostState& host, PluginEntryPoints entryPoints,
                                   std::string name)
    : host(host), entryPoints(entryPoints), pluginName(std::move(name)) {
    std::optional<std::string> failure = attach();
    if (!failure) return;
    std::string failures = *failure;
    release(failures);
    throw std::runtime_error(failures);
}

std::optional<std::string> PluginAttachment::attach() {
    std::uintptr_t handleAddress = 0;
    if (auto failure =
            callEntryPoint(pluginName, "getPlugin", [&] { handleAddress = entryPoints.getPlugin(); }))
        return failure;
    if (handleAddress == 0) return pluginName + ": getPlugin returned no plugin handle";
    pluginObject = *reinterpret_cast<const std::shared_ptr<Halvex::Plugin::HalvexPlugin>*>(handleAddress);
    if (!pluginObject) return pluginName + ": getPlugin returned no plugin object";
    pluginId = host.addPlugin();
    pluginObject->cvarManager = host.makeCvarManager(pluginId);
    pluginObject->gameWrapper = host.makeGameWrapper(pluginId);
    host.startPlugin(pluginId);
    if (auto failure = callEntryPoint(pluginName, "onLoad", [this] { pluginObject->onLoad(); }))
        return failure;
    started = true;
    return std::nullopt;
}

std::optional<std::string> PluginAttachment::detach() {
    std::string failures;
    if (started) {
        started = false;
        if (auto failure = callEntryPoint(pluginName, "onUnload", [this] { pluginObject->onUnload(); }))
            addFailure(failures, *failure);
    }
    release(failures);
    if (failures.empty()) return std::nullopt;
    return failures;
}

void PluginAttachment::release(std::string& failures) {
    {
        // The plugin's own code runs here too: the destructors of its callbacks and of its object.
        const halvex::host::PluginEntry entry("the release of its registrations and object");
        if (pluginId != 0) {
            // Nothing may call into the plugin once its object is gone, nor the plugin into the host.
            host.dropPlugin(pluginId);
            pluginId = 0;
        }
        pluginObject.reset();
    }
    if (released) return;
    released = true;
    if (auto failure = callEntryPoint(pluginName, "deleteMe", entryPoints.deleteMe))
        addFailure(failures, *failure);
}

Halvex::Plugin::PluginSettingsWindow* PluginAttachment::settingsWindow() const {
    return dynamic_cast<Halvex::Plugin::PluginSettingsWindow*>(pluginObject.get());
}

Halvex::Plugin::PluginWindow* PluginAttachment::pluginWindow() const {
    return dynamic_cast<Halvex::Plugin::PluginWindow*>(pluginObject.get());
}

PluginAttachment::~PluginAttachment() {
    detach();
}

} // namespace kadenzo::sim
