// What happens when the process is asked to end (SIGINT, SIGTERM and SIGHUP on POSIX; Ctrl+C, Ctrl+Break
// and closing the console on Windows): clean-ups that run before it ends, and the console at a terminal,
// which holds the requests for its loop to take between lines instead of ending at once.
// requests_to_end_posix.cpp and requests_to_end_windows.cpp implement them (the build picks one), over
// the clean-ups that cleanups_before_ending.h keeps alike on both.
//
// Index of this file:
// - Clean-ups before ending
// - Requests held by the console
#pragma once

namespace kadenzo::platform {

// ---- Clean-ups before ending -------------------------------------------------------------------

// Has CLEANUP called when the process is asked to end, after which the process ends as it would have
// without it. CLEANUP must be safe to call in a signal handler. Each part of the program that needs one
// registers its own once (at most four in all; more is a programming error and throws
// std::logic_error); they are called in the order they were registered. A signal that is ignored (as
// under nohup) or handled by someone else when the first is registered stays so.
void onRequestToEnd(void (*cleanup)() noexcept);

// ---- Requests held by the console --------------------------------------------------------------

// While one lives (the console reading what a person types), a request to end does not end the process:
// - Ctrl+C (SIGINT) is held as an interrupt: the console drops the line being typed, or stops the
//   command running at its next step, and goes on;
// - SIGTERM and SIGHUP (POSIX) are held as a request to end: the console stops reading, unloads the
//   plugin and writes what it keeps, then ends with status 128 + the signal's number. A second request
//   to end while one is held ends the process at once, as it would have without holding (after the
//   clean-ups of onRequestToEnd), so that a command that never returns (a plugin that hangs) cannot keep
//   the process from ending.
// Signals ignored when the first holding or clean-up was set up stay ignored. On Windows only Ctrl+C is
// held. One holding at a time, made and destroyed on the main thread.
class RequestHolding {
public:
    RequestHolding();
    ~RequestHolding();
    RequestHolding(const RequestHolding&) = delete;
    RequestHolding& operator=(const RequestHolding&) = delete;
};

// True when an interrupt was held since the last call, which takes it.
bool takeHeldInterrupt() noexcept;
// Windows only: like takeHeldInterrupt, but waits up to MILLISECONDS for an interrupt that has not
// come yet. Rationale: Windows runs the Ctrl+C handler in a thread of its own, which may come a little
// after the read it interrupted has ended; on POSIX the wait itself sees the signal.
bool awaitHeldInterrupt(int milliseconds) noexcept;
// The number of the signal whose request to end is held; 0 when none is.
int heldEndingSignal() noexcept;
// Whether an interrupt or a request to end is held: what a long command checks between its steps.
bool requestHeld() noexcept;

// Waits until standard input can be read without waiting (a key, or its end) or a request is held,
// whichever comes first; true for the input. The check of the requests and the start of the wait are
// one step, so that a request coming at any moment ends the wait. Throws FileSystemError when the system
// cannot wait. POSIX only: the line editor's; the Windows console reads whole lines itself.
#ifndef _WIN32
bool waitForInputOrRequest();
#endif

} // namespace kadenzo::platform
