// The patterns of `validate --include` and `--exclude`: a subset of ECMAScript's regular expressions,
// matched anywhere in a check's name in time linear in the name's length, whatever the pattern.
// Rationale: a backtracking matcher takes exponential time on patterns such as (.*)*x$; this one runs
// the pattern as a set of states stepped together over the name (Thompson's construction), so no
// pattern can make a run hang.
//
// What a pattern may hold, and what is refused, is said once, in `validate --help` (validateHelp in
// validate_options.cpp). Refusals name the cause and the position (counting from 1). Besides, a pattern
// whose counts spell out more than largestProgram steps, or with groups nested deeper than 100, is
// refused.
//
// Index of this file:
// - PatternError, the limits
// - CheckPattern
#pragma once

#include <bitset>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kadenzo::validate {

// ---- PatternError, the limits ------------------------------------------------------------------

// A pattern that is refused; the message names the cause and its position, as in
// "'*' at position 1 has nothing to repeat".
class PatternError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr unsigned largestCount = 1000;
constexpr std::size_t largestProgram = 100000;

// ---- CheckPattern ------------------------------------------------------------------------------

class CheckPattern {
public:
    // Throws PatternError.
    explicit CheckPattern(std::string_view text);

    // True when the pattern matches somewhere in NAME.
    bool foundIn(std::string_view name) const;

    // One step of the program; public for the compiler in the source file only.
    enum class Op { bytes, split, jump, lineStart, lineEnd, wordEdge, notWordEdge, match };
    struct Step {
        Op op;
        std::size_t first = 0;  // the class of bytes; the target of jump; split's first choice
        std::size_t second = 0; // split's second choice
    };

private:
    std::vector<Step> program;
    std::vector<std::bitset<256>> classes;
};

} // namespace kadenzo::validate
