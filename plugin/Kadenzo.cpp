// The module's entry points: the description record the host reads, and the factory and deleter of
// the one plugin object.
#include "Kadenzo.h"

#include "halvex/plugin_record.h"
#include "module_info.h"

#include <cstring>
#include <new>

// Declared in this order so that unloading releases moduleCvarManager first, then pluginInstance.
std::shared_ptr<Kadenzo> pluginInstance;
std::shared_ptr<CVarManagerWrapper> moduleCvarManager;

extern "C" {
HALVEX_PLUGIN_API extern const halvex::PluginRecord exports;
const halvex::PluginRecord exports = {
    halvex::pluginApiVersion,
    0,
    KADENZO_MAIN_SOURCE,
    pluginClassName,
    pluginTitle,
    KADENZO_VERSION,
    pluginType,
    0,
    getPlugin,
    deleteMe,
};
}

namespace {

// The object is built on zero-filled storage, as hosts of this plugin interface expect.
std::shared_ptr<Kadenzo> makePluginOnZeroedStorage() {
    void* storage = ::operator new(sizeof(Kadenzo));
    std::memset(storage, 0, sizeof(Kadenzo));
    Kadenzo* plugin = nullptr;
    try {
        plugin = new (storage) Kadenzo();
    } catch (...) {
        ::operator delete(storage);
        throw;
    }
    // If the ownership record cannot be allocated, shared_ptr calls the deleter before rethrowing.
    return std::shared_ptr<Kadenzo>(plugin, [](Kadenzo* object) { delete object; });
}

} // namespace

std::uintptr_t getPlugin() {
    if (!pluginInstance) pluginInstance = makePluginOnZeroedStorage();
    return reinterpret_cast<std::uintptr_t>(&pluginInstance);
}

void deleteMe() {
    if (!pluginInstance) return;
    // Empty the module's handle before anything is destroyed, so nothing can reach a dying object.
    const std::shared_ptr<Kadenzo> last = std::move(pluginInstance);
    pluginInstance.reset();
}

Kadenzo::Kadenzo() {
    menuTitle = pluginClassName;
}

// menuTitle, then the cells in reverse order, then the base handles: the reverse of construction.
Kadenzo::~Kadenzo() = default;
