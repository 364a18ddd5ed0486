// Patterns of `validate --include/--exclude` (check_pattern.h): parsed into a tree, compiled into a
// program of steps, and run over a name with every live state stepped together.
//
// Index of this file:
// - Errors and classes of bytes
// - The tree and its parser
// - Compiling the tree into steps
// - Running the steps over a name
#include "validate/check_pattern.h"

#include "platform/terminal_text.h"

#include <fmt/format.h>

#include <memory>
#include <optional>
#include <utility>

namespace kadenzo::validate {

namespace {

// ---- Errors and classes of bytes ---------------------------------------------------------------

using Bytes = std::bitset<256>;

[[noreturn]] void refuse(const std::string& what, std::size_t index, const std::string& why) {
    throw PatternError(fmt::format("{} at position {} {}", what, index + 1, why));
}

// One byte of a pattern in quotes; alone, a byte from 0x80 up is no UTF-8, so it is shown as \xNN, as a
// control byte is.
std::string shown(char character) {
    return "'" + platform::terminalText(std::string(1, character)) + "'";
}

Bytes range(unsigned char low, unsigned char high) {
    Bytes bytes;
    for (unsigned byte = low; byte <= high; ++byte)
        bytes.set(byte);
    return bytes;
}

Bytes single(unsigned char byte) {
    Bytes bytes;
    bytes.set(byte);
    return bytes;
}

Bytes digits() {
    return range('0', '9');
}

Bytes wordCharacters() {
    return range('a', 'z') | range('A', 'Z') | digits() | single('_');
}

Bytes spaces() {
    return single(' ') | single('\t') | single('\n') | single('\r') | single('\v') | single('\f');
}

bool isWordByte(unsigned char byte) {
    return wordCharacters().test(byte);
}

bool isHex(char character) {
    return (character >= '0' && character <= '9') || (character >= 'a' && character <= 'f') ||
           (character >= 'A' && character <= 'F');
}

int hexValue(char character) {
    if (character >= 'a') return character - 'a' + 10;
    if (character >= 'A') return character - 'A' + 10;
    return character - '0';
}

bool isDigit(char character) {
    return character >= '0' && character <= '9';
}

bool isPunctuation(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return byte > 0x20 && byte < 0x7f && !isDigit(character) && !isWordByte(byte);
}

// ---- The tree and its parser -------------------------------------------------------------------

enum class Kind { bytes, anchor, sequence, choice, repeat };

struct Node {
    Kind kind = Kind::sequence;
    Bytes bytes;                                       // bytes
    CheckPattern::Op anchor = CheckPattern::Op::match; // anchor
    std::vector<std::unique_ptr<Node>> parts;          // sequence, choice; repeat: the one repeated
    unsigned least = 0;                                // repeat
    std::optional<unsigned> most;                      // repeat; nothing: no limit
};

std::unique_ptr<Node> bytesNode(const Bytes& bytes) {
    auto node = std::make_unique<Node>();
    node->kind = Kind::bytes;
    node->bytes = bytes;
    return node;
}

std::unique_ptr<Node> anchorNode(CheckPattern::Op op) {
    auto node = std::make_unique<Node>();
    node->kind = Kind::anchor;
    node->anchor = op;
    return node;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text(text) {}

    std::unique_ptr<Node> parseWhole() {
        std::unique_ptr<Node> node = parseChoice();
        if (index < text.size()) refuse("')'", index, "closes no group");
        return node;
    }

private:
    bool atEnd() const { return index >= text.size(); }
    char peek() const { return text[index]; }

    std::unique_ptr<Node> parseChoice() {
        auto choice = std::make_unique<Node>();
        choice->kind = Kind::choice;
        choice->parts.push_back(parseSequence());
        while (!atEnd() && peek() == '|') {
            ++index;
            choice->parts.push_back(parseSequence());
        }
        if (choice->parts.size() == 1) return std::move(choice->parts.front());
        return choice;
    }

    std::unique_ptr<Node> parseSequence() {
        auto sequence = std::make_unique<Node>();
        sequence->kind = Kind::sequence;
        while (!atEnd() && peek() != '|' && peek() != ')') {
            if (isRepeatStart(peek())) refuse(fmt::format("'{}'", peek()), index, "has nothing to repeat");
            const std::size_t start = index;
            std::unique_ptr<Node> atom = parseAtom();
            if (!atEnd() && isRepeatStart(peek())) {
                if (atom->kind == Kind::anchor)
                    refuse(fmt::format("'{}'", peek()), index,
                           fmt::format("repeats the anchor '{}', which matches no character",
                                       text.substr(start, index - start)));
                atom = parseRepeat(std::move(atom));
            }
            sequence->parts.push_back(std::move(atom));
        }
        return sequence;
    }

    static bool isRepeatStart(char character) {
        return character == '*' || character == '+' || character == '?' || character == '{';
    }

    std::unique_ptr<Node> parseRepeat(std::unique_ptr<Node> atom) {
        auto repeat = std::make_unique<Node>();
        repeat->kind = Kind::repeat;
        const char mark = text[index++];
        if (mark == '*') {
            repeat->least = 0;
        } else if (mark == '+') {
            repeat->least = 1;
        } else if (mark == '?') {
            repeat->least = 0;
            repeat->most = 1;
        } else {
            parseCount(index - 1, *repeat);
        }
        // A lazy repeat matches where a greedy one does.
        if (!atEnd() && peek() == '?') ++index;
        if (!atEnd() && isRepeatStart(peek()))
            refuse(fmt::format("'{}'", peek()), index, "has nothing to repeat: it follows another repeat");
        repeat->parts.push_back(std::move(atom));
        return repeat;
    }

    // A count's number, refused above largestCount; nothing when no digit stands there.
    std::optional<unsigned> parseNumber(std::size_t open) {
        const std::size_t start = index;
        unsigned long long value = 0;
        while (!atEnd() && isDigit(peek())) {
            if (value <= largestCount) value = value * 10 + static_cast<unsigned>(peek() - '0');
            ++index;
        }
        if (index == start) return std::nullopt;
        if (value > largestCount)
            refuse(fmt::format("the count {}", text.substr(start, index - start)), open,
                   fmt::format("is above the largest allowed, {}", largestCount));
        return static_cast<unsigned>(value);
    }

    void parseCount(std::size_t open, Node& repeat) {
        const std::string malformed = "opens a count that is not {m}, {m,} or {m,n} (write \\{ for a brace)";
        const std::optional<unsigned> least = parseNumber(open);
        if (!least) refuse("'{'", open, malformed);
        repeat.least = *least;
        repeat.most = least;
        if (!atEnd() && peek() == ',') {
            ++index;
            repeat.most = parseNumber(open);
        }
        if (atEnd() || peek() != '}') refuse("'{'", open, malformed);
        ++index;
        if (repeat.most && *repeat.most < repeat.least)
            refuse(fmt::format("the count {}", text.substr(open, index - open)), open,
                   "has its largest below its smallest");
    }

    std::unique_ptr<Node> parseAtom() {
        const std::size_t start = index;
        const char character = text[index++];
        switch (character) {
        case '(':
            return parseGroup(start);
        case '[':
            return bytesNode(parseClass(start));
        case '.':
            return bytesNode(~(single('\n') | single('\r')));
        case '^':
            return anchorNode(CheckPattern::Op::lineStart);
        case '$':
            return anchorNode(CheckPattern::Op::lineEnd);
        case '\\':
            return parseEscape(start);
        default:
            return bytesNode(single(static_cast<unsigned char>(character)));
        }
    }

    std::unique_ptr<Node> parseGroup(std::size_t open) {
        if (++depth > deepestNesting)
            refuse("'('", open, fmt::format("nests groups deeper than {}", deepestNesting));
        if (!atEnd() && peek() == '?') {
            if (index + 1 < text.size() && text[index + 1] == ':') {
                index += 2;
            } else {
                const std::size_t end = std::min(text.size(), index + 2);
                refuse(fmt::format("'({}'", text.substr(index, end - index)), open,
                       "is not supported: only plain groups (...) and (?:...) are");
            }
        }
        std::unique_ptr<Node> inside = parseChoice();
        if (atEnd()) refuse("'('", open, "is never closed");
        ++index;
        --depth;
        return inside;
    }

    std::unique_ptr<Node> parseEscape(std::size_t start) {
        if (atEnd()) refuse("'\\'", start, "ends the pattern and escapes nothing");
        const char kind = peek();
        if (kind == 'b' || kind == 'B') {
            ++index;
            return anchorNode(kind == 'b' ? CheckPattern::Op::wordEdge : CheckPattern::Op::notWordEdge);
        }
        if (kind >= '1' && kind <= '9')
            refuse(fmt::format("the back reference '\\{}'", kind), start, "is not supported");
        return bytesNode(parseEscapedBytes(start));
    }

    // After a backslash, in a class or out of one (\b is handled before, out of one).
    Bytes parseEscapedBytes(std::size_t start) {
        const char kind = text[index++];
        switch (kind) {
        case 'd':
            return digits();
        case 'D':
            return ~digits();
        case 'w':
            return wordCharacters();
        case 'W':
            return ~wordCharacters();
        case 's':
            return spaces();
        case 'S':
            return ~spaces();
        case 't':
            return single('\t');
        case 'n':
            return single('\n');
        case 'r':
            return single('\r');
        case 'f':
            return single('\f');
        case 'v':
            return single('\v');
        case '0':
            if (!atEnd() && isDigit(peek()))
                refuse(fmt::format("'\\0{}'", peek()), start, "is not supported");
            return single('\0');
        case 'x':
            if (index + 1 >= text.size() || !isHex(text[index]) || !isHex(text[index + 1]))
                refuse("'\\x'", start, "needs two hexadecimal digits");
            index += 2;
            return single(
                static_cast<unsigned char>(hexValue(text[index - 2]) * 16 + hexValue(text[index - 1])));
        default:
            if (isPunctuation(kind)) return single(static_cast<unsigned char>(kind));
            refuse(isPunctuation(kind) || isWordByte(static_cast<unsigned char>(kind))
                       ? fmt::format("the escape '\\{}'", kind)
                       : fmt::format("the escape of {}", shown(kind)),
                   start, "is not supported");
        }
    }

    // One member of a class: a byte, or a class of bytes for \d and the like (nothing as its byte).
    struct Member {
        Bytes bytes;
        std::optional<unsigned char> byte;
    };

    Member parseMember(std::size_t open) {
        if (atEnd()) refuse("'['", open, "is never closed");
        const std::size_t start = index;
        const char character = text[index++];
        if (static_cast<unsigned char>(character) >= 0x80)
            refuse(shown(character), start, "is not ASCII; classes hold ASCII characters only");
        if (character != '\\') return {single(static_cast<unsigned char>(character)), character};
        if (atEnd()) refuse("'['", open, "is never closed");
        if (peek() == 'b') {
            ++index;
            return {single('\b'), '\b'};
        }
        if (peek() == '-') {
            ++index;
            return {single('-'), '-'};
        }
        const Bytes bytes = parseEscapedBytes(start);
        if (bytes.count() == 1)
            for (unsigned byte = 0; byte < 256; ++byte)
                if (bytes.test(byte)) return {bytes, static_cast<unsigned char>(byte)};
        return {bytes, std::nullopt};
    }

    Bytes parseClass(std::size_t open) {
        bool negated = false;
        if (!atEnd() && peek() == '^') {
            negated = true;
            ++index;
        }
        Bytes bytes;
        while (atEnd() || peek() != ']') {
            const std::size_t start = index;
            const Member low = parseMember(open);
            if (index + 1 < text.size() && peek() == '-' && text[index + 1] != ']') {
                ++index;
                const Member high = parseMember(open);
                const std::string written(text.substr(start, index - start));
                if (!low.byte || !high.byte)
                    refuse(fmt::format("the range '{}'", written), start, "has a class at one end");
                if (*high.byte < *low.byte)
                    refuse(fmt::format("the range '{}'", written), start, "runs backwards");
                bytes |= range(*low.byte, *high.byte);
            } else {
                bytes |= low.bytes;
            }
        }
        ++index;
        return negated ? ~bytes : bytes;
    }

    // Rationale: the parser, the tree and the compiler recurse once per level of groups.
    static constexpr std::size_t deepestNesting = 100;

    std::string_view text;
    std::size_t index = 0;
    std::size_t depth = 0;
};

// ---- Compiling the tree into steps -------------------------------------------------------------

using Op = CheckPattern::Op;
using Step = CheckPattern::Step;

class Compiler {
public:
    Compiler(std::vector<Step>& program, std::vector<Bytes>& classes) : program(program), classes(classes) {}

    void compile(const Node& node) {
        emit(node);
        add({Op::match});
    }

private:
    std::size_t add(Step step) {
        if (program.size() >= largestProgram)
            throw PatternError(fmt::format(
                "the pattern is too large: its counts spell out more than {} steps", largestProgram));
        program.push_back(step);
        return program.size() - 1;
    }

    void emit(const Node& node) {
        switch (node.kind) {
        case Kind::bytes:
            classes.push_back(node.bytes);
            add({Op::bytes, classes.size() - 1});
            return;
        case Kind::anchor:
            add({node.anchor});
            return;
        case Kind::sequence:
            for (const auto& part : node.parts)
                emit(*part);
            return;
        case Kind::choice:
            emitChoice(node);
            return;
        case Kind::repeat:
            emitRepeat(node);
            return;
        }
    }

    void emitChoice(const Node& node) {
        std::vector<std::size_t> jumps;
        for (std::size_t part = 0; part + 1 < node.parts.size(); ++part) {
            const std::size_t split = add({Op::split});
            program[split].first = program.size();
            emit(*node.parts[part]);
            jumps.push_back(add({Op::jump}));
            program[split].second = program.size();
        }
        emit(*node.parts.back());
        for (const std::size_t jump : jumps)
            program[jump].first = program.size();
    }

    void emitRepeat(const Node& node) {
        const Node& repeated = *node.parts.front();
        for (unsigned count = 0; count < node.least; ++count)
            emit(repeated);
        if (!node.most) {
            const std::size_t split = add({Op::split});
            program[split].first = program.size();
            emit(repeated);
            add({Op::jump, split});
            program[split].second = program.size();
            return;
        }
        std::vector<std::size_t> splits;
        for (unsigned count = node.least; count < *node.most; ++count) {
            splits.push_back(add({Op::split}));
            program[splits.back()].first = program.size();
            emit(repeated);
        }
        for (const std::size_t split : splits)
            program[split].second = program.size();
    }

    std::vector<Step>& program;
    std::vector<Bytes>& classes;
};

// ---- Running the steps over a name -------------------------------------------------------------

// The states live at one position: a set with constant-time insertion and clearing.
class StateSet {
public:
    explicit StateSet(std::size_t size) : where(size), states(size) {}
    bool contains(std::size_t state) const { return where[state] < count && states[where[state]] == state; }
    void insert(std::size_t state) {
        where[state] = count;
        states[count++] = state;
    }
    void clear() { count = 0; }
    std::size_t size() const { return count; }
    std::size_t operator[](std::size_t index) const { return states[index]; }

private:
    std::vector<std::size_t> where;
    std::vector<std::size_t> states;
    std::size_t count = 0;
};

class Runner {
public:
    Runner(const std::vector<Step>& program, const std::vector<Bytes>& classes, std::string_view name)
        : program(program), classes(classes), name(name), pending(), current(program.size()),
          next(program.size()) {}

    bool run() {
        for (std::size_t position = 0;; ++position) {
            if (follow(current, 0, position)) return true;
            if (position == name.size()) return false;
            const auto byte = static_cast<unsigned char>(name[position]);
            next.clear();
            for (std::size_t index = 0; index < current.size(); ++index) {
                const Step& step = program[current[index]];
                if (step.op == Op::bytes && classes[step.first].test(byte) &&
                    follow(next, current[index] + 1, position + 1))
                    return true;
            }
            std::swap(current, next);
        }
    }

private:
    bool holds(Op anchor, std::size_t position) const {
        const bool wordBefore = position > 0 && isWordByte(static_cast<unsigned char>(name[position - 1]));
        const bool wordAfter =
            position < name.size() && isWordByte(static_cast<unsigned char>(name[position]));
        switch (anchor) {
        case Op::lineStart:
            return position == 0;
        case Op::lineEnd:
            return position == name.size();
        case Op::wordEdge:
            return wordBefore != wordAfter;
        case Op::notWordEdge:
            return wordBefore == wordAfter;
        default:
            return false;
        }
    }

    // Adds STATE and every state reached from it without a byte to SET; true when one is the match.
    bool follow(StateSet& set, std::size_t state, std::size_t position) {
        pending.clear();
        pending.push_back(state);
        while (!pending.empty()) {
            const std::size_t at = pending.back();
            pending.pop_back();
            if (set.contains(at)) continue;
            set.insert(at);
            const Step& step = program[at];
            switch (step.op) {
            case Op::match:
                return true;
            case Op::jump:
                pending.push_back(step.first);
                break;
            case Op::split:
                pending.push_back(step.second);
                pending.push_back(step.first);
                break;
            case Op::bytes:
                break;
            default:
                if (holds(step.op, position)) pending.push_back(at + 1);
                break;
            }
        }
        return false;
    }

    const std::vector<Step>& program;
    const std::vector<Bytes>& classes;
    std::string_view name;
    std::vector<std::size_t> pending;
    StateSet current;
    StateSet next;
};

} // namespace

CheckPattern::CheckPattern(std::string_view text) {
    const std::unique_ptr<Node> tree = Parser(text).parseWhole();
    Compiler(program, classes).compile(*tree);
}

bool CheckPattern::foundIn(std::string_view name) const {
    return Runner(program, classes, name).run();
}

} // namespace kadenzo::validate
