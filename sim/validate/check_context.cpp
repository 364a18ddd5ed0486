// require() and CheckContext: what a check is handed, and what it reports and breaks (check.h).
#include "validate/check.h"

#include <utility>

namespace kadenzo::validate {

void require(bool condition, const std::string& why) {
    if (!condition) throw CheckFailure(why);
}

CheckContext::CheckContext(std::string modulePath, std::uint64_t seed)
    : module(std::move(modulePath)), randomSeed(seed) {}

void CheckContext::report(std::string line) {
    if (reportSink) reportSink(line);
    lines.push_back(std::move(line));
}

void CheckContext::setReportSink(std::function<void(const std::string& line)> sink) {
    reportSink = std::move(sink);
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
