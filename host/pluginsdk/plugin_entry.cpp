// The one record of the entry point running, read by whoever reports what a plugin did.
//
// Index of this file:
// - PluginEntry
#include "plugin_entry.h"

#include <atomic>

namespace halvex::host {

namespace {

std::atomic<const char*> runningEntry{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free, "read while the process ends");

} // namespace

// ---- PluginEntry -------------------------------------------------------------------------------

PluginEntry::PluginEntry(const char* name) noexcept : outer(runningEntry.exchange(name)) {}

PluginEntry::~PluginEntry() {
    runningEntry.store(outer);
}

const char* PluginEntry::running() noexcept {
    return runningEntry.load();
}

} // namespace halvex::host
