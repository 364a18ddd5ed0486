// Running one check in a process of its own, both sides: the parent starts a program, reads its standard
// output while it runs and ends it after a time limit; the child keeps its standard output for its result
// and turns a crash into a plain end of the process. child_process_posix.cpp (posix_spawn, poll, waitpid)
// and child_process_windows.cpp (CreateProcessW, a pipe, the exit code) implement them; the build picks
// one.
#pragma once

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kadenzo::platform {

// How a child process ended.
struct FinishedChild {
    std::string output;    // all it wrote to its standard output
    bool timedOut = false; // ended by us when its time was up
    std::optional<std::string>
        crash;                    // how it crashed: "killed by signal 11 (SIGSEGV)", "exception 0xC0000005"
    unsigned long exitStatus = 0; // its own exit status, when it neither crashed nor timed out
};

// Could not start a child process; the message says why.
class ChildProcessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs PROGRAM with ARGUMENTS (the program's own name not among them) and waits for it: its standard
// input empty, its standard output collected (read while it runs, however much it writes), its standard
// error this process's. After TIME LIMIT seconds it is killed and reported as timed out. Leaves no
// process, zombie or open file behind. Throws ChildProcessError when it cannot be started.
FinishedChild runChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                              double timeLimitSeconds);

// The path that starts another copy of the running program.
std::string ownExecutablePath();

// For a process that runs one check for its parent: no core files or crash dialogs, and a crash ends the
// process at once, visibly to the parent (a signal on POSIX, the exception code as exit status on
// Windows). Returns a stream on the original standard output, reserved for the result; what else the
// process writes to standard output goes to standard error from now on. Call once, first thing.
std::FILE* becomeCheckProcess();

} // namespace kadenzo::platform
