// The counts behind a play session's summary, kept as the session goes in memory that does not grow
// with its length.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>

namespace kadenzo::sim {

class SessionTally {
public:
    // The most attempts the summary's "last N accuracy" counts.
    static constexpr int recentLength = 100;

    void addAttempt(bool success);
    // A closed window with SUCCESSES of its ten attempts (0 to 10).
    void addWindow(int successes);

    long long attempts() const { return attemptCount; }
    long long successes() const { return successCount; }
    // Of the last recentLength attempts, or of all when there were fewer.
    int recentAttempts() const { return recentCount; }
    int recentSuccesses() const { return recentSuccessCount; }
    long long windows() const;
    // Closed windows whose accuracy lies within POINTS percentage points of TARGET_PERCENT.
    long long windowsNear(double targetPercent, double points) const;

private:
    long long attemptCount = 0;
    long long successCount = 0;
    // The last outcomes as a ring; the oldest is at recentNext once it is full.
    std::bitset<recentLength> recent;
    int recentNext = 0;
    int recentCount = 0;
    int recentSuccessCount = 0;
    // Windows counted by their successes, which is all the summary needs of them.
    std::array<long long, 11> windowsBySuccesses{};
};

} // namespace kadenzo::sim
