// kadenzo-sim typed at a terminal, through a pseudo-terminal: TAB completes a command and a variable,
// the up arrow recalls a line, and with --config the history and the settings reach the next run;
// Ctrl+C drops the line being typed or stops a long command, and quit, exit, SIGTERM and SIGHUP end the
// session with the settings and the history written.
// Nothing waits a fixed time: each step waits for the output it expects, up to a generous deadline, and
// keys are typed only once the line editor has the terminal (keys typed before it would be taken by the
// terminal's own line discipline, which reads ^D and escape sequences differently).
#include "built_modules.h"
#include "loader/dynamic_library.h"
#include "loader/modules.h"
#include "output_test_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Long enough for a sanitizer build on a busy machine; a step that works takes milliseconds.
constexpr std::chrono::seconds deadline{60};

constexpr const char* upArrow = "\x1b[A";
constexpr const char* endOfInput = "\x04";
constexpr const char* interrupt = "\x03";

// kadenzo-sim on the far side of a pseudo-terminal, in FOLDER.
class TerminalRun {
public:
    TerminalRun(const std::string& folder, const std::vector<std::string>& arguments) {
        const std::string program = kadenzo::sim::executableDirectory() + "/kadenzo-sim";
        winsize size{};
        size.ws_row = 40;
        size.ws_col = 200;
        child = ::forkpty(&terminal, nullptr, nullptr, &size);
        if (child == 0) {
            if (::chdir(folder.c_str()) != 0) ::_exit(126);
            ::setenv("TERM", "xterm", 1);
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        if (child > 0) sameTerminal = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~TerminalRun() {
        if (child > 0 && !ended) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
        if (sameTerminal >= 0) ::close(sameTerminal);
        if (terminal >= 0) ::close(terminal);
    }
    TerminalRun(const TerminalRun&) = delete;
    TerminalRun& operator=(const TerminalRun&) = delete;

    bool started() const { return child > 0 && sameTerminal >= 0; }

    void type(const std::string& keys) {
        ASSERT_EQ(::write(terminal, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    // Waits until TEXT appears in what the program writes after the last text waited for.
    ::testing::AssertionResult waitFor(const std::string& text) {
        const Clock::time_point end = Clock::now() + deadline;
        for (;;) {
            const std::size_t found = shown.find(text, seen);
            if (found != std::string::npos) {
                seen = found + text.size();
                return ::testing::AssertionSuccess();
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            if (left.count() <= 0 || !readSome(static_cast<int>(left.count())))
                return ::testing::AssertionFailure()
                       << "\"" << text << "\" did not appear; after the last step the terminal showed:\n"
                       << shown.substr(seen);
        }
    }

    // Waits for the prompt, then until the line editor has put the terminal in its own mode, where it
    // reads every key itself.
    ::testing::AssertionResult waitForPrompt() {
        if (::testing::AssertionResult shown = waitFor("> "); !shown) return shown;
        const Clock::time_point end = Clock::now() + deadline;
        termios mode{};
        while (::tcgetattr(sameTerminal, &mode) == 0 && (mode.c_lflag & ICANON) != 0) {
            if (Clock::now() >= end)
                return ::testing::AssertionFailure() << "the editor never took the terminal";
            readSome(1);
        }
        return ::testing::AssertionSuccess();
    }

    // Waits until the line editor has given the terminal back: the line typed is being run.
    ::testing::AssertionResult waitForCommand() {
        const Clock::time_point end = Clock::now() + deadline;
        termios mode{};
        while (::tcgetattr(sameTerminal, &mode) == 0 && (mode.c_lflag & ICANON) == 0) {
            if (Clock::now() >= end)
                return ::testing::AssertionFailure() << "the editor never gave the terminal back";
            readSome(1);
        }
        return ::testing::AssertionSuccess();
    }

    void signal(int signalNumber) { ASSERT_EQ(::kill(child, signalNumber), 0); }

    // Waits until the program has a handler of its own for SIGNALNUMBER.
    ::testing::AssertionResult waitUntilCaught(int signalNumber) {
        return waitUntilStatus("caught", [&] { return hasSignal("SigCgt:", signalNumber); });
    }
    // Waits until a SIGNALNUMBER sent is no longer pending: a handler has taken it.
    ::testing::AssertionResult waitUntilTaken(int signalNumber) {
        return waitUntilStatus("taken", [&] {
            return !hasSignal("SigPnd:", signalNumber) && !hasSignal("ShdPnd:", signalNumber);
        });
    }

    // The exit status once the program ended, or -1 when it did not end in time.
    int exitStatus() {
        const Clock::time_point end = Clock::now() + deadline;
        int status = 0;
        while (Clock::now() < end) {
            const pid_t done = ::waitpid(child, &status, WNOHANG);
            if (done == child) {
                ended = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            // Keeps the terminal drained, so that the program never waits to write.
            readSome(100);
        }
        return -1;
    }

private:
    // Whether the mask of /proc/PID/status's line starting with FIELD holds SIGNALNUMBER.
    bool hasSignal(const std::string& field, int signalNumber) const {
        std::ifstream status("/proc/" + std::to_string(child) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.compare(0, field.size(), field) == 0)
                return (std::stoull(line.substr(field.size()), nullptr, 16) >> (signalNumber - 1) & 1) != 0;
        return false;
    }

    template <typename Condition>
    ::testing::AssertionResult waitUntilStatus(const char* what, Condition condition) {
        const Clock::time_point end = Clock::now() + deadline;
        while (!condition()) {
            if (Clock::now() >= end) return ::testing::AssertionFailure() << "the signal was never " << what;
            readSome(1);
        }
        return ::testing::AssertionSuccess();
    }

    // Adds what the program writes within MILLISECONDS; false when nothing came in that time or nothing
    // more can come (the program ended and the terminal closed).
    bool readSome(int milliseconds) {
        pollfd ready{terminal, POLLIN, 0};
        if (::poll(&ready, 1, milliseconds) <= 0) return false;
        char buffer[4096];
        const ssize_t got = ::read(terminal, buffer, sizeof buffer);
        if (got <= 0) return false;
        shown.append(buffer, static_cast<std::size_t>(got));
        return true;
    }

    int terminal = -1;
    // The program's side of the terminal, whose mode says whether the line editor reads the keys.
    int sameTerminal = -1;
    pid_t child = -1;
    bool ended = false;
    std::string shown;
    std::size_t seen = 0;
};

class ConsoleAtATerminal : public output_test::FolderTest {};

TEST_F(ConsoleAtATerminal, CompletesRecallsAndKeepsTheHistoryAndSettingsForTheNextRun) {
    {
        TerminalRun run(folder.u8string(), {"--config", "settings.cfg"});
        ASSERT_TRUE(run.started());
        ASSERT_TRUE(run.waitForPrompt());
        run.type("cva\t\r");
        ASSERT_TRUE(run.waitFor("idealAccuracy = 0.7  default \"0.7\""));
        ASSERT_TRUE(run.waitForPrompt());
        run.type(std::string(upArrow) + "\r");
        ASSERT_TRUE(run.waitFor("idealAccuracy = 0.7  default \"0.7\"")) << "the listing again";
        ASSERT_TRUE(run.waitForPrompt());
        run.type("idealAcc\t0.65\r");
        // The prompt after the value, not one the editor drew again while completing.
        ASSERT_TRUE(run.waitFor("0.65"));
        ASSERT_TRUE(run.waitForPrompt());
        run.type("idealAccuracy\r");
        ASSERT_TRUE(run.waitFor("idealAccuracy = 0.65"));
        ASSERT_TRUE(run.waitForPrompt());
        run.type(endOfInput);
        EXPECT_EQ(run.exitStatus(), 0);
    }
    EXPECT_EQ(contents("settings.cfg.history"), "cvars\nidealAccuracy 0.65\nidealAccuracy\n");
    EXPECT_NE(contents("settings.cfg").find("\nidealAccuracy 0.65\n"), std::string::npos);

    TerminalRun next(folder.u8string(), {"--config", "settings.cfg"});
    ASSERT_TRUE(next.started());
    ASSERT_TRUE(next.waitForPrompt());
    next.type(std::string(upArrow) + upArrow + upArrow + "\r");
    ASSERT_TRUE(next.waitFor("idealAccuracy = 0.65  default \"0.7\"")) << "the last run's line and value";
    ASSERT_TRUE(next.waitForPrompt());
    next.type(endOfInput);
    EXPECT_EQ(next.exitStatus(), 0);
    EXPECT_EQ(contents("settings.cfg.history"), "cvars\nidealAccuracy 0.65\nidealAccuracy\ncvars\n");
}

// Two consoles sharing one settings file, each started before the other ended: the one that ends
// last keeps what the first changed, in the settings and in the history.
TEST_F(ConsoleAtATerminal, TwoRunsSharingTheFilesKeepBothTheirChanges) {
    writeFile("settings.cfg", "idealAccuracy 0.6\nslowMoMaxSpeed 150\n");
    writeFile("settings.cfg.history", "cvars\n");
    TerminalRun first(folder.u8string(), {"--config", "settings.cfg"});
    TerminalRun second(folder.u8string(), {"--config", "settings.cfg"});
    ASSERT_TRUE(first.started() && second.started());
    ASSERT_TRUE(first.waitForPrompt());
    ASSERT_TRUE(second.waitForPrompt());
    first.type("idealAccuracy 0.65\r");
    ASSERT_TRUE(first.waitForPrompt());
    second.type("slowMoMaxSpeed 120\r");
    ASSERT_TRUE(second.waitForPrompt());
    second.type("idealAccuracy\r");
    ASSERT_TRUE(second.waitFor("idealAccuracy = 0.6\r\n")) << "its own value, not the first run's";
    ASSERT_TRUE(second.waitForPrompt());
    first.type(endOfInput);
    EXPECT_EQ(first.exitStatus(), 0);
    second.type(endOfInput);
    EXPECT_EQ(second.exitStatus(), 0);
    const std::string settings = contents("settings.cfg");
    EXPECT_NE(settings.find("\nidealAccuracy 0.65\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("\nslowMoMaxSpeed 120\n"), std::string::npos) << settings;
    EXPECT_EQ(contents("settings.cfg.history"),
              "cvars\nidealAccuracy 0.65\nslowMoMaxSpeed 120\nidealAccuracy\n");
}

TEST_F(ConsoleAtATerminal, ErrorsAreReportedAndTheConsoleGoesOn) {
    TerminalRun run(folder.u8string(), {});
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(run.waitForPrompt());
    run.type("nosuch\r");
    ASSERT_TRUE(run.waitFor("error: unknown command or variable \"nosuch\""));
    ASSERT_TRUE(run.waitForPrompt());
    run.type("slowMoEnabled\r");
    ASSERT_TRUE(run.waitFor("slowMoEnabled = 0"));
    ASSERT_TRUE(run.waitForPrompt());
    run.type(endOfInput);
    EXPECT_EQ(run.exitStatus(), 0);
    EXPECT_EQ(entries(), std::vector<std::string>{}) << "without --config nothing is written";
}

// Ctrl+C while a line is typed drops it, and while a command runs stops it; the session goes on, and
// quit ends it as the end of the input does, the dropped line neither run nor kept.
TEST_F(ConsoleAtATerminal, CtrlCDropsTheLineOrStopsTheCommandAndTheSessionGoesOn) {
    TerminalRun run(folder.u8string(), {"--config", "settings.cfg"});
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(run.waitForPrompt());
    run.type("idealAccuracy 0.9");
    ASSERT_TRUE(run.waitFor("idealAccuracy 0.9"));
    run.type(interrupt);
    ASSERT_TRUE(run.waitFor("^C\r\n"));
    ASSERT_TRUE(run.waitForPrompt());
    run.type("idealAccuracy\r");
    ASSERT_TRUE(run.waitFor("idealAccuracy = 0.7\r\n")) << "the line dropped was not run";
    ASSERT_TRUE(run.waitForPrompt());
    run.type("frame 1000000\r");
    ASSERT_TRUE(run.waitForCommand());
    run.type(interrupt);
    ASSERT_TRUE(run.waitFor("error: stopped after "));
    ASSERT_TRUE(run.waitFor(" of 1000000 frames"));
    ASSERT_TRUE(run.waitForPrompt());
    run.type("idealAccuracy 0.66\r");
    ASSERT_TRUE(run.waitForPrompt());
    run.type("quit\r");
    EXPECT_EQ(run.exitStatus(), 0);
    EXPECT_NE(contents("settings.cfg").find("\nidealAccuracy 0.66\n"), std::string::npos);
    EXPECT_EQ(contents("settings.cfg.history"), "idealAccuracy\nframe 1000000\nidealAccuracy 0.66\nquit\n");
}

TEST_F(ConsoleAtATerminal, ExitEndsTheSessionWritingTheSettings) {
    TerminalRun run(folder.u8string(), {"--config", "settings.cfg"});
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(run.waitForPrompt());
    run.type("idealAccuracy 0.62\r");
    ASSERT_TRUE(run.waitForPrompt());
    run.type("exit\r");
    EXPECT_EQ(run.exitStatus(), 0);
    EXPECT_NE(contents("settings.cfg").find("\nidealAccuracy 0.62\n"), std::string::npos);
    EXPECT_EQ(contents("settings.cfg.history"), "idealAccuracy 0.62\nexit\n");
}

// A signal that ends the run, while the console waits for a key or while a command runs, writes what
// was changed before it and ends with the status a shell gives for that signal.
TEST_F(ConsoleAtATerminal, SigtermAndSighupWriteTheSettingsChangedBeforeThem) {
    struct Case {
        int signalNumber;
        bool whileACommandRuns;
    };
    for (const Case& signalCase : {Case{SIGTERM, false}, Case{SIGHUP, false}, Case{SIGTERM, true}}) {
        SCOPED_TRACE(::strsignal(signalCase.signalNumber) +
                     std::string(signalCase.whileACommandRuns ? " while a command runs" : " at the prompt"));
        std::filesystem::remove(folder / "settings.cfg");
        std::filesystem::remove(folder / "settings.cfg.history");
        TerminalRun run(folder.u8string(), {"--config", "settings.cfg"});
        ASSERT_TRUE(run.started());
        ASSERT_TRUE(run.waitForPrompt());
        run.type("idealAccuracy 0.61\r");
        ASSERT_TRUE(run.waitForPrompt());
        if (signalCase.whileACommandRuns) {
            run.type("frame 1000000\r");
            ASSERT_TRUE(run.waitForCommand());
        } else {
            run.type("slowMo");
            ASSERT_TRUE(run.waitFor("slowMo"));
        }
        run.signal(signalCase.signalNumber);
        EXPECT_EQ(run.exitStatus(), 128 + signalCase.signalNumber);
        EXPECT_NE(contents("settings.cfg").find("\nidealAccuracy 0.61\n"), std::string::npos);
        EXPECT_EQ(contents("settings.cfg.history"), signalCase.whileACommandRuns
                                                        ? "idealAccuracy 0.61\nframe 1000000\n"
                                                        : "idealAccuracy 0.61\n");
    }
}

// A plugin that never returns from onLoad cannot keep the run from ending: the first SIGTERM is held
// for the console, which never gets to take it, and a second one ends the process at once, writing
// nothing.
TEST_F(ConsoleAtATerminal, ASecondSigtermEndsARunThatHangs) {
    const std::string hanging = kadenzo::sim::test::brokenModule("validate-broken-hang-in-onload");
    TerminalRun run(folder.u8string(), {"--config", "settings.cfg", "--plugin", hanging});
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(run.waitUntilCaught(SIGTERM)) << "requests are held before the plugin loads";
    run.signal(SIGTERM);
    ASSERT_TRUE(run.waitUntilTaken(SIGTERM));
    run.signal(SIGTERM);
    EXPECT_EQ(run.exitStatus(), 128 + SIGTERM);
    EXPECT_EQ(entries(), std::vector<std::string>{}) << "no settings written";
}

} // namespace
