// Child processes on POSIX (Linux): fork, a new session for the child, its descriptors closed but the
// three standard ones, poll on its pipes until it ends or the deadline, then SIGKILL to its whole group.
// A guard process forked beside it ends the group should this process die without a chance to.
//
// Index of this file:
// - Names of signals
// - Descriptors and pipes
// - The group of the running child: ended on a request to end
// - Starting: the child between fork and exec, the guard
// - Watching: reading the pipes, counting what was left behind
// - runChildProcess
// - The child's side
#include "platform/child_process.h"

#include "platform/requests_to_end.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace kadenzo::platform {

namespace {

// ---- Names of signals ------------------------------------------------------------------------------

struct SignalName {
    int number;
    const char* name;
};

constexpr std::array<SignalName, 16> signalNames{{
    {SIGSEGV, "SIGSEGV"},
    {SIGABRT, "SIGABRT"},
    {SIGBUS, "SIGBUS"},
    {SIGFPE, "SIGFPE"},
    {SIGILL, "SIGILL"},
    {SIGTRAP, "SIGTRAP"},
    {SIGSYS, "SIGSYS"},
    {SIGKILL, "SIGKILL"},
    {SIGTERM, "SIGTERM"},
    {SIGINT, "SIGINT"},
    {SIGHUP, "SIGHUP"},
    {SIGQUIT, "SIGQUIT"},
    {SIGPIPE, "SIGPIPE"},
    {SIGALRM, "SIGALRM"},
    {SIGXCPU, "SIGXCPU"},
    {SIGXFSZ, "SIGXFSZ"},
}};

std::string signalDescription(int number) {
    for (const SignalName& signal : signalNames)
        if (signal.number == number)
            return "killed by signal " + std::to_string(number) + " (" + signal.name + ")";
    return "killed by signal " + std::to_string(number);
}

// ---- Descriptors and pipes -------------------------------------------------------------------------

[[noreturn]] void fail(const std::string& what, int error) {
    throw ChildProcessError(what + ": " + std::generic_category().message(error));
}

class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int value) : value(value) {}
    ~Descriptor() { close(); }
    Descriptor(Descriptor&& other) noexcept : value(std::exchange(other.value, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            close();
            value = std::exchange(other.value, -1);
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return value; }
    bool isOpen() const { return value >= 0; }
    void close() {
        if (value >= 0) ::close(value);
        value = -1;
    }

private:
    int value = -1;
};

struct Pipe {
    Descriptor readEnd;
    Descriptor writeEnd;
};

// Rationale: above the standard three, so that moving the child's ends onto 0, 1 and 2 never overwrites
// another end, even when this process was started with one of them closed.
Descriptor aboveStandard(int fd) {
    if (fd > STDERR_FILENO) return Descriptor(fd);
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    const int error = errno;
    ::close(fd);
    if (moved < 0) fail("cannot make a pipe", error);
    return Descriptor(moved);
}

// Close-on-exec: neither end leaks into this child or any other program started meanwhile.
Pipe makePipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) fail("cannot make a pipe", errno);
    Pipe pipe;
    pipe.readEnd = aboveStandard(ends[0]);
    pipe.writeEnd = aboveStandard(ends[1]);
    return pipe;
}

void setNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// ---- The group of the running child ----------------------------------------------------------------

// The process group of the check running now; 0 when none runs. Read by the handler of a request to end.
std::atomic<pid_t> runningGroup{0};
static_assert(std::atomic<pid_t>::is_always_lock_free, "the handler may only read lock-free atomics");

void endRunningGroup() noexcept {
    if (const pid_t group = runningGroup.load(); group > 0) ::kill(-group, SIGKILL);
}

void endRunningGroupOnRequestToEnd() {
    static const bool installed = (onRequestToEnd(endRunningGroup), true);
    static_cast<void>(installed);
}

// Publishes the group while it lives.
class RunningGroup {
public:
    explicit RunningGroup(pid_t group) { runningGroup.store(group); }
    ~RunningGroup() { runningGroup.store(0); }
    RunningGroup(const RunningGroup&) = delete;
    RunningGroup& operator=(const RunningGroup&) = delete;
};

// ---- Starting --------------------------------------------------------------------------------------

// Closes every descriptor from FIRST on, with calls that are safe between fork and exec.
void closeFrom(int first) {
    if (::close_range(static_cast<unsigned>(first), ~0U, 0) == 0) return;
    rlimit limit{};
    const rlim_t last = ::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
                            ? std::min<rlim_t>(limit.rlim_cur, 1 << 20)
                            : 1 << 16;
    for (rlim_t fd = static_cast<rlim_t>(first); fd < last; ++fd)
        ::close(static_cast<int>(fd));
}

[[noreturn]] void reportAndExit(int reportFd, int error) {
    [[maybe_unused]] const ssize_t written = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

// The descriptors the child starts from, and where its exec failure is reported.
struct ChildEnds {
    int input;
    int output;
    int error;
    int report; // close-on-exec: its end at exec tells the parent the program runs
};

// In the child, between fork and exec: only calls that are safe there. A new session (and so a group of
// its own, without the terminal), death with its parent, the standard three and nothing else.
[[noreturn]] void becomeChild(const ChildEnds& ends, pid_t parent, char* const* argv) {
    if (::setsid() < 0) reportAndExit(ends.report, errno);
    // Rationale: checked again after it is set, as the parent may have died just before.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != parent) ::_exit(127);
    // Every end lies above the standard three (aboveStandard), so no move overwrites another end.
    if (::dup2(ends.input, STDIN_FILENO) < 0 || ::dup2(ends.output, STDOUT_FILENO) < 0 ||
        ::dup2(ends.error, STDERR_FILENO) < 0)
        reportAndExit(ends.report, errno);
    constexpr int report = STDERR_FILENO + 1;
    if (ends.report != report && ::dup2(ends.report, report) < 0) reportAndExit(ends.report, errno);
    ::fcntl(report, F_SETFD, FD_CLOEXEC);
    closeFrom(report + 1);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        ::signal(signalNumber, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execv(argv[0], argv);
    reportAndExit(report, errno);
}

// The guard: waits for LIFELINE to close, which happens when this process closes it or dies however it
// dies, then ends GROUP. It ignores the requests to end that reach this process's group from a terminal,
// since the handler here ends the group then.
[[noreturn]] void guard(int lifeline, pid_t group) {
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        ::signal(signalNumber, SIG_IGN);
    if (::dup2(lifeline, STDIN_FILENO) < 0) ::_exit(1);
    closeFrom(STDIN_FILENO + 1);
    char byte;
    while (::read(STDIN_FILENO, &byte, 1) < 0 && errno == EINTR) {
    }
    ::kill(-group, SIGKILL);
    ::_exit(0);
}

// A started process that is always killed and reaped before this goes, with its group when it leads one.
class Started {
public:
    Started(pid_t pid, bool leadsGroup) : pid(pid), leadsGroup(leadsGroup) {}
    ~Started() { end(); }
    Started(Started&& other) noexcept : pid(std::exchange(other.pid, 0)), leadsGroup(other.leadsGroup) {}
    Started& operator=(Started&&) = delete;
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    pid_t get() const { return pid; }
    // Kills its group and reaps it; its wait status.
    int end() {
        int status = 0;
        if (pid <= 0) return status;
        if (leadsGroup) ::kill(-pid, SIGKILL);
        ::kill(pid, SIGKILL);
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        pid = 0;
        return status;
    }

private:
    pid_t pid = 0;
    bool leadsGroup;
};

std::vector<char*> argumentVector(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    return argv;
}

// Forks the child and waits until it runs the program (its report pipe closing at exec) or says why
// it cannot.
Started startChild(const ChildRequest& request, const ChildEnds& ends, Descriptor reportRead,
                   Descriptor reportWrite) {
    std::vector<std::string> words{request.program};
    words.insert(words.end(), request.arguments.begin(), request.arguments.end());
    const std::vector<char*> argv = argumentVector(words);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) fail("cannot start " + request.program, errno);
    if (pid == 0) becomeChild(ends, parent, argv.data());
    Started child(pid, true);
    reportWrite.close();
    int error = 0;
    ssize_t got;
    while ((got = ::read(reportRead.get(), &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (got == static_cast<ssize_t>(sizeof error)) {
        child.end();
        fail("cannot start " + request.program, error);
    }
    return child;
}

Started startGuard(int lifeline, pid_t group) {
    const pid_t pid = ::fork();
    if (pid < 0) fail("cannot start the guard of a process", errno);
    if (pid == 0) guard(lifeline, group);
    return Started(pid, false);
}

// ---- Watching --------------------------------------------------------------------------------------

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left, 20));
}

// A pipe from the child and where its bytes go.
struct Stream {
    Descriptor fd;
    const std::function<void(std::string_view)>* sink;
};

// Reads what STREAM holds now, at most LIMIT bytes; closes it at its end.
void readAvailable(Stream& stream, std::size_t limit) {
    char buffer[65536];
    for (std::size_t total = 0; stream.fd.isOpen() && total < limit;) {
        const ssize_t got = ::read(stream.fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return;
        if (got <= 0) {
            stream.fd.close();
            return;
        }
        total += static_cast<std::size_t>(got);
        if (*stream.sink) (*stream.sink)(std::string_view(buffer, static_cast<std::size_t>(got)));
    }
}

bool hasEnded(pid_t pid) {
    siginfo_t info{};
    // Rationale: WNOWAIT leaves it a zombie, so that its number, and its group's, is not given to
    // another process while the group is counted and killed.
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) < 0 &&
           errno == EINTR) {
    }
    return info.si_pid != 0;
}

// Reads both streams until the child ends or the deadline passes; true when it ended in time.
bool watch(pid_t pid, std::array<Stream, 2>& streams, Clock::time_point deadline) {
    for (;;) {
        std::array<pollfd, 2> watched{};
        for (std::size_t index = 0; index < streams.size(); ++index)
            watched[index] = pollfd{streams[index].fd.get(), POLLIN, 0};
        if (::poll(watched.data(), watched.size(), millisecondsUntil(deadline)) < 0 && errno != EINTR)
            fail("cannot read from the process", errno);
        for (std::size_t index = 0; index < streams.size(); ++index)
            if (watched[index].revents != 0) readAvailable(streams[index], 1 << 20);
        if (hasEnded(pid)) return true;
        if (Clock::now() >= deadline) return false;
    }
}

// One process as /proc tells it.
struct ProcessEntry {
    pid_t pid;
    long parent;
    long group;
    bool running; // neither a zombie nor dead
};

// Calls VISIT for every process in /proc; false when /proc cannot be read.
template <typename Visit> bool forEachProcess(Visit visit) {
    DIR* folder = ::opendir("/proc");
    if (!folder) return false;
    while (const dirent* entry = ::readdir(folder)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0') continue;
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string text;
        std::getline(stat, text);
        // pid (name) state ppid pgrp ...; the name may hold anything, so the fields follow its last ')'.
        const std::size_t close = text.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        long parent = 0;
        long group = 0;
        if (std::sscanf(text.c_str() + close + 1, " %c %ld %ld", &state, &parent, &group) != 3) continue;
        visit(ProcessEntry{static_cast<pid_t>(pid), parent, group, state != 'Z' && state != 'X'});
    }
    ::closedir(folder);
    return true;
}

// The processes whose parent is this one that still run, but those of the process group OUTSIDE (0:
// none) and those in KNOWN.
std::vector<pid_t> runningChildren(pid_t outside, std::initializer_list<pid_t> known) {
    std::vector<pid_t> children;
    const long self = static_cast<long>(::getpid());
    forEachProcess([&](const ProcessEntry& process) {
        const bool isKnown = std::find(known.begin(), known.end(), process.pid) != known.end();
        if (process.parent == self && process.running && process.group != outside && !isKnown)
            children.push_back(process.pid);
    });
    return children;
}

// The processes the check left running: those still in its GROUP and those this process adopted, but
// for the GUARD. Rationale: one pass over the processes reads each once, so a process that leaves the
// group (setsid) while they are read is counted once; counted by group and then by parent in two passes,
// it was counted twice when it left between them.
std::size_t runningLeftBehind(pid_t group, pid_t guard) {
    std::size_t count = 0;
    const long self = static_cast<long>(::getpid());
    const bool read = forEachProcess([&](const ProcessEntry& process) {
        if (process.running && process.pid != guard && (process.group == group || process.parent == self))
            ++count;
    });
    if (!read) return ::kill(-group, 0) == 0 ? 1 : 0;
    return count;
}

// Rationale: a process the check started may leave its group (setsid) and outlive the check's own
// process; as a subreaper this process then becomes its parent, so that it can still be found and ended.
void becomeSubreaper() {
    static const bool done = (::prctl(PR_SET_CHILD_SUBREAPER, 1), true);
    static_cast<void>(done);
}

// Whether any process of GROUP is left, zombies included.
bool groupLeft(pid_t group) {
    bool left = false;
    const bool read =
        forEachProcess([&](const ProcessEntry& process) { left = left || process.group == group; });
    return read ? left : ::kill(-group, 0) == 0;
}

// Once the check and its guard are reaped, every child of this process is one the check left behind, and
// so is every process of its group, which comes to this process when its parent ends: ends them (with
// the groups they lead) and reaps them, until this process has no child and the group is gone, or a few
// seconds have passed.
void endAdopted(pid_t group) {
    for (int round = 0; round < 3000; ++round) {
        pid_t reaped;
        while ((reaped = ::waitpid(-1, nullptr, WNOHANG)) > 0) {
        }
        if (reaped < 0 && errno == ECHILD && !groupLeft(group)) return;
        for (const pid_t pid : runningChildren(0, {})) {
            ::kill(-pid, SIGKILL);
            ::kill(pid, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

FinishedChild finished(int status) {
    FinishedChild child;
    if (WIFSIGNALED(status))
        child.crash = signalDescription(WTERMSIG(status));
    else
        child.exitStatus = static_cast<unsigned long>(WEXITSTATUS(status));
    return child;
}

void hand(int fd, const std::string& bytes) {
    // Rationale: a pipe holds 64 KiB, far more than anything handed, so this never blocks.
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) fail("cannot hand the process its input", errno);
        done += static_cast<std::size_t>(written);
    }
}

} // namespace

// ---- runChildProcess -------------------------------------------------------------------------------

FinishedChild runChildProcess(const ChildRequest& request) {
    endRunningGroupOnRequestToEnd();
    becomeSubreaper();
    Pipe input = makePipe();
    hand(input.writeEnd.get(), request.handed);
    input.writeEnd.close();
    Pipe output = makePipe();
    Pipe error = makePipe();
    Pipe report = makePipe();
    Pipe lifeline = makePipe();

    const ChildEnds ends{input.readEnd.get(), output.writeEnd.get(), error.writeEnd.get(),
                         report.writeEnd.get()};
    Started child = startChild(request, ends, std::move(report.readEnd), std::move(report.writeEnd));
    const pid_t group = child.get();
    const RunningGroup running(group);
    Started guardian = startGuard(lifeline.readEnd.get(), child.get());
    for (Descriptor* end : {&input.readEnd, &output.writeEnd, &error.writeEnd, &lifeline.readEnd})
        end->close();

    std::array<Stream, 2> streams{Stream{std::move(output.readEnd), &request.onOutput},
                                  Stream{std::move(error.readEnd), &request.onError}};
    for (Stream& stream : streams)
        setNonBlocking(stream.fd.get());
    const Clock::time_point deadline =
        Clock::now() +
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(request.timeLimitSeconds));
    const bool ended = watch(child.get(), streams, deadline);

    // The child is a zombie or still runs: either way its group is still its own to count and kill.
    // What left the group and outlived the child's own process is this process's child now.
    const std::size_t leftRunning = ended ? runningLeftBehind(group, guardian.get()) : 0;
    ::kill(-child.get(), SIGKILL);
    // What the child wrote before it ended is in the pipes now; what the killed ones might still add
    // is not waited for.
    for (Stream& stream : streams)
        readAvailable(stream, 4 << 20);
    lifeline.writeEnd.close();
    guardian.end();
    FinishedChild result = ended ? finished(child.end()) : FinishedChild{};
    if (!ended) {
        child.end();
        result.timedOut = true;
    }
    endAdopted(group);
    result.leftRunning = leftRunning;
    return result;
}

std::string ownExecutablePath() {
    // The file's path rather than /proc/self/exe itself, which under valgrind is valgrind's own program.
    std::vector<char> buffer(4096);
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size() - 1) return "/proc/self/exe";
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// ---- The child's side ------------------------------------------------------------------------------

namespace {

std::string readHanded() {
    std::string handed;
    char buffer[4096];
    while (handed.size() < sizeof buffer) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer - handed.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        handed.append(buffer, static_cast<std::size_t>(got));
    }
    const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (nothing >= 0) {
        ::dup2(nothing, STDIN_FILENO);
        ::close(nothing);
    }
    return handed;
}

} // namespace

CheckProcessChannel becomeCheckProcess() {
    // A crashing check is expected now and then; its core file would only litter the folder.
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    CheckProcessChannel channel;
    channel.handed = readHanded();
    std::fflush(stdout);
    const int results = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    channel.results = stdout;
    if (results < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return channel;
    if (std::FILE* stream = ::fdopen(results, "w")) channel.results = stream;
    return channel;
}

} // namespace kadenzo::platform
