// The ten-attempt windows of a session kept for its chart, in memory that does not grow with the session.
#pragma once

#include <cstddef>
#include <vector>

namespace kadenzo::sim {

struct TenAttemptWindow {
    int successes = 0;        // of ten
    float speedDuring = 1.0f; // game speed while the window's attempts were taken
    float speedAfter = 1.0f;  // game speed once the window had closed
};

// Consecutive windows summed: what a bar of the chart shows of them.
struct WindowGroup {
    explicit WindowGroup(const TenAttemptWindow& first);

    // Adds the windows that follow this group's.
    void add(const TenAttemptWindow& next);
    void add(const WindowGroup& next);

    // Their accuracy together, 0 to 1.
    double accuracy() const;
    // The mean of their finite speeds while they were taken; none when none was finite.
    bool hasSpeed() const { return finiteSpeeds != 0; }
    double meanSpeed() const;

    std::size_t windows = 1;
    long long successes = 0;
    int fewestSuccesses = 0; // of the windows' ten
    int mostSuccesses = 0;
    double speedSum = 0.0;
    std::size_t finiteSpeeds = 0;
    // The finite speeds seen, during and after the windows; lowest > highest when there were none.
    double lowestSpeed;
    double highestSpeed;
};

// Every window while there are fewer than `capacity`; beyond that the windows summed in groups of
// windowsPerGroup() consecutive ones (the last group may hold fewer), the group growing along 1, 2, 10,
// 20, 100, 200, ... whenever the set fills up, so that the chart can group them further in round numbers.
// Rationale: a chart has about a thousand pixels across, so more groups would show nothing more, and a
// session of any length keeps its memory constant.
class TenAttemptWindows {
public:
    static constexpr std::size_t capacity = 2048;

    void add(const TenAttemptWindow& window);

    // Group number index holds windows index * windowsPerGroup() onwards, counted from 0.
    const std::vector<WindowGroup>& groups() const { return kept; }
    std::size_t windowsPerGroup() const { return groupSize; }
    // Windows added.
    std::size_t total() const { return added; }

private:
    void merge();

    std::vector<WindowGroup> kept;
    std::size_t groupSize = 1;
    std::size_t added = 0;
};

// The group size after SIZE along 1, 2, 10, 20, 100, 200, ...
std::size_t nextGroupSize(std::size_t size);

} // namespace kadenzo::sim
