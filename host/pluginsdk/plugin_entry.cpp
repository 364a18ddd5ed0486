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

// Rationale: marks are made only on the host's thread (the call contract carries out no call from
// another), so a load and a store suffice; an exchange would add a locked instruction to every hook.
PluginEntry::PluginEntry(const char* name) noexcept : outer(runningEntry.load(std::memory_order_relaxed)) {
    runningEntry.store(name, std::memory_order_release);
}

PluginEntry::~PluginEntry() {
    runningEntry.store(outer, std::memory_order_release);
}

const char* PluginEntry::running() noexcept {
    return runningEntry.load(std::memory_order_acquire);
}

} // namespace halvex::host
