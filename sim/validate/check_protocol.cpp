// The line protocol between a check's process and the runner (check_protocol.h).
//
// Index of this file:
// - Escaping
// - Tokens
// - ResultSender
// - AnswerReader, KeptOutput
#include "validate/check_protocol.h"

#include <fmt/format.h>

#include <algorithm>
#include <random>
#include <utility>

namespace kadenzo::validate {

// ---- Escaping ----------------------------------------------------------------------------------

namespace {

constexpr std::string_view passWord = "PASS";
constexpr std::string_view failWord = "FAIL ";

std::string escaped(std::string_view text) {
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

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

} // namespace

// ---- Tokens ------------------------------------------------------------------------------------

std::string newToken() {
    std::random_device device;
    std::string token;
    for (int word = 0; word < 4; ++word)
        token += fmt::format("{:08x}", static_cast<std::uint32_t>(device()));
    return token;
}

int confirmingStatus(const std::string& token) {
    unsigned sum = 0;
    for (const char character : token)
        sum = sum * 31 + static_cast<unsigned char>(character);
    return 3 + static_cast<int>(sum % 100);
}

// ---- ResultSender ------------------------------------------------------------------------------

ResultSender::ResultSender(std::FILE* out, std::string token) : out(out), token(std::move(token)) {}

void ResultSender::report(const std::string& text) const {
    send("report", escaped(text));
}

void ResultSender::result(const SentVerdict& verdict) const {
    if (verdict.outcome == Outcome::pass)
        send("result", passWord);
    else
        send("result", std::string(failWord) + escaped(verdict.reason));
}

void ResultSender::send(std::string_view tag, std::string_view rest) const {
    const std::string line = fmt::format("{} {} {}\n", tag, token, rest);
    std::fwrite(line.data(), 1, line.size(), out);
    std::fflush(out);
}

// ---- AnswerReader, KeptOutput ------------------------------------------------------------------

AnswerReader::AnswerReader(std::string token)
    : reportTag("report " + token + " "), resultTag("result " + token + " ") {}

void AnswerReader::feed(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (!overlong && partial.size() + piece.size() <= longestMessageBytes) {
            partial.append(piece);
        } else {
            overlong = true;
            partial.clear();
        }
        if (end == std::string_view::npos) return;
        if (!overlong) take(partial);
        partial.clear();
        overlong = false;
        bytes.remove_prefix(end + 1);
    }
}

void AnswerReader::finish() {
    if (!overlong && !partial.empty()) take(partial);
    partial.clear();
    overlong = false;
}

void AnswerReader::take(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (startsWith(line, reportTag)) {
        std::string text = unescaped(line.substr(reportTag.size()));
        if (reportBytes + text.size() > mostReportBytes) {
            dropped += text.size();
            return;
        }
        reportBytes += text.size();
        reportLines.push_back(std::move(text));
    } else if (startsWith(line, resultTag)) {
        const std::string_view word = line.substr(resultTag.size());
        if (word == passWord)
            sent = SentVerdict{};
        else if (startsWith(word, failWord))
            sent = SentVerdict{Outcome::fail, unescaped(word.substr(failWord.size()))};
    }
}

void KeptOutput::feed(std::string_view bytes) {
    const std::size_t room = mostOutputBytes - std::min(kept.size(), mostOutputBytes);
    const std::size_t taken = std::min(room, bytes.size());
    kept.append(bytes.substr(0, taken));
    dropped += bytes.size() - taken;
}

} // namespace kadenzo::validate
