// The checks of the runner's tests (fake_checks.h).
#include "fake_checks.h"

#include "built_modules.h"
#include "host_state.h"
#include "platform/child_process.h"

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace kadenzo::validate::test {

const char* const oddReportLine = "tab\there, a line\nend, bell \a, escape \x1b[0m, backslash \\n, "
                                  "bytes \xff\xfe, \xc3\xbc, <&>\"'";

std::string manyLine(int index) {
    return "line " + std::to_string(index) + " " + std::string(400, 'x');
}

namespace {

void passes(CheckContext& context) {
    context.report("measured: 3 frames");
}

void fails(CheckContext&) {
    throw CheckFailure("the record is 60 bytes, not 64");
}

void throwsSomethingElse(CheckContext&) {
    throw 42;
}

// A write through a null pointer the compiler cannot see: SIGSEGV, or an access violation on Windows.
void crashes(CheckContext& context) {
    context.report("about to crash");
    static volatile std::intptr_t nowhere = 0;
    *reinterpret_cast<volatile int*>(nowhere) = 1;
}

// Blocks for ever on a condition nothing signals (a timed sleep's runtime function is missing from the
// Windows runtime the tests run with under Wine).
void hangs(CheckContext& context) {
    context.report("about to hang");
    std::mutex mutex;
    std::condition_variable never;
    std::unique_lock<std::mutex> lock(mutex);
    for (;;)
        never.wait(lock);
}

// A plugin's call into the host from a thread of its own, refused and reported by the host.
void callsFromAnotherThread(CheckContext& context) {
    halvex::host::HostState host;
    context.watch(host);
    const halvex::host::PluginId plugin = host.addPlugin();
    host.startPlugin(plugin);
    const std::shared_ptr<GameWrapper> game = host.makeGameWrapper(plugin);
    std::thread([&] { game->RegisterDrawable([](CanvasWrapper) {}); }).join();
    throw CheckFailure("no drawable was registered");
}

void reportsOddText(CheckContext& context) {
    context.report(oddReportLine);
    throw CheckFailure("why it failed\nand a second line");
}

void reportsMany(CheckContext& context) {
    for (int index = 0; index < manyLines; ++index)
        context.report(manyLine(index));
}

// Whatever a check writes to standard output goes to standard error instead: it cannot pass for a result.
void writesResultLines(CheckContext&) {
    std::cout << "result PASS" << std::endl;
    std::printf("result PASS\n");
    std::fflush(stdout);
    throw CheckFailure("printed a pass but failed");
}

#ifndef _WIN32
// A plugin's fork: a process that outlives the check holding every descriptor the check has.
void startLingerer() {
    if (::fork() == 0) {
        for (;;)
            ::pause();
    }
}

void leavesAProcess(CheckContext& context) {
    startLingerer();
    context.report("started a process that stays");
}

// The same, but the process it forks leaves the check's group for a session of its own first.
void leavesASession(CheckContext& context) {
    if (::fork() == 0) {
        ::setsid();
        for (;;)
            ::pause();
    }
    context.report("started a process that leaves its group and stays");
}

void leavesAProcessAndHangs(CheckContext& context) {
    startLingerer();
    hangs(context);
}

// Writes a plausible result to every descriptor it may have inherited, then ends as a check ends.
void forgesAResult(CheckContext&) {
    const char forged[] = "result PASS\nresult 00000000000000000000000000000000 PASS\n";
    for (int fd = 0; fd < 1024; ++fd)
        static_cast<void>(::write(fd, forged, sizeof forged - 1));
    ::_exit(0);
}
#endif

// Passes, but has the process end with status 0 once the result is sent, as a plugin's exit handler may.
void exitsWithZeroAfterItsResult(CheckContext&) {
    std::atexit([] { std::_Exit(0); });
}

// Writes floodBytes to its standard output and error, then passes.
void floods(CheckContext&) {
    const std::string block(1 << 16, 'x');
    for (std::size_t written = 0; written < floodBytes; written += block.size()) {
        std::fwrite(block.data(), 1, block.size(), written % (2 * block.size()) == 0 ? stdout : stderr);
    }
    std::fflush(stdout);
}

void randomFails(CheckContext& context) {
    throw CheckFailure("seed " + std::to_string(context.seed()) + " found a fault");
}

void loadsTheModule(CheckContext& context) {
    require(context.modulePath() == sim::test::builtPlugin(), "the module path arrived changed");
}

} // namespace

const std::vector<Check>& fakeChecks() {
    static const std::vector<Check> checks{
        {"fake.passes", "passes and reports a figure", false, passes},
        {"fake.fails", "throws CheckFailure", false, fails},
        {"fake.throws-int", "throws an int", false, throwsSomethingElse},
        {"fake.crashes", "writes through a null pointer", false, crashes},
        {"fake.hangs", "waits for ever", false, hangs},
        {"fake.thread-call", "calls the host from another thread", false, callsFromAnotherThread},
        {"fake.odd-text", "reports control bytes, bad UTF-8 and a line end", false, reportsOddText},
        {"fake.many-lines", "reports two megabytes of lines", false, reportsMany},
        {"fake.prints-result", "prints a result line to standard output, then fails", false,
         writesResultLines},
        {"fake.random-fails", "fails, saying its seed", true, randomFails},
        {"fake.module-path", "sees the module path the runner was given", false, loadsTheModule},
        {"fake.exits-zero-after-result", "passes, then its process exits with status 0", false,
         exitsWithZeroAfterItsResult},
        {"fake.floods", "writes 100 MB to standard output and error, then passes", false, floods},
#ifndef _WIN32
        {"fake.leaves-process", "forks a process that stays, then passes", false, leavesAProcess},
        {"fake.leaves-session", "forks a process that leaves the group and stays, then passes", false,
         leavesASession},
        {"fake.leaves-process-and-hangs", "forks a process that stays, then waits for ever", false,
         leavesAProcessAndHangs},
        {"fake.forges", "writes a pass to every descriptor and exits with status 0", false, forgesAResult},
#endif
    };
    return checks;
}

ValidateSetup fakeSetup() {
    return ValidateSetup{fakeChecks(), CheckProcessCommand{platform::ownExecutablePath(), {}},
                         sim::test::builtPlugin()};
}

} // namespace kadenzo::validate::test
