// Requests to end on Windows: one console control handler, which holds Ctrl+C while the console holds
// requests and otherwise runs the clean-ups and lets the default handler end the process.
//
// Index of this file:
// - The state the handler reads
// - The handler
// - Clean-ups before ending
// - Requests held by the console
#include "platform/cleanups_before_ending.h"
#include "platform/requests_to_end.h"

// Rationale: the C++ library's headers come before windows.h, as Wine's windef.h defines inline as a
// macro, which the library refuses (the other files get them first through their own headers).
#include <array>
#include <atomic>
#include <stdexcept>

#include <windows.h>

namespace kadenzo::platform {

namespace {

// ---- The state the handler reads ---------------------------------------------------------------

std::atomic<bool> holding{false};
std::atomic<bool> interruptHeld{false};

// ---- The handler -------------------------------------------------------------------------------

// Runs in a thread of its own. TRUE keeps the process; FALSE passes the event on to the default handler,
// which ends the process.
BOOL WINAPI onRequest(DWORD event) {
    if (event == CTRL_C_EVENT && holding.load()) {
        interruptHeld.store(true);
        return TRUE;
    }
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT)
        runCleanupsBeforeEnding();
    return FALSE;
}

void installHandlerOnce() {
    static const bool installed = SetConsoleCtrlHandler(onRequest, TRUE) != 0;
    static_cast<void>(installed);
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
    installHandlerOnce();
}

RequestHolding::~RequestHolding() {
    holding.store(false);
}

bool takeHeldInterrupt() noexcept {
    return interruptHeld.exchange(false);
}

// Rationale: Sleep rather than std::this_thread, whose function Wine's msvcp140.dll lacks.
bool awaitHeldInterrupt(int milliseconds) noexcept {
    constexpr int step = 10;
    for (int waited = 0;; waited += step) {
        if (takeHeldInterrupt()) return true;
        if (waited >= milliseconds) return false;
        ::Sleep(step);
    }
}

int heldEndingSignal() noexcept {
    return 0;
}

bool requestHeld() noexcept {
    return interruptHeld.load();
}

} // namespace kadenzo::platform
