// Keeping a session's windows summed in groups.
#include "pictures/ten_attempt_windows.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kadenzo::sim {

WindowGroup::WindowGroup(const TenAttemptWindow& first)
    : successes(first.successes), fewestSuccesses(first.successes), mostSuccesses(first.successes),
      lowestSpeed(std::numeric_limits<double>::infinity()),
      highestSpeed(-std::numeric_limits<double>::infinity()) {
    for (const float speed : {first.speedDuring, first.speedAfter})
        if (std::isfinite(speed)) {
            lowestSpeed = std::min(lowestSpeed, static_cast<double>(speed));
            highestSpeed = std::max(highestSpeed, static_cast<double>(speed));
        }
    if (std::isfinite(first.speedDuring)) {
        speedSum = first.speedDuring;
        finiteSpeeds = 1;
    }
}

void WindowGroup::add(const TenAttemptWindow& next) {
    add(WindowGroup(next));
}

void WindowGroup::add(const WindowGroup& next) {
    windows += next.windows;
    successes += next.successes;
    fewestSuccesses = std::min(fewestSuccesses, next.fewestSuccesses);
    mostSuccesses = std::max(mostSuccesses, next.mostSuccesses);
    speedSum += next.speedSum;
    finiteSpeeds += next.finiteSpeeds;
    lowestSpeed = std::min(lowestSpeed, next.lowestSpeed);
    highestSpeed = std::max(highestSpeed, next.highestSpeed);
}

double WindowGroup::accuracy() const {
    return static_cast<double>(successes) / (10.0 * static_cast<double>(windows));
}

double WindowGroup::meanSpeed() const {
    return finiteSpeeds == 0 ? 0.0 : speedSum / static_cast<double>(finiteSpeeds);
}

std::size_t nextGroupSize(std::size_t size) {
    std::size_t leading = size;
    while (leading >= 10)
        leading /= 10;
    return leading == 1 ? size * 2 : size * 5;
}

void TenAttemptWindows::add(const TenAttemptWindow& window) {
    ++added;
    if (!kept.empty() && kept.back().windows < groupSize) {
        kept.back().add(window);
        return;
    }
    if (kept.size() == capacity) {
        merge();
        if (kept.back().windows < groupSize) {
            kept.back().add(window);
            return;
        }
    }
    kept.emplace_back(window);
}

// Sums each run of groups that make one group of the next size.
void TenAttemptWindows::merge() {
    const std::size_t larger = nextGroupSize(groupSize);
    const std::size_t factor = larger / groupSize;
    std::size_t merged = 0;
    for (std::size_t index = 0; index < kept.size(); index += factor) {
        WindowGroup group = kept[index];
        for (std::size_t part = index + 1; part < std::min(index + factor, kept.size()); ++part)
            group.add(kept[part]);
        kept[merged++] = group;
    }
    kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(merged), kept.end());
    groupSize = larger;
}

} // namespace kadenzo::sim
