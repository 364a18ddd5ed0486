// Counting a session's outcomes for its summary.
#include "play/session_tally.h"

#include <cmath>
#include <numeric>

namespace kadenzo::sim {

void SessionTally::addAttempt(bool success) {
    ++attemptCount;
    successCount += success ? 1 : 0;
    if (recentCount == recentLength)
        recentSuccessCount -= recent[static_cast<std::size_t>(recentNext)] ? 1 : 0;
    else
        ++recentCount;
    recent[static_cast<std::size_t>(recentNext)] = success;
    recentSuccessCount += success ? 1 : 0;
    recentNext = (recentNext + 1) % recentLength;
}

void SessionTally::addWindow(int successes) {
    ++windowsBySuccesses.at(static_cast<std::size_t>(successes));
}

long long SessionTally::windows() const {
    return std::accumulate(windowsBySuccesses.begin(), windowsBySuccesses.end(), 0LL);
}

long long SessionTally::windowsNear(double targetPercent, double points) const {
    long long near = 0;
    for (std::size_t successes = 0; successes < windowsBySuccesses.size(); ++successes)
        if (std::fabs(static_cast<double>(successes) * 10.0 - targetPercent) <= points + 1e-3)
            near += windowsBySuccesses[successes];
    return near;
}

} // namespace kadenzo::sim
