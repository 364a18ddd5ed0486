// Running checks in their own processes or in this one, and the line protocol between a check's process
// and the runner (check_runner.h).
//
// Index of this file:
// - Outcomes
// - One check in this process: the verdict
// - The protocol: escaping, writing, reading
// - One check in its own process
// - runChecks
#include "validate/check_runner.h"

#include "platform/child_process.h"

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

// ---- The protocol: escaping, writing, reading --------------------------------------------------

namespace {

constexpr std::string_view reportTag = "report ";
constexpr std::string_view passLine = "result PASS";
constexpr std::string_view failTag = "result FAIL ";

std::string escaped(const std::string& text) {
    std::string result;
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (character == '\\')
            result += "\\\\";
        else if (character == '\n')
            result += "\\n";
        else if (character == '\r')
            result += "\\r";
        else if (byte < 0x20 || byte == 0x7f)
            result += fmt::format("\\x{:02x}", byte);
        else
            result += character;
    }
    return result;
}

int hexDigit(char character) {
    if (character >= '0' && character <= '9') return character - '0';
    if (character >= 'a' && character <= 'f') return character - 'a' + 10;
    if (character >= 'A' && character <= 'F') return character - 'A' + 10;
    return -1;
}

std::string unescaped(std::string_view text) {
    std::string result;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char character = text[index];
        if (character != '\\' || index + 1 >= text.size()) {
            result += character;
            continue;
        }
        const char kind = text[++index];
        if (kind == 'n') {
            result += '\n';
        } else if (kind == 'r') {
            result += '\r';
        } else if (kind == 'x' && index + 2 < text.size() && hexDigit(text[index + 1]) >= 0 &&
                   hexDigit(text[index + 2]) >= 0) {
            result += static_cast<char>(hexDigit(text[index + 1]) * 16 + hexDigit(text[index + 2]));
            index += 2;
        } else {
            result += kind;
        }
    }
    return result;
}

void sendLine(std::FILE* out, std::string_view tag, const std::string& text) {
    const std::string line = std::string(tag) + escaped(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), out);
    std::fflush(out);
}

// What a check's process said: its report lines, and its result once it sent one.
struct Answer {
    std::vector<std::string> reports;
    std::optional<Verdict> verdict;
};

Answer readAnswer(const std::string& output) {
    Answer answer;
    for (const std::string& text : linesOf(output)) {
        std::string_view line = text;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.substr(0, reportTag.size()) == reportTag)
            answer.reports.push_back(unescaped(line.substr(reportTag.size())));
        else if (line == passLine)
            answer.verdict = Verdict{};
        else if (line.substr(0, failTag.size()) == failTag)
            answer.verdict = Verdict{Outcome::fail, unescaped(line.substr(failTag.size()))};
    }
    return answer;
}

} // namespace

void runCheckForParent(const Check& check, const std::string& modulePath, std::uint64_t seed,
                       std::FILE* out) {
    CheckContext context(modulePath, seed);
    context.setReportSink([out](const std::string& line) { sendLine(out, reportTag, line); });
    const Verdict verdict = judge(check, context);
    if (verdict.outcome == Outcome::pass)
        sendLine(out, passLine, "");
    else
        sendLine(out, failTag, verdict.reason);
}

// ---- One check in its own process --------------------------------------------------------------

namespace {

std::string seconds(double value) {
    return fmt::format("{} s", value);
}

// The result from how the process ended and what it said.
Verdict verdictOf(const platform::FinishedChild& child, const std::optional<Verdict>& sent,
                  double timeoutSeconds) {
    const std::string said = sent ? fmt::format(" after its result ({})", outcomeName(sent->outcome)) : "";
    if (child.timedOut) return {Outcome::timeout, "no result after " + seconds(timeoutSeconds)};
    if (child.crash) return {Outcome::crash, *child.crash + said};
    if (!sent)
        return {Outcome::crash,
                fmt::format("its process ended with status {} before its result", child.exitStatus)};
    if (child.exitStatus != 0)
        return {Outcome::crash, fmt::format("its process ended with status {}{}", child.exitStatus, said)};
    return *sent;
}

CheckResult runInProcessOfItsOwn(const Check& check, const RunSettings& settings,
                                 const CheckProcessCommand& command) {
    CheckResult result = resultOf(check);
    std::vector<std::string> arguments = command.leadingArguments;
    arguments.insert(arguments.end(), {"--run-check", check.name, "--seed", std::to_string(settings.seed),
                                       settings.modulePath});
    const Clock::time_point start = Clock::now();
    try {
        const platform::FinishedChild child =
            platform::runChildProcess(command.program, arguments, settings.timeoutSeconds);
        Answer answer = readAnswer(child.output);
        Verdict verdict = verdictOf(child, answer.verdict, settings.timeoutSeconds);
        result.outcome = verdict.outcome;
        result.reason = std::move(verdict.reason);
        result.reports = std::move(answer.reports);
    } catch (const platform::ChildProcessError& error) {
        result.outcome = Outcome::fail;
        result.reason = std::string("its process could not be started: ") + error.what();
    }
    result.seconds = secondsSince(start);
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
