// The texts of `kadenzo-sim validate`'s results: progress lines, table, summary, the command that repeats a
// failure, JUnit XML and JSON.
//
// Index of this file:
// - Text: shell quoting, regular expressions
// - What the terminal shows
// - JUnit XML
// - JSON
#include "validate/validation_report.h"

#include "command_line.h"
#include "platform/terminal_text.h"
#include "validate/check_protocol.h"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string_view>

namespace kadenzo::validate {

// ---- Text: shell quoting, regular expressions ---------------------------------------------------

namespace {

bool isShellSafe(char character) {
    return std::isalnum(static_cast<unsigned char>(character)) ||
           std::string_view("@%+=:,./_-").find(character) != std::string_view::npos;
}

std::string regexLiteral(const std::string& text) {
    std::string result;
    for (const char character : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(character) != std::string_view::npos) result += '\\';
        result += character;
    }
    return result;
}

} // namespace

std::string shellQuoted(const std::string& text) {
    if (!text.empty() && std::all_of(text.begin(), text.end(), isShellSafe)) return text;
    std::string result = "'";
    for (const char character : text)
        result += character == '\'' ? std::string("'\\''") : std::string(1, character);
    return result + "'";
}

std::string repeatCommand(const std::string& name, std::uint64_t seed, const std::string& modulePath) {
    // A module whose name starts with '-' follows the "--" that ends the options.
    return fmt::format(
        "kadenzo-sim validate --include {} --seed {} {}{}", shellQuoted("^" + regexLiteral(name) + "$"), seed,
        modulePath.rfind('-', 0) == 0 ? std::string(sim::endOfOptions) + " " : "", shellQuoted(modulePath));
}

// ---- What the terminal shows -------------------------------------------------------------------

namespace {

constexpr const char* reportIndent = "        ";

bool failed(const CheckResult& result) {
    return result.outcome != Outcome::pass;
}

std::size_t countOf(const std::vector<CheckResult>& results, Outcome outcome) {
    return static_cast<std::size_t>(
        std::count_if(results.begin(), results.end(),
                      [&](const CheckResult& result) { return result.outcome == outcome; }));
}

std::string why(const CheckResult& result) {
    return result.reason.empty() ? "" : "  " + platform::terminalText(result.reason);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string droppedNote(const CheckResult& result) {
    return fmt::format("({} more bytes of output dropped: the first {} are kept)", result.outputDroppedBytes,
                       mostOutputBytes);
}

// Rationale: the terminal shows the start of the output only; the result files hold all that was kept.
constexpr std::size_t shownOutputLines = 20;
constexpr std::size_t shownOutputLineBytes = 300;

// The process's output beneath the reports, each line marked as output.
std::string outputLines(const CheckResult& result) {
    const std::string mark = std::string(reportIndent) + "output: ";
    const std::vector<std::string> lines = linesOf(result.output);
    std::string text;
    for (std::size_t index = 0; index < std::min(lines.size(), shownOutputLines); ++index) {
        const std::string& line = lines[index];
        text += mark + platform::terminalText(line.substr(0, shownOutputLineBytes)) +
                (line.size() > shownOutputLineBytes
                     ? fmt::format(" ({} more bytes)", line.size() - shownOutputLineBytes)
                     : "") +
                "\n";
    }
    if (lines.size() > shownOutputLines)
        text +=
            mark +
            fmt::format("({} more lines; --json and --junit keep them)", lines.size() - shownOutputLines) +
            "\n";
    if (result.outputDroppedBytes > 0) text += mark + droppedNote(result) + "\n";
    return text;
}

} // namespace

std::size_t longestName(const std::vector<Check>& checks) {
    std::size_t longest = 0;
    for (const Check& check : checks)
        longest = std::max(longest, std::string_view(check.name).size());
    return longest;
}

std::string progressLines(const CheckResult& result, std::size_t number, std::size_t count,
                          std::size_t nameWidth, const RunDescription& run) {
    const std::size_t numberWidth = std::to_string(count).size();
    std::string text =
        fmt::format("[{:>{}}/{}] {:<{}}  {:<7}  {:>6.2f} s{}\n", number, numberWidth, count, result.name,
                    nameWidth, outcomeName(result.outcome), result.seconds, why(result));
    for (const std::string& line : result.reports)
        text += reportIndent + platform::terminalText(line) + "\n";
    text += outputLines(result);
    if (failed(result) && result.random)
        text += std::string(reportIndent) +
                "repeat: " + platform::terminalText(repeatCommand(result.name, run.seed, run.modulePath)) +
                "\n";
    return text;
}

std::string resultTable(const std::vector<CheckResult>& results) {
    std::size_t nameWidth = std::string_view("check").size();
    for (const CheckResult& result : results)
        nameWidth = std::max(nameWidth, result.name.size());
    std::string table =
        fmt::format("{:<{}}  {:<7}  {:>8}  {}\n", "check", nameWidth, "result", "time", "why");
    for (const CheckResult& result : results)
        table += fmt::format("{:<{}}  {:<7}  {:>6.2f} s{}\n", result.name, nameWidth,
                             outcomeName(result.outcome), result.seconds, why(result));
    return table;
}

std::string summaryLine(const std::vector<CheckResult>& results) {
    const double seconds =
        std::accumulate(results.begin(), results.end(), 0.0,
                        [](double sum, const CheckResult& result) { return sum + result.seconds; });
    return fmt::format("{} {}: {} passed, {} failed, {} crashed, {} timed out in {:.2f} s", results.size(),
                       results.size() == 1 ? "check" : "checks", countOf(results, Outcome::pass),
                       countOf(results, Outcome::fail), countOf(results, Outcome::crash),
                       countOf(results, Outcome::timeout), seconds);
}

// ---- JUnit XML ---------------------------------------------------------------------------------

namespace {

enum class XmlPlace { text, attribute };

// Rationale: XML 1.0 admits no control character but tab, line feed and carriage return, not even as a
// character reference, nor U+FFFE and U+FFFF; those are written as \xNN, as bytes that are no UTF-8 are.
std::string xmlEscaped(const std::string& raw, XmlPlace place) {
    std::string text = platform::validUtf8(raw);
    std::string result;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char character = text[index];
        const auto byte = static_cast<unsigned char>(character);
        if (text.compare(index, 3, "\xEF\xBF\xBE") == 0 || text.compare(index, 3, "\xEF\xBF\xBF") == 0) {
            result += platform::escapedBytes(std::string_view(text).substr(index, 3));
            index += 2;
        } else if (character == '&') {
            result += "&amp;";
        } else if (character == '<') {
            result += "&lt;";
        } else if (character == '>') {
            result += "&gt;";
        } else if (character == '"') {
            result += "&quot;";
        } else if (character == '\'') {
            result += "&apos;";
        } else if (character == '\n' || character == '\r' || character == '\t') {
            result += place == XmlPlace::attribute ? fmt::format("&#{};", static_cast<int>(byte))
                                                   : std::string(1, character);
        } else if (byte < 0x20) {
            result += platform::escapedBytes(std::string_view(&text[index], 1));
        } else {
            result += character;
        }
    }
    return result;
}

std::string attribute(const char* name, const std::string& value) {
    return fmt::format(" {}=\"{}\"", name, xmlEscaped(value, XmlPlace::attribute));
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

// The group a check belongs to, from its name: "validate.record" for "record.layout".
std::string className(const std::string& name) {
    return "validate." + name.substr(0, name.find('.'));
}

std::string junitCase(const CheckResult& result, const RunDescription& run) {
    std::string text = "  <testcase" + attribute("classname", className(result.name)) +
                       attribute("name", result.name) +
                       attribute("time", fmt::format("{:.3f}", result.seconds));
    std::vector<std::string> body = result.reports;
    if (failed(result) && result.random)
        body.push_back("repeat: " + repeatCommand(result.name, run.seed, run.modulePath));
    if (failed(result)) body.insert(body.begin(), result.reason);
    std::string output = result.output;
    if (result.outputDroppedBytes > 0)
        output += (output.empty() || output.back() == '\n' ? "" : "\n") + droppedNote(result);
    const std::string systemErr =
        output.empty() ? "" : "    <system-err>" + xmlEscaped(output, XmlPlace::text) + "</system-err>\n";
    if (failed(result))
        return text + ">\n    <failure" + attribute("message", result.reason) +
               attribute("type", outcomeName(result.outcome)) + ">" +
               xmlEscaped(joinedLines(body), XmlPlace::text) + "</failure>\n" + systemErr + "  </testcase>\n";
    if (body.empty() && systemErr.empty()) return text + "/>\n";
    const std::string systemOut =
        body.empty() ? ""
                     : "    <system-out>" + xmlEscaped(joinedLines(body), XmlPlace::text) + "</system-out>\n";
    return text + ">\n" + systemOut + systemErr + "  </testcase>\n";
}

} // namespace

std::string junitXml(const std::vector<CheckResult>& results, const RunDescription& run) {
    const double seconds =
        std::accumulate(results.begin(), results.end(), 0.0,
                        [](double sum, const CheckResult& result) { return sum + result.seconds; });
    const std::size_t failures = results.size() - countOf(results, Outcome::pass);
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuite" +
                       attribute("name", "kadenzo-sim validate") +
                       attribute("tests", std::to_string(results.size())) +
                       attribute("failures", std::to_string(failures)) + attribute("errors", "0") +
                       attribute("skipped", "0") + attribute("time", fmt::format("{:.3f}", seconds)) + ">\n";
    text += "  <properties>\n    <property" + attribute("name", "module") +
            attribute("value", run.modulePath) + "/>\n    <property" + attribute("name", "seed") +
            attribute("value", std::to_string(run.seed)) + "/>\n  </properties>\n";
    for (const CheckResult& result : results)
        text += junitCase(result, run);
    return text + "</testsuite>\n";
}

// ---- JSON --------------------------------------------------------------------------------------

namespace {

std::string jsonString(const std::string& raw) {
    std::string result = "\"";
    for (const char character : platform::validUtf8(raw)) {
        const auto byte = static_cast<unsigned char>(character);
        switch (character) {
        case '"':
            result += "\\\"";
            break;
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\b':
            result += "\\b";
            break;
        case '\f':
            result += "\\f";
            break;
        default:
            result += byte < 0x20 ? fmt::format("\\u{:04x}", byte) : std::string(1, character);
        }
    }
    return result + "\"";
}

std::string jsonCheck(const CheckResult& result) {
    std::string reports;
    for (const std::string& line : result.reports)
        reports += (reports.empty() ? "\n        " : ",\n        ") + jsonString(line);
    if (!reports.empty()) reports += "\n      ";
    return fmt::format("    {{\n      \"name\": {},\n      \"result\": \"{}\",\n      \"seconds\": {:.3f},\n"
                       "      \"reason\": {},\n      \"reports\": [{}],\n      \"output\": {},\n"
                       "      \"outputDroppedBytes\": {}\n    }}",
                       jsonString(result.name), outcomeName(result.outcome), result.seconds,
                       jsonString(result.reason), reports, jsonString(result.output),
                       result.outputDroppedBytes);
}

} // namespace

std::string resultsJson(const std::vector<CheckResult>& results, const RunDescription& run) {
    std::string checks;
    for (const CheckResult& result : results)
        checks += (checks.empty() ? "\n" : ",\n") + jsonCheck(result);
    return fmt::format("{{\n  \"module\": {},\n  \"seed\": {},\n  \"checks\": [{}\n  ]\n}}\n",
                       jsonString(run.modulePath), run.seed, checks);
}

} // namespace kadenzo::validate
