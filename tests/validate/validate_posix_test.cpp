// The runner on POSIX leaves nothing behind in the validating process or outside it: every child reaped,
// whether it passed, crashed or was killed at its time limit, no descriptor left open, no process a
// check started left running, not even when the validating process is ended or killed; and what a
// check's process writes can neither pass for its result, nor reach a file the validating process has
// open, nor grow the validating process's memory.
//
// Index of this file:
// - Processes marked as the checks' own
// - What the runner leaves behind
// - Results that cannot be forged, output that is capped
// - The validating process ended while a check runs
#include "built_modules.h"
#include "fake_checks.h"
#include "validate/check_protocol.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

using namespace kadenzo::validate;
using namespace kadenzo::validate::test;

// ---- Processes marked as the checks' own ---------------------------------------------------------

// Marks every check process started from now on, and what they start, through their environment, with
// a value of this test's own (tests of other builds may run beside it).
class Marker {
public:
    Marker()
        : entry("KADENZO_VALIDATE_TEST_MARK=" + std::to_string(::getpid()) + "-" + std::to_string(++made)) {
        ::setenv("KADENZO_VALIDATE_TEST_MARK", entry.substr(entry.find('=') + 1).c_str(), 1);
    }
    ~Marker() { ::unsetenv("KADENZO_VALIDATE_TEST_MARK"); }
    Marker(const Marker&) = delete;
    Marker& operator=(const Marker&) = delete;

    // The marked processes that run (zombies aside): those started with this environment, the check
    // processes, and everything they fork. This process and forks of it keep the environment they
    // were started with, so they are not among them.
    std::size_t running() const {
        std::size_t count = 0;
        for (const auto& folder : std::filesystem::directory_iterator("/proc")) {
            const std::string name = folder.path().filename().string();
            if (name.find_first_not_of("0123456789") != std::string::npos) continue;
            std::ifstream environment(folder.path() / "environ", std::ios::binary);
            const std::string text{std::istreambuf_iterator<char>(environment), {}};
            if (text.find(entry + '\0') == std::string::npos && !endsWithEntry(text)) continue;
            if (!isZombie(folder.path())) ++count;
        }
        return count;
    }

    // Waits, at most a minute, for COUNT marked processes or fewer; the number running then.
    std::size_t waitForAtMost(std::size_t count) const {
        for (int tries = 0; tries < 600 && running() > count; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return running();
    }

    // Waits, at most a minute, for COUNT marked processes or more; the number running then.
    std::size_t waitForAtLeast(std::size_t count) const {
        for (int tries = 0; tries < 600 && running() < count; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return running();
    }

private:
    bool endsWithEntry(const std::string& text) const {
        return text.size() >= entry.size() &&
               text.compare(text.size() - entry.size(), entry.size(), entry) == 0;
    }
    static bool isZombie(const std::filesystem::path& folder) {
        std::ifstream stat(folder / "stat");
        std::string text;
        std::getline(stat, text);
        const std::size_t close = text.rfind(')');
        return close == std::string::npos || close + 2 >= text.size() || text[close + 2] == 'Z' ||
               text[close + 2] == 'X';
    }

    static inline int made = 0;
    std::string entry;
};

RunSettings settingsWithin(double seconds) {
    RunSettings settings;
    settings.modulePath = kadenzo::sim::test::builtPlugin();
    settings.timeoutSeconds = seconds;
    settings.processCommand = fakeSetup().processCommand;
    return settings;
}

CheckResult runAlone(const std::string& name, double seconds) {
    return runChecks({checkNamed(fakeChecks(), name)}, settingsWithin(seconds), nullptr).at(0);
}

std::size_t openDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

// ---- What the runner leaves behind ---------------------------------------------------------------

TEST(ValidateRunnerPosix, LeavesNoZombieAndNoOpenDescriptor) {
    std::vector<Check> checks;
    for (const char* name : {"fake.passes", "fake.crashes", "fake.hangs", "fake.many-lines"})
        checks.push_back(checkNamed(fakeChecks(), name));
    // Long enough for a crash to be reported in the sanitizers' build.
    const std::size_t before = openDescriptors();
    const std::vector<CheckResult> results = runChecks(checks, settingsWithin(5), nullptr);
    EXPECT_EQ(openDescriptors(), before);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[1].outcome, Outcome::crash);
    EXPECT_EQ(results[2].outcome, Outcome::timeout);
}

// The process left behind holds the check's pipes: the check still ends when its own process does.
TEST(ValidateRunnerPosix, AProcessACheckLeavesRunningFailsItAndIsEnded) {
    const Marker marker;
    const CheckResult result = runAlone("fake.leaves-process", 120);
    EXPECT_EQ(result.outcome, Outcome::fail);
    EXPECT_EQ(result.reason, "1 process it started was still running when it ended (ended since)");
    EXPECT_EQ(result.reports, std::vector<std::string>{"started a process that stays"});
    EXPECT_EQ(marker.waitForAtMost(0), 0u);
}

// A process that left the check's group for a session of its own is found all the same.
TEST(ValidateRunnerPosix, AProcessThatLeftTheGroupFailsTheCheckAndIsEnded) {
    const Marker marker;
    const CheckResult result = runAlone("fake.leaves-session", 120);
    EXPECT_EQ(result.outcome, Outcome::fail);
    EXPECT_EQ(result.reason, "1 process it started was still running when it ended (ended since)");
    EXPECT_EQ(marker.waitForAtMost(0), 0u);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

// ---- Results that cannot be forged, output that is capped ----------------------------------------

TEST(ValidateRunnerPosix, APassWrittenToEveryDescriptorIsNoResultAndReachesNoFileOfTheRunner) {
    const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "kadenzo-validate-open";
    std::filesystem::remove(path);
    // Open without close-on-exec, as a caller's file may be, and not among the first few descriptors.
    const int opened = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(opened, 0);
    const int file = ::fcntl(opened, F_DUPFD, 100);
    ::close(opened);
    ASSERT_GE(file, 100);
    const CheckResult result = runAlone("fake.forges", 60);
    ::close(file);
    EXPECT_EQ(result.outcome, Outcome::crash);
    EXPECT_EQ(result.reason, "its process ended with status 0 before its result");
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    std::filesystem::remove(path);
}

// The peak of this process's resident memory, in KiB.
std::size_t peakMemoryKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stoul(line.substr(6));
    return 0;
}

TEST(ValidateRunnerPosix, OutputIsKeptUpToAMebibyteAndTheRestIsCountedNotHeld) {
    const std::size_t peakBefore = peakMemoryKiB();
    const CheckResult result = runAlone("fake.floods", 300);
    const std::size_t peakAfter = peakMemoryKiB();
    EXPECT_EQ(result.outcome, Outcome::pass) << result.reason;
    EXPECT_EQ(result.output.size(), mostOutputBytes);
    EXPECT_EQ(result.output.size() + result.outputDroppedBytes, floodBytes);
    // A hundred mebibytes went through; a few buffers' worth may stay.
    EXPECT_LT(peakAfter - peakBefore, 16u * 1024) << peakBefore << " KiB before, " << peakAfter << " after";
}

// ---- The validating process ended while a check runs ---------------------------------------------

// Runs fake.leaves-process-and-hangs in a fork of this process, as kadenzo-sim validate would, ends
// that with SIGNAL once the check and the process it left are running, and expects neither to outlive it.
void endWhileACheckHangs(int signalNumber) {
    const Marker marker;
    const pid_t runner = ::fork();
    ASSERT_GE(runner, 0);
    if (runner == 0) {
        runChecks({checkNamed(fakeChecks(), "fake.leaves-process-and-hangs")}, settingsWithin(600), nullptr);
        ::_exit(0);
    }
    EXPECT_EQ(marker.waitForAtLeast(2), 2u);
    ::kill(runner, signalNumber);
    int status = 0;
    while (::waitpid(runner, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << "status " << status;
    EXPECT_EQ(marker.waitForAtMost(0), 0u);
}

TEST(ValidateRunnerPosix, EndedBySigtermItEndsTheRunningCheckAndWhatItStarted) {
    endWhileACheckHangs(SIGTERM);
}

TEST(ValidateRunnerPosix, EndedBySigintItEndsTheRunningCheckAndWhatItStarted) {
    endWhileACheckHangs(SIGINT);
}

// Rationale: under nohup SIGHUP is ignored, and kadenzo-sim leaves it so; there is nothing to test then.
TEST(ValidateRunnerPosix, EndedBySighupItEndsTheRunningCheckAndWhatItStarted) {
    struct sigaction current {};
    ::sigaction(SIGHUP, nullptr, &current);
    if (current.sa_handler == SIG_IGN) GTEST_SKIP() << "SIGHUP is ignored here";
    endWhileACheckHangs(SIGHUP);
}

TEST(ValidateRunnerPosix, KilledTheRunningCheckAndWhatItStartedDieToo) {
    endWhileACheckHangs(SIGKILL);
}

} // namespace
