// The call contract: admitting and dismissing plugins, the check of one call, and its violations.
//
// Index of this file:
// - Admitted plugins
// - Checks
// - Violations
#include "call_contract.h"

#include <utility>

namespace halvex::host {

// Rationale: every slot is cleared here, as not every library's std::atomic starts from zero in C++17.
CallContract::CallContract() {
    for (std::atomic<std::uint64_t>& slot : admittedSlots)
        slot.store(0, std::memory_order_relaxed);
}

// ---- Admitted plugins --------------------------------------------------------------------------

void CallContract::admit(PluginId plugin) {
    const std::lock_guard<std::mutex> lock(mutex);
    if (inAdmittedSlot(plugin) || admittedBeyondSlots.count(plugin) != 0) return;
    for (std::atomic<std::uint64_t>& slot : admittedSlots)
        if (slot.load(std::memory_order_relaxed) == 0) {
            slot.store(slotValue(plugin), std::memory_order_release);
            return;
        }
    admittedBeyondSlots.insert(plugin);
}

void CallContract::dismiss(PluginId plugin) {
    const std::lock_guard<std::mutex> lock(mutex);
    for (std::atomic<std::uint64_t>& slot : admittedSlots)
        if (slot.load(std::memory_order_relaxed) == slotValue(plugin))
            slot.store(0, std::memory_order_release);
    admittedBeyondSlots.erase(plugin);
}

// ---- Checks ------------------------------------------------------------------------------------

// Plugins held beyond the slots are looked up under the lock.
bool CallContract::checkOutsideSlots(PluginId plugin, const char* operation) {
    if (!onHostThread()) return refuseFromOtherThread(operation);
    countHostThreadCall();
    const std::lock_guard<std::mutex> lock(mutex);
    if (admittedBeyondSlots.count(plugin) != 0) return true;
    return refuse(std::string(operation) + " was called before onLoad or after the plugin was unloaded");
}

std::size_t CallContract::callsChecked() const {
    const std::lock_guard<std::mutex> lock(mutex);
    return hostThreadCalls.load(std::memory_order_relaxed) + otherThreadCalls;
}

// ---- Violations --------------------------------------------------------------------------------

bool CallContract::refuseFromOtherThread(const char* operation) {
    const std::lock_guard<std::mutex> lock(mutex);
    ++otherThreadCalls;
    return refuse(std::string(operation) + " was called on a thread the host did not call the plugin on");
}

void CallContract::setViolationSink(std::function<void(const std::string& message)> sink) {
    const std::lock_guard<std::mutex> lock(mutex);
    violationSink = std::move(sink);
}

std::size_t CallContract::violationCount() const {
    const std::lock_guard<std::mutex> lock(mutex);
    return violations;
}

// Called with the lock held.
bool CallContract::refuse(const std::string& message) {
    ++violations;
    if (violationSink) violationSink(message + "; the host ignored the call");
    return false;
}

} // namespace halvex::host
