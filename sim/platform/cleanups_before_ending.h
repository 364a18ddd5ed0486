// The clean-ups registered through onRequestToEnd (requests_to_end.h), kept alike on every platform for
// the handler of requests_to_end_PLATFORM.cpp, which runs them before the process ends.
#pragma once

namespace kadenzo::platform {

// Adds CLEANUP after those added before it. Throws std::logic_error when all four places are taken (a
// programming error).
void addCleanupBeforeEnding(void (*cleanup)() noexcept);

// Calls every clean-up added, in the order added. Only lock-free atomics: safe in a signal handler and
// on the thread of a console control handler.
void runCleanupsBeforeEnding() noexcept;

} // namespace kadenzo::platform
