// The clean-ups before ending, the same on every platform.
#include "platform/cleanups_before_ending.h"

#include <array>
#include <atomic>
#include <stdexcept>

namespace kadenzo::platform {

namespace {

using Cleanup = void (*)() noexcept;
std::array<std::atomic<Cleanup>, 4> cleanupsBeforeEnding{};

static_assert(std::atomic<Cleanup>::is_always_lock_free, "a signal handler may only use lock-free atomics");

} // namespace

void addCleanupBeforeEnding(Cleanup cleanup) {
    for (std::atomic<Cleanup>& slot : cleanupsBeforeEnding) {
        Cleanup expected = nullptr;
        if (slot.compare_exchange_strong(expected, cleanup)) return;
    }
    throw std::logic_error("too many clean-ups before ending");
}

void runCleanupsBeforeEnding() noexcept {
    for (const std::atomic<Cleanup>& slot : cleanupsBeforeEnding)
        if (const Cleanup cleanup = slot.load()) cleanup();
}

} // namespace kadenzo::platform
