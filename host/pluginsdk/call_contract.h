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

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>

namespace halvex::host {

// Rationale: the check runs on every call a plugin makes, so a call that keeps the contract costs a
// comparison of thread ids and a look at a few atomic slots: no lock, no allocation. The lock is taken
// to admit or dismiss a plugin and to report a violation.
class HALVEX_SDK_API CallContract {
public:
    // The thread that makes the contract is the host's: the one it calls plugins on.
    CallContract();
    CallContract(const CallContract&) = delete;
    CallContract& operator=(const CallContract&) = delete;

    // The host is about to call the plugin's onLoad: from now on it may call the host. Admitting an
    // admitted plugin changes nothing.
    void admit(PluginId plugin);
    // The host has dropped the plugin: no further call of it is carried out.
    void dismiss(PluginId plugin);

    // Checks one call of OPERATION ("HookEvent") by PLUGIN; false when the call breaks the contract,
    // which is then reported. Safe to call from any thread.
    bool allows(PluginId plugin, const char* operation) {
        if (onHostThread() && inAdmittedSlot(plugin)) {
            countHostThreadCall();
            return true;
        }
        return checkOutsideSlots(plugin, operation);
    }
    // The same for calls not made on behalf of one plugin (a canvas during a drawable): the thread only.
    bool allowsOnThisThread(const char* operation) {
        if (!onHostThread()) return refuseFromOtherThread(operation);
        countHostThreadCall();
        return true;
    }

    // Receives one line for each violation, on the thread that broke the contract, one at a time.
    // The host's default writes nothing; the number of violations is always counted.
    void setViolationSink(std::function<void(const std::string& message)> sink);
    std::size_t violationCount() const;
    // Every call checked so far, allowed or refused.
    std::size_t callsChecked() const;

private:
    bool onHostThread() const { return std::this_thread::get_id() == hostThread; }
    void countHostThreadCall() {
        hostThreadCalls.store(hostThreadCalls.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    }
    bool inAdmittedSlot(PluginId plugin) const {
        for (const std::atomic<std::uint64_t>& slot : admittedSlots)
            if (slot.load(std::memory_order_acquire) == slotValue(plugin)) return true;
        return false;
    }
    // The rest of allows, for a call from another thread or of a plugin in no slot.
    bool checkOutsideSlots(PluginId plugin, const char* operation);
    bool refuseFromOtherThread(const char* operation);
    bool refuse(const std::string& message);

    // A slot holds an admitted plugin's id plus one, or 0 when free.
    static std::uint64_t slotValue(PluginId plugin) { return std::uint64_t{plugin} + 1; }
    static constexpr std::size_t admittedSlotCount = 8;

    const std::thread::id hostThread = std::this_thread::get_id();
    mutable std::mutex mutex;
    // Written under the lock, read without it.
    std::array<std::atomic<std::uint64_t>, admittedSlotCount> admittedSlots{};
    // Plugins admitted while every slot was taken; read under the lock.
    std::set<PluginId> admittedBeyondSlots;
    std::function<void(const std::string& message)> violationSink;
    std::size_t violations = 0;
    // Calls on the host's thread are counted by that thread alone, so without a locked increment; the
    // others under the lock.
    std::atomic<std::size_t> hostThreadCalls{0};
    std::size_t otherThreadCalls = 0;
};

} // namespace halvex::host
