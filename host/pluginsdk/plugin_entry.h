// Which of a plugin's entry points the host is running at this moment, for whoever must say so when
// the plugin does something the host cannot recover from (ending the process, say).
//
// Index of this file:
// - PluginEntry: marks the host's call of one entry point
#pragma once

#include "halvex/export.h"

namespace halvex::host {

// ---- PluginEntry -------------------------------------------------------------------------------

// Marks the host's call of a plugin's entry point for as long as it lives: "onLoad", "a drawable".
// Calls nest (a hook may run inside a console command the plugin issued); the innermost is the one
// running. NAME must outlive the mark: a string literal. Made on the host's thread only.
// Rationale: one record for the whole process, not one per thread, so that a thread the plugin
// started itself can still be told from what the host was running when it acted.
class HALVEX_SDK_API PluginEntry {
public:
    explicit PluginEntry(const char* name) noexcept;
    ~PluginEntry();
    PluginEntry(const PluginEntry&) = delete;
    PluginEntry& operator=(const PluginEntry&) = delete;

    // The entry point running now, null when the host is running none. Safe to call from any thread
    // and while the process ends: it only reads one atomic pointer.
    static const char* running() noexcept;

private:
    const char* const outer;
};

} // namespace halvex::host
