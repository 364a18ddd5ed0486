// A plugin module that fails on purpose in one entry point, chosen by the module
// (broken_module_failure.h): the entry point (or the drawable it registers) and how it fails. Its onLoad registers a drawable first, which the host
// must drop whatever fails afterwards.
#include "broken_module_failure.h"

#include "halvex/export.h"
#include "halvex/plugin.h"
#include "halvex/plugin_record.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

// The module's failure, from the one-line source built with it (broken_module_failure.h).
const EntryPoint brokenEntryPoint = brokenModuleFailure.entryPoint;
const Failure failure = brokenModuleFailure.failure;

void failIn(EntryPoint entryPoint) {
    if (entryPoint != brokenEntryPoint) return;
    if (failure == Failure::standard) throw std::runtime_error("it fails on purpose");
    if (failure == Failure::foreign) throw 42;
    if (failure == Failure::exits) std::exit(0);
    if (failure == Failure::quickExits) std::quick_exit(0);
    if (failure == Failure::exitsOnThread) std::thread([] { std::exit(0); }).join();
}

class BrokenPlugin final : public Halvex::Plugin::HalvexPlugin {
public:
    void onLoad() override {
        gameWrapper->RegisterDrawable([](CanvasWrapper) { failIn(EntryPoint::drawable); });
        failIn(EntryPoint::onLoad);
    }
    void onUnload() override { failIn(EntryPoint::onUnload); }
};

std::shared_ptr<Halvex::Plugin::HalvexPlugin> plugin;

std::uintptr_t getPlugin() {
    failIn(EntryPoint::getPlugin);
    if (failure == Failure::nullHandle) return 0;
    plugin = std::make_shared<BrokenPlugin>();
    return reinterpret_cast<std::uintptr_t>(&plugin);
}

void deleteMe() {
    plugin.reset();
    failIn(EntryPoint::deleteMe);
}

} // namespace

extern "C" {
HALVEX_PLUGIN_API extern const halvex::PluginRecord exports;
const halvex::PluginRecord exports = {halvex::pluginApiVersion,
                                      0,
                                      __FILE__,
                                      "BrokenPlugin",
                                      "A plugin that fails on purpose",
                                      "1.0",
                                      0,
                                      0,
                                      getPlugin,
                                      deleteMe};
}
