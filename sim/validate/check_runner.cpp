// Running checks in their own processes or in this one, and the line protocol between a check's process
// and the runner (check_runner.h).
//
// Index of this file:
// - Outcomes
// - One check in this process: the verdict
// - The check's process
// - One check in its own process
// - runChecks
#include "validate/check_runner.h"

#include "command_line.h"
#include "number_text.h"
#include "platform/child_process.h"
#include "validate/check_protocol.h"

#include <fmt/format.h>

#include <array>
#include <chrono>
#include <exception>
#include <optional>
#include <string_view>
#include <utility>

namespace kadenzo::validate {

// ---- Outcomes ----------------------------------------------------------------------------------

namespace {

constexpr std::array<const char*, 4> outcomeNames{"PASS", "FAIL", "CRASH", "TIMEOUT"};
static_assert(outcomeNames.size() == static_cast<std::size_t>(Outcome::timeout) + 1,
              "a name for each outcome");

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

CheckResult resultOf(const Check& check) {
    CheckResult result;
    result.name = check.name;
    result.random = check.random;
    return result;
}

} // namespace

const char* outcomeName(Outcome outcome) {
    return outcomeNames[static_cast<std::size_t>(outcome)];
}

// ---- One check in this process: the verdict ----------------------------------------------------

namespace {

struct Verdict {
    Outcome outcome = Outcome::pass;
    std::string reason;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// What the check threw, as one line of why; further lines of its message go to the reports.
std::optional<std::string> runCatching(const Check& check, CheckContext& context) {
    std::string message;
    try {
        check.run(context);
        return std::nullopt;
    } catch (const std::exception& exception) {
        message = exception.what();
    } catch (...) {
        message = "the check threw something that is not a std::exception";
    }
    if (message.empty()) message = "the check failed without saying why";
    const std::vector<std::string> lines = linesOf(message);
    for (std::size_t index = 1; index < lines.size(); ++index)
        context.report(lines[index]);
    return lines.front();
}

// Rationale: a call the host refused usually makes the check fail for a reason that follows from it
// (a variable missing); the broken rule is the cause, so it is the reason given.
Verdict judge(const Check& check, CheckContext& context) {
    const std::optional<std::string> thrown = runCatching(check, context);
    const std::vector<std::string> violations = context.contractViolations();
    if (!violations.empty()) {
        if (thrown) context.report("the check then failed: " + *thrown);
        return {Outcome::fail, fmt::format("the plugin broke the host's rules: {} ({} in all)",
                                           violations.front(), violations.size())};
    }
    if (thrown) return {Outcome::fail, *thrown};
    return {};
}

} // namespace

CheckResult runCheckHere(const Check& check, const std::string& modulePath, std::uint64_t seed) {
    CheckResult result = resultOf(check);
    const Clock::time_point start = Clock::now();
    CheckContext context(modulePath, seed);
    Verdict verdict = judge(check, context);
    result.seconds = secondsSince(start);
    result.outcome = verdict.outcome;
    result.reason = std::move(verdict.reason);
    result.reports = context.reports();
    return result;
}

// ---- The check's process -----------------------------------------------------------------------

int runCheckForParent(const Check& check, const std::string& modulePath, std::uint64_t seed,
                      std::FILE* results, const std::string& token) {
    const ResultSender sender(results, token);
    CheckContext context(modulePath, seed);
    context.setReportSink([&sender](const std::string& line) { sender.report(line); });
    const Verdict verdict = judge(check, context);
    sender.result(SentVerdict{verdict.outcome, verdict.reason});
    return confirmingStatus(token);
}

// ---- One check in its own process --------------------------------------------------------------

namespace {

std::string seconds(double value) {
    return shortestText(value) + " s";
}

// The result from how the process ended and what it said.
Verdict verdictOf(const platform::FinishedChild& child, const std::optional<SentVerdict>& sent,
                  double timeoutSeconds, int confirming) {
    const std::string said = sent ? fmt::format(" after its result ({})", outcomeName(sent->outcome)) : "";
    if (child.timedOut) return {Outcome::timeout, "no result after " + seconds(timeoutSeconds)};
    if (child.crash) return {Outcome::crash, *child.crash + said};
    if (!sent)
        return {Outcome::crash,
                fmt::format("its process ended with status {} before its result", child.exitStatus)};
    if (child.exitStatus != static_cast<unsigned long>(confirming))
        return {Outcome::crash, fmt::format("its process ended with status {}{}, not with the status {} "
                                            "that confirms it",
                                            child.exitStatus, said, confirming)};
    return {sent->outcome, sent->reason};
}

// Rationale: a process left behind is a fault of its own, but not the first one when the check already
// failed; it then follows the reason.
void judgeLeftBehind(std::size_t leftRunning, Verdict& verdict) {
    if (leftRunning == 0) return;
    const std::string left =
        fmt::format("{} {} it started {} still running when it ended (ended since)", leftRunning,
                    leftRunning == 1 ? "process" : "processes", leftRunning == 1 ? "was" : "were");
    if (verdict.outcome == Outcome::pass)
        verdict = {Outcome::fail, left};
    else
        verdict.reason += "; " + left;
}

platform::ChildRequest requestFor(const Check& check, const RunSettings& settings,
                                  const CheckProcessCommand& command, const std::string& token) {
    platform::ChildRequest request;
    request.program = command.program;
    request.arguments = command.leadingArguments;
    // "--" before the module, whose name may start with '-'.
    request.arguments.insert(request.arguments.end(),
                             {"--run-check", check.name, "--seed", std::to_string(settings.seed),
                              sim::endOfOptions, settings.modulePath});
    request.timeLimitSeconds = settings.timeoutSeconds;
    request.handed = token + "\n";
    return request;
}

CheckResult runInProcessOfItsOwn(const Check& check, const RunSettings& settings,
                                 const CheckProcessCommand& command) {
    CheckResult result = resultOf(check);
    const std::string token = newToken();
    AnswerReader answer(token);
    KeptOutput output;
    platform::ChildRequest request = requestFor(check, settings, command, token);
    request.onOutput = [&answer](std::string_view bytes) { answer.feed(bytes); };
    request.onError = [&output](std::string_view bytes) { output.feed(bytes); };
    const Clock::time_point start = Clock::now();
    try {
        const platform::FinishedChild child = platform::runChildProcess(request);
        answer.finish();
        Verdict verdict =
            verdictOf(child, answer.verdict(), settings.timeoutSeconds, confirmingStatus(token));
        judgeLeftBehind(child.leftRunning, verdict);
        result.outcome = verdict.outcome;
        result.reason = std::move(verdict.reason);
        result.reports = answer.reports();
        if (answer.droppedReportBytes() > 0)
            result.reports.push_back(fmt::format("({} bytes of reports dropped: at most {} are kept)",
                                                 answer.droppedReportBytes(), mostReportBytes));
    } catch (const platform::ChildProcessError& error) {
        result.outcome = Outcome::fail;
        result.reason = std::string("its process could not be started: ") + error.what();
    }
    result.seconds = secondsSince(start);
    result.output = output.text();
    result.outputDroppedBytes = output.droppedBytes();
    return result;
}

} // namespace

// ---- runChecks ---------------------------------------------------------------------------------

std::vector<CheckResult> runChecks(const std::vector<Check>& checks, const RunSettings& settings,
                                   const std::function<void(const CheckResult& result)>& finished) {
    std::vector<CheckResult> results;
    for (const Check& check : checks) {
        results.push_back(settings.processCommand
                              ? runInProcessOfItsOwn(check, settings, *settings.processCommand)
                              : runCheckHere(check, settings.modulePath, settings.seed));
        if (finished) finished(results.back());
    }
    return results;
}

} // namespace kadenzo::validate
