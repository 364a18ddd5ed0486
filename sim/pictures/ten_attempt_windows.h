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

// Every window while there are fewer than `capacity`; beyond that an evenly thinned set: every
// stride()-th window from the first, the stride doubling whenever the set fills up, so that between
// capacity / 2 and capacity windows are kept. Rationale: a chart has about a thousand pixels across, so
// more points would show nothing more, and a session of any length keeps its memory constant.
class TenAttemptWindows {
public:
    static constexpr std::size_t capacity = 2048;

    void add(const TenAttemptWindow& window);

    // Window number index * stride() of the session is kept()[index].
    const std::vector<TenAttemptWindow>& kept() const { return samples; }
    std::size_t stride() const { return step; }
    // Windows added, kept or not.
    std::size_t total() const { return added; }

private:
    void thin();

    std::vector<TenAttemptWindow> samples;
    std::size_t step = 1;
    std::size_t added = 0;
};

} // namespace kadenzo::sim
