// The handlers that turn an ending kadenzo-sim did not choose into a reported failure. Only the C++
// library's own calls: the same on every platform.
//
// Index of this file:
// - The ending's state
// - The handler
// - Installing it
#include "platform/process_ending.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace kadenzo::platform {

namespace {

// ---- The ending's state ------------------------------------------------------------------------

std::atomic<bool> endingChosen{false};
std::atomic<const char* (*)() noexcept> runningEntryPoint{nullptr};
std::atomic<void (*)() noexcept> cleanupBeforeEnding{nullptr};

// ---- The handler -------------------------------------------------------------------------------

// Rationale: only stdio calls on fixed texts, no allocation: the handler may run on any thread, with
// static objects of the program already destroyed.
void reportUnchosenEnding() noexcept {
    const auto running = runningEntryPoint.load();
    const char* entryPoint = running ? running() : nullptr;
    std::fputs("kadenzo-sim: the plugin ended the process (exit or quick_exit) ", stderr);
    if (entryPoint) {
        std::fputs("in ", stderr);
        std::fputs(entryPoint, stderr);
    } else {
        std::fputs("while none of its entry points was running", stderr);
    }
    std::fprintf(stderr, "; kadenzo-sim did not choose to end, so it ends with status %d\n",
                 unchosenEndingStatus);
    std::fflush(stderr);
}

void endUnchosen() noexcept {
    if (endingChosen.load()) return;
    std::fflush(stdout);
    reportUnchosenEnding();
    if (const auto cleanup = cleanupBeforeEnding.load()) cleanup();
    std::_Exit(unchosenEndingStatus);
}

} // namespace

// ---- Installing it -----------------------------------------------------------------------------

void guardAgainstUnchosenEndings(const char* (*running)() noexcept) {
    runningEntryPoint.store(running);
    std::atexit(endUnchosen);
    std::at_quick_exit(endUnchosen);
}

void onUnchosenEnding(void (*cleanup)() noexcept) {
    cleanupBeforeEnding.store(cleanup);
}

void chooseToEnd() noexcept {
    endingChosen.store(true);
}

} // namespace kadenzo::platform
