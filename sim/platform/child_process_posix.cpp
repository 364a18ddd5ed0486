// Child processes on POSIX: posix_spawn with standard output on a pipe, poll on that pipe until the
// deadline, SIGKILL when the time is up, and always waitpid.
//
// Index of this file:
// - Names of signals
// - Descriptors and the child that is always reaped
// - runChildProcess
// - The child's side
#include "platform/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <system_error>
#include <thread>
#include <utility>

extern char** environ;

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

// ---- Descriptors and the child that is always reaped -----------------------------------------------

[[noreturn]] void fail(const char* what, int error) {
    throw ChildProcessError(std::string(what) + ": " + std::generic_category().message(error));
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

Pipe makePipe() {
    int ends[2];
    // Close-on-exec: neither end leaks into this child or any other program started meanwhile; the
    // child gets the write end only as its standard output.
    if (::pipe2(ends, O_CLOEXEC) != 0) fail("cannot make a pipe", errno);
    Pipe pipe;
    pipe.readEnd = Descriptor(ends[0]);
    pipe.writeEnd = Descriptor(ends[1]);
    return pipe;
}

class SpawnActions {
public:
    SpawnActions() {
        if (const int error = ::posix_spawn_file_actions_init(&actions))
            fail("cannot start a process", error);
    }
    ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    void check(int error) {
        if (error) fail("cannot start a process", error);
    }
    posix_spawn_file_actions_t* get() { return &actions; }

private:
    posix_spawn_file_actions_t actions;
};

// A started child. Whatever happens to the parent meanwhile (an exception), the child is killed and
// reaped before this goes.
class Child {
public:
    explicit Child(pid_t pid) : pid(pid) {}
    ~Child() {
        if (reaped) return;
        ::kill(pid, SIGKILL);
        waitBlocking();
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Its wait status once it has ended; nothing while it runs.
    std::optional<int> poll() {
        int status = 0;
        pid_t result;
        do
            result = ::waitpid(pid, &status, WNOHANG);
        while (result < 0 && errno == EINTR);
        if (result == 0) return std::nullopt;
        reaped = true;
        return status;
    }
    int kill() {
        ::kill(pid, SIGKILL);
        return waitBlocking();
    }

private:
    int waitBlocking() {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        reaped = true;
        return status;
    }

    pid_t pid;
    bool reaped = false;
};

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left, 1000));
}

// Reads what is there; false once the child has closed its end.
bool readAvailable(int fd, std::string& output) {
    char buffer[65536];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) return errno == EINTR || errno == EAGAIN;
    output.append(buffer, static_cast<std::size_t>(got));
    return got > 0;
}

// Collects the child's output until it closes its standard output or the deadline passes; true when it
// closed it in time.
bool collectOutput(int fd, Clock::time_point deadline, std::string& output) {
    for (;;) {
        pollfd watched{fd, POLLIN, 0};
        const int ready = ::poll(&watched, 1, millisecondsUntil(deadline));
        if (ready < 0 && errno != EINTR) fail("cannot read from the process", errno);
        if (ready > 0 && !readAvailable(fd, output)) return true;
        if (ready <= 0 && Clock::now() >= deadline) return false;
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

} // namespace

// ---- runChildProcess -------------------------------------------------------------------------------

FinishedChild runChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                              double timeLimitSeconds) {
    Pipe pipe = makePipe();
    SpawnActions actions;
    actions.check(::posix_spawn_file_actions_adddup2(actions.get(), pipe.writeEnd.get(), STDOUT_FILENO));
    actions.check(::posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0));

    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (const int error = ::posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ))
        fail(("cannot start " + program).c_str(), error);
    Child child(pid);
    pipe.writeEnd.close();

    const Clock::time_point deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                          std::chrono::duration<double>(timeLimitSeconds));
    std::string output;
    const bool closed = collectOutput(pipe.readEnd.get(), deadline, output);
    // Once it has closed its standard output it normally ends right after. Should it end in time but
    // something it started still hold the pipe, it ended all the same.
    std::optional<int> status = child.poll();
    while (!status && closed && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        status = child.poll();
    }
    FinishedChild result;
    if (status) {
        result = finished(*status);
    } else {
        child.kill();
        result.timedOut = true;
    }
    result.output = std::move(output);
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

std::FILE* becomeCheckProcess() {
    // A crashing check is expected now and then; its core file would only litter the folder.
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    std::fflush(stdout);
    const int results = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    if (results < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return stdout;
    std::FILE* stream = ::fdopen(results, "w");
    return stream ? stream : stdout;
}

} // namespace kadenzo::platform
