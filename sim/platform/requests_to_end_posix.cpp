// Requests to end on POSIX systems: one handler for SIGINT, SIGTERM and SIGHUP, which holds the request
// while the console holds them and otherwise runs the clean-ups and ends the process as the signal would
// have.
//
// Index of this file:
// - The state the handler reads
// - The handler
// - Clean-ups before ending
// - Requests held by the console
// - Waiting for input or a request
#include "platform/cleanups_before_ending.h"
#include "platform/files.h"
#include "platform/requests_to_end.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>

namespace kadenzo::platform {

namespace {

// ---- The state the handler reads ---------------------------------------------------------------

constexpr std::array<int, 3> requestSignals{SIGINT, SIGTERM, SIGHUP};

std::atomic<bool> holding{false};
std::atomic<bool> interruptHeld{false};
std::atomic<int> endingHeld{0};
// The writing end of a pipe the handler writes a byte to, so that a wait on the main thread ends even
// when the signal is handled on another thread (one a plugin started); -1 without one.
std::atomic<int> wakeWriter{-1};
int wakeReader = -1;

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the handler may only use lock-free atomics");

// ---- The handler -------------------------------------------------------------------------------

void wake() noexcept {
    const int writer = wakeWriter.load();
    if (writer < 0) return;
    const char byte = 0;
    // A full pipe already holds a wake-up.
    static_cast<void>(::write(writer, &byte, 1));
}

// Rationale: the default action restored and the signal raised again ends the process as the signal
// would have, with the status a parent expects. The signal is blocked while its handler runs, so it is
// delivered once the handler returns.
void cleanUpAndEnd(int signalNumber) noexcept {
    runCleanupsBeforeEnding();
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(signalNumber, &byDefault, nullptr);
    ::raise(signalNumber);
}

// Only lock-free atomics, write and the calls of cleanUpAndEnd: safe in a signal handler.
void onRequest(int signalNumber) {
    const int savedErrno = errno;
    if (holding.load()) {
        if (signalNumber == SIGINT) {
            interruptHeld.store(true);
            wake();
            errno = savedErrno;
            return;
        }
        int none = 0;
        if (endingHeld.compare_exchange_strong(none, signalNumber)) {
            wake();
            errno = savedErrno;
            return;
        }
    }
    cleanUpAndEnd(signalNumber);
}

bool hasDefaultAction(int signalNumber) {
    struct sigaction current {};
    return ::sigaction(signalNumber, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
           current.sa_handler == SIG_DFL;
}

// Rationale: a signal that is ignored (as under nohup) or handled by someone else stays so. SA_RESTART,
// as a held request lets the program go on: calls it interrupts resume (the wait, ppoll, ends anyway).
void installHandlerOnce() {
    static const bool installed = [] {
        for (const int signalNumber : requestSignals) {
            if (!hasDefaultAction(signalNumber)) continue;
            struct sigaction action {};
            action.sa_handler = onRequest;
            sigemptyset(&action.sa_mask);
            for (const int other : requestSignals)
                sigaddset(&action.sa_mask, other);
            action.sa_flags = SA_RESTART;
            ::sigaction(signalNumber, &action, nullptr);
        }
        return true;
    }();
    static_cast<void>(installed);
}

sigset_t requestSignalSet() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signalNumber : requestSignals)
        sigaddset(&signals, signalNumber);
    return signals;
}

} // namespace

// ---- Clean-ups before ending -------------------------------------------------------------------

void onRequestToEnd(void (*cleanup)() noexcept) {
    addCleanupBeforeEnding(cleanup);
    installHandlerOnce();
}

// ---- Requests held by the console --------------------------------------------------------------

RequestHolding::RequestHolding() {
    if (holding.exchange(true)) throw std::logic_error("requests are held already");
    interruptHeld.store(false);
    endingHeld.store(0);
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeReader = ends[0];
        wakeWriter.store(ends[1]);
    }
    installHandlerOnce();
}

RequestHolding::~RequestHolding() {
    holding.store(false);
    const int writer = wakeWriter.exchange(-1);
    if (writer >= 0) ::close(writer);
    if (wakeReader >= 0) ::close(wakeReader);
    wakeReader = -1;
}

bool takeHeldInterrupt() noexcept {
    return interruptHeld.exchange(false);
}

int heldEndingSignal() noexcept {
    return endingHeld.load();
}

bool requestHeld() noexcept {
    return interruptHeld.load() || endingHeld.load() != 0;
}

// ---- Waiting for input or a request ------------------------------------------------------------

// Rationale: the signals are blocked from the check of the requests until ppoll unblocks them for the
// wait itself, in one step; so a request that comes after the check ends the wait instead of waiting for
// the next key.
bool waitForInputOrRequest() {
    const sigset_t signals = requestSignalSet();
    sigset_t before;
    ::pthread_sigmask(SIG_BLOCK, &signals, &before);
    sigset_t whileWaiting = before;
    for (const int signalNumber : requestSignals)
        sigdelset(&whileWaiting, signalNumber);
    int failure = 0;
    bool input = false;
    while (!requestHeld()) {
        std::array<pollfd, 2> watched{pollfd{STDIN_FILENO, POLLIN, 0}, pollfd{wakeReader, POLLIN, 0}};
        const nfds_t count = wakeReader >= 0 ? 2 : 1;
        if (::ppoll(watched.data(), count, nullptr, &whileWaiting) < 0) {
            if (errno == EINTR) continue;
            failure = errno;
            break;
        }
        if (count == 2 && watched[1].revents != 0) {
            char drained[64];
            while (::read(wakeReader, drained, sizeof drained) > 0) {
            }
        }
        if (watched[0].revents != 0) {
            input = true;
            break;
        }
    }
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (failure != 0) throw FileSystemError(std::strerror(failure));
    return input;
}

} // namespace kadenzo::platform
