// Text from outside kadenzo-sim (what a person typed or named, a file's lines, a plugin's words) as it
// may be shown: the one rule by which every message of every command and the console reaches the
// terminal, and the UTF-8 check under it, which validate's JSON and JUnit also take. Text only, no
// system call, the same on every platform.
// Rationale: it lives at the bottom of kadenzo-sim, beside the terminal, because messages leave for
// the terminal from every layer that links this one (output/'s kept files, the console, each command,
// main.cpp), and a rule they all follow cannot sit above any of them.
#pragma once

#include <string>
#include <string_view>

namespace kadenzo::platform {

// Each byte of BYTES as the four characters \xNN, upper-case hexadecimal: the one form in which every
// text kadenzo-sim shows writes a byte it does not show as it is.
std::string escapedBytes(std::string_view bytes);

// TEXT with each byte that is no part of a valid UTF-8 sequence (a stray continuation byte, an
// overlong form, a surrogate, a code point past U+10FFFF, a cut sequence) written as the four
// characters \xNN, upper-case hexadecimal. Valid UTF-8 passes unchanged.
std::string validUtf8(std::string_view text);

// TEXT as it may reach a terminal: validUtf8, and then every control character written as its bytes,
// \xNN: C0 (0x00 to 0x1F, tab and line feed among them), DEL (0x7F) and C1 (U+0080 to U+009F, whose
// UTF-8 form 0xC2 0x80 to 0xC2 0x9F becomes \xC2\x80 to \xC2\x9F), so that no escape sequence and no
// line break of its own reaches the terminal. Every other character, ASCII or UTF-8, passes unchanged.
// Its result holds printable ASCII and valid UTF-8 only, so terminalText of it is the same text: a
// message shown through it where it leaves for the terminal may already hold text shown through it.
// Rationale: a backslash stays as it is, although "\x1B" then reads the same typed as escaped: an
// escaped backslash would double each one of every Windows path in every message, and a person
// reading a message is served by the path as they wrote it.
std::string terminalText(std::string_view text);

} // namespace kadenzo::platform
