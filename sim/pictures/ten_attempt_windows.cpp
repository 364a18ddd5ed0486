// Keeping an evenly thinned set of a session's windows.
#include "pictures/ten_attempt_windows.h"

namespace kadenzo::sim {

void TenAttemptWindows::add(const TenAttemptWindow& window) {
    const std::size_t index = added++;
    if (index % step != 0) return;
    samples.push_back(window);
    if (samples.size() == capacity) thin();
}

// Keeps the windows at even places, which are those at multiples of the doubled stride.
void TenAttemptWindows::thin() {
    std::size_t kept = 0;
    for (std::size_t index = 0; index < samples.size(); index += 2)
        samples[kept++] = samples[index];
    samples.resize(kept);
    step *= 2;
}

} // namespace kadenzo::sim
