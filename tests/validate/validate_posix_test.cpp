// The runner on POSIX leaves nothing behind in the validating process: every child reaped, whether it
// passed, crashed or was killed at its time limit, and no descriptor left open.
#include "built_modules.h"
#include "fake_checks.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>
#include <filesystem>

namespace {

using namespace kadenzo::validate;
using namespace kadenzo::validate::test;

std::size_t openDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

TEST(ValidateRunnerPosix, LeavesNoZombieAndNoOpenDescriptor) {
    std::vector<Check> checks;
    for (const char* name : {"fake.passes", "fake.crashes", "fake.hangs", "fake.many-lines"})
        checks.push_back(checkNamed(fakeChecks(), name));
    RunSettings settings;
    settings.modulePath = kadenzo::sim::test::builtPlugin();
    // Long enough for a crash to be reported in the sanitizers' build.
    settings.timeoutSeconds = 5;
    settings.processCommand = fakeSetup().processCommand;

    const std::size_t before = openDescriptors();
    const std::vector<CheckResult> results = runChecks(checks, settings, nullptr);
    EXPECT_EQ(openDescriptors(), before);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[1].outcome, Outcome::crash);
    EXPECT_EQ(results[2].outcome, Outcome::timeout);
}

} // namespace
