// The line protocol between a check's process and the runner (check_runner.h), both sides.
//
// The runner hands the check's process a token on its standard input: a fresh random one for each check,
// which the process reads before any plugin code is loaded. The process answers on its standard output,
// one line per message, each line's text escaped (backslash as \\, a line end as \n, a carriage return
// as \r, any other control byte as \xNN):
//     report TOKEN TEXT        a line the check reported, sent as soon as it is reported
//     result TOKEN PASS        the check passed
//     result TOKEN FAIL TEXT   the check failed, TEXT saying why (one line)
// and then exits with the status the token gives (confirmingStatus). Lines without the token are
// ignored. Rationale: a plugin runs inside the check's process and may write to any descriptor there;
// without the token, which it never sees, and the exit status that goes with it, nothing it writes can
// pass for a result.
//
// Index of this file:
// - Tokens
// - The check's side: ResultSender
// - The runner's side: AnswerReader, KeptOutput
#pragma once

#include "validate/check_runner.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kadenzo::validate {

// ---- Tokens ------------------------------------------------------------------------------------

// 32 random hexadecimal digits from the system's source of randomness.
std::string newToken();

// The exit status that confirms a result sent with TOKEN: from 3 to 102, never 0, 1, 2 or 127, the
// statuses a process gives by accident.
int confirmingStatus(const std::string& token);

// ---- The check's side --------------------------------------------------------------------------

// A verdict as sent: PASS, or FAIL with one line of why.
struct SentVerdict {
    Outcome outcome = Outcome::pass;
    std::string reason;
};

// Writes a check's messages to OUT, each flushed at once.
class ResultSender {
public:
    ResultSender(std::FILE* out, std::string token);
    void report(const std::string& text) const;
    void result(const SentVerdict& verdict) const;

private:
    void send(std::string_view tag, std::string_view rest) const;

    std::FILE* out;
    std::string token;
};

// ---- The runner's side -------------------------------------------------------------------------

// The longest line kept; a longer one is no message and is dropped.
constexpr std::size_t longestMessageBytes = 1 << 20;
// The most report text kept of one check; what comes after is dropped and counted.
constexpr std::size_t mostReportBytes = 16 << 20;

// Reads a check's answer as its bytes arrive, keeping only its messages (those with TOKEN), so that its
// memory stays bounded whatever the process writes.
class AnswerReader {
public:
    explicit AnswerReader(std::string token);
    void feed(std::string_view bytes);
    // Takes a last line without a line end.
    void finish();

    const std::vector<std::string>& reports() const { return reportLines; }
    const std::optional<SentVerdict>& verdict() const { return sent; }
    std::uint64_t droppedReportBytes() const { return dropped; }

private:
    void take(std::string_view line);

    std::string reportTag;
    std::string resultTag;
    std::string partial;
    bool overlong = false;
    std::vector<std::string> reportLines;
    std::size_t reportBytes = 0;
    std::uint64_t dropped = 0;
    std::optional<SentVerdict> sent;
};

// The most of a check's other output (its standard error, and what it writes to standard output once
// it runs) kept; the rest is read and dropped.
constexpr std::size_t mostOutputBytes = 1 << 20;

// The first mostOutputBytes of what it is fed, and a count of the rest.
class KeptOutput {
public:
    void feed(std::string_view bytes);
    const std::string& text() const { return kept; }
    std::uint64_t droppedBytes() const { return dropped; }

private:
    std::string kept;
    std::uint64_t dropped = 0;
};

} // namespace kadenzo::validate
