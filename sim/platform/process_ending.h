// How kadenzo-sim's process ends: when kadenzo-sim chooses to (main returning its status), or else as
// a failure. A plugin that calls exit or quick_exit, from an entry point or from a thread of its own,
// would otherwise end the run with whatever status it passed, 0 included, before anything was reported
// or written; here that ending is reported on standard error and made a failure.
// Rationale: the status a plugin passes means nothing to the user of kadenzo-sim, and 0 would report
// success for a run that never finished. (A plugin calling _exit or _Exit cannot be stopped; a
// std::terminate ends through abort, which already fails.)
//
// Index of this file:
// - Ending the process
#pragma once

namespace kadenzo::platform {

// ---- Ending the process ------------------------------------------------------------------------

// The status of a run that ended without kadenzo-sim choosing to end it.
constexpr int unchosenEndingStatus = 3;
// What the help texts say of that status.
constexpr const char* unchosenEndingHelp =
    "3 when the plugin ended the process itself (exit or quick_exit), said on standard error";

// Called once at the start of main: from now on an exit or quick_exit that kadenzo-sim did not choose
// prints "kadenzo-sim: the plugin ended the process in ENTRY ..." on standard error (RUNNING names the
// entry point, or returns null when none was running), flushes standard output, runs the cleanup of
// onUnchosenEnding, and ends the process with unchosenEndingStatus.
void guardAgainstUnchosenEndings(const char* (*running)() noexcept);

// Has CLEANUP called before an unchosen ending ends the process (the removal of unfinished files).
// CLEANUP must only read memory that lives until the process ends. One cleanup at most.
void onUnchosenEnding(void (*cleanup)() noexcept);

// kadenzo-sim chooses to end: the endings that follow are its own, and end the process as they ask.
void chooseToEnd() noexcept;

} // namespace kadenzo::platform
