// Running one check in a process of its own, both sides: the parent starts a program with its own
// process group (a job object on Windows), hands it a few bytes on its standard input, reads its
// standard output and standard error while it runs and ends the whole group when the program ends or its
// time is up; the child takes those bytes, keeps its standard output for its result and turns a crash
// into a plain end of the process. child_process_posix.cpp (fork, setsid, poll, waitid) and
// child_process_windows.cpp (CreateProcessW, a job object, pipes) implement them; the build picks one.
//
// Index of this file:
// - The parent's side: ChildRequest, FinishedChild, runChildProcess
// - The child's side: becomeCheckProcess
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kadenzo::platform {

// ---- The parent's side -------------------------------------------------------------------------

struct ChildRequest {
    std::string program;
    std::vector<std::string> arguments; // the program's own name not among them
    double timeLimitSeconds = 30;
    // Written to the child's standard input, which then ends; the child reads it before anything else
    // (becomeCheckProcess) and has the null device as standard input from then on.
    std::string handed;
    // Called with the bytes the child writes on its standard output and on its standard error, as they
    // come. Neither is kept here: what to keep is the caller's choice.
    std::function<void(std::string_view bytes)> onOutput;
    std::function<void(std::string_view bytes)> onError;
};

// How a child process ended.
struct FinishedChild {
    bool timedOut = false; // ended by us when its time was up
    std::optional<std::string>
        crash;                    // how it crashed: "killed by signal 11 (SIGSEGV)", "exception 0xC0000005"
    unsigned long exitStatus = 0; // its own exit status, when it neither crashed nor timed out
    // Processes it started that were still running when it ended (all ended by us since).
    std::size_t leftRunning = 0;
};

// Could not start a child process; the message says why.
class ChildProcessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs the program REQUEST names and waits for it to end or for its time limit. The child runs in a
// group of its own (a new session on POSIX, a job object that ends with this process on Windows), with
// no descriptor or handle of this process but the three standard ones: its standard input the handed
// bytes, its standard output and standard error pipes read while it runs (however much it writes).
// Once it has ended, or when its time is up, every process left in its group is counted and killed,
// and on POSIX so is every process that left the group and outlived the child (this process adopts
// them: it becomes a subreaper on the first call).
// Should this process be ended meanwhile (SIGTERM, SIGINT, SIGHUP; even SIGKILL; closing the console or
// the job's last handle on Windows), the child and its group end too. Leaves no process, zombie or open
// file behind. Throws ChildProcessError when it cannot be started.
FinishedChild runChildProcess(const ChildRequest& request);

// The path that starts another copy of the running program.
std::string ownExecutablePath();

// ---- The child's side --------------------------------------------------------------------------

// What a process that runs one check for its parent has to work with.
struct CheckProcessChannel {
    std::FILE* results = nullptr; // the original standard output, reserved for the result
    std::string handed;           // what the parent handed on standard input (ChildRequest::handed)
};

// For a process that runs one check for its parent: no core files or crash dialogs, and a crash ends the
// process at once, visibly to the parent (a signal on POSIX, the exception code as exit status on
// Windows). Reads the handed bytes (at most 4 KiB) and puts the null device in standard input's place;
// what else the process writes to standard output goes to standard error from now on. Call once, first
// thing, before any plugin code is loaded.
CheckProcessChannel becomeCheckProcess();

} // namespace kadenzo::platform
