// The rules for a plugin's calls into the host, checked on every call: a plugin calls the host only on
// the thread the host calls it on, and only from the moment the host starts it (onLoad) until the host
// drops it (after onUnload, before deleteMe). A call that breaks them is reported and not carried out.
// Rationale: carrying it out would race with the host's own thread, or register a callback into an
// object that is about to be deleted; refusing keeps the host sound whatever the plugin does.
//
// Index of this file:
// - CallContract: which plugins may call now, the host's thread, the violations seen
#pragma once

#include "halvex/export.h"
#include "halvex/types.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>

namespace halvex::host {

class HALVEX_SDK_API CallContract {
public:
    // The thread that makes the contract is the host's: the one it calls plugins on.
    CallContract();
    CallContract(const CallContract&) = delete;
    CallContract& operator=(const CallContract&) = delete;

    // The host is about to call the plugin's onLoad: from now on it may call the host.
    void admit(PluginId plugin);
    // The host has dropped the plugin: no further call of it is carried out.
    void dismiss(PluginId plugin);

    // Checks one call of OPERATION ("HookEvent") by PLUGIN; false when the call breaks the contract,
    // which is then reported. Safe to call from any thread.
    bool allows(PluginId plugin, const char* operation);
    // The same for calls not made on behalf of one plugin (a canvas during a drawable): the thread only.
    bool allowsOnThisThread(const char* operation);

    // Receives one line for each violation, on the thread that broke the contract, one at a time.
    // The host's default writes nothing; the number of violations is always counted.
    void setViolationSink(std::function<void(const std::string& message)> sink);
    std::size_t violationCount() const;
    // Every call checked so far, allowed or refused.
    std::size_t callsChecked() const { return checkedCalls.load(); }

private:
    bool refuse(const std::string& message);

    const std::thread::id hostThread = std::this_thread::get_id();
    mutable std::mutex mutex;
    std::set<PluginId> admitted;
    std::function<void(const std::string& message)> violationSink;
    std::size_t violations = 0;
    std::atomic<std::size_t> checkedCalls{0};
};

} // namespace halvex::host
