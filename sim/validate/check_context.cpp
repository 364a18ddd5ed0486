#include "check.h"

#include <utility>

namespace kadenzo::validate {

void require(bool condition, const std::string& why) {
    if (!condition) throw CheckFailure(why);
}

CheckContext::CheckContext(std::string modulePath, std::uint64_t seed)
    : module(std::move(modulePath)), randomSeed(seed) {}

void CheckContext::report(std::string line) {
    lines.push_back(std::move(line));
}

void CheckContext::watch(halvex::host::HostState& host) {
    host.contract().setViolationSink([this](const std::string& message) {
        const std::lock_guard<std::mutex> lock(violationsMutex);
        violations.push_back(message);
    });
}

std::vector<std::string> CheckContext::contractViolations() const {
    const std::lock_guard<std::mutex> lock(violationsMutex);
    return violations;
}

} // namespace kadenzo::validate
