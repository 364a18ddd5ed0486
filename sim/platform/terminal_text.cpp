// Text as it may be shown (terminal_text.h): the length of each valid UTF-8 sequence, and the bytes
// written as \xNN.
#include "platform/terminal_text.h"

#include <fmt/format.h>

namespace kadenzo::platform {

namespace {

// The length of the valid UTF-8 sequence that starts at TEXT[INDEX], or 0 when none does.
std::size_t sequenceLength(std::string_view text, std::size_t index) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(index);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char least = 0x80; // the bounds of the second byte
    unsigned char most = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) least = 0xA0;
        if (lead == 0xED) most = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) least = 0x90;
        if (lead == 0xF4) most = 0x8F;
    } else {
        return 0;
    }
    if (index + length > text.size() || byte(index + 1) < least || byte(index + 1) > most) return 0;
    for (std::size_t next = 2; next < length; ++next)
        if ((byte(index + next) & 0xC0) != 0x80) return 0;
    return length;
}

// Whether the valid sequence SEQUENCE is a control character: C0, DEL or C1.
bool isControlCharacter(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1) return lead < 0x20 || lead == 0x7F;
    return sequence.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(sequence[1]) <= 0x9F;
}

// TEXT with its invalid bytes, and its control characters too when ESCAPECONTROLS, written as \xNN.
std::string shown(std::string_view text, bool escapeControls) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t index = 0; index < text.size();) {
        const std::size_t length = sequenceLength(text, index);
        const std::string_view sequence = text.substr(index, length == 0 ? 1 : length);
        if (length == 0 || (escapeControls && isControlCharacter(sequence)))
            result += escapedBytes(sequence);
        else
            result += sequence;
        index += sequence.size();
    }
    return result;
}

} // namespace

std::string escapedBytes(std::string_view bytes) {
    std::string escaped;
    for (const char byte : bytes)
        escaped += fmt::format("\\x{:02X}", static_cast<unsigned char>(byte));
    return escaped;
}

std::string validUtf8(std::string_view text) {
    return shown(text, false);
}

std::string terminalText(std::string_view text) {
    return shown(text, true);
}

} // namespace kadenzo::platform
