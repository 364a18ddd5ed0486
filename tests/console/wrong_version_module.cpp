// A module with a description record for another interface version, which the host must refuse.
#include "halvex/export.h"
#include "halvex/plugin_record.h"

namespace {
std::uintptr_t noPlugin() {
    return 0;
}
void nothing() {}
} // namespace

extern "C" {
HALVEX_PLUGIN_API extern const halvex::PluginRecord exports;
const halvex::PluginRecord exports = {94,    0, __FILE__, "Old",    "An older plugin",
                                      "0.9", 2, 0,        noPlugin, nothing};
}
