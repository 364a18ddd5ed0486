#include "call_contract.h"

#include <utility>

namespace halvex::host {

CallContract::CallContract() = default;

void CallContract::admit(PluginId plugin) {
    const std::lock_guard<std::mutex> lock(mutex);
    admitted.insert(plugin);
}

void CallContract::dismiss(PluginId plugin) {
    const std::lock_guard<std::mutex> lock(mutex);
    admitted.erase(plugin);
}

bool CallContract::allows(PluginId plugin, const char* operation) {
    ++checkedCalls;
    const std::lock_guard<std::mutex> lock(mutex);
    if (std::this_thread::get_id() != hostThread)
        return refuse(std::string(operation) + " was called on a thread the host did not call the plugin on");
    if (admitted.count(plugin) == 0)
        return refuse(std::string(operation) + " was called before onLoad or after the plugin was unloaded");
    return true;
}

bool CallContract::allowsOnThisThread(const char* operation) {
    ++checkedCalls;
    if (std::this_thread::get_id() == hostThread) return true;
    const std::lock_guard<std::mutex> lock(mutex);
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

bool CallContract::refuse(const std::string& message) {
    ++violations;
    if (violationSink) violationSink(message + "; the host ignored the call");
    return false;
}

} // namespace halvex::host
