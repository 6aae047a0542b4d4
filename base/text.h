// Helpers for UTF-8 and ASCII text that every input surface shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vespera {

// The code point of the UTF-8 sequence at `text[at]` and its length in
// bytes; length 0 when it is not well-formed (RFC 3629: no overlong forms,
// no surrogates, nothing beyond U+10FFFF, no cut-off sequence).
struct Utf8Char {
    char32_t code_point;
    std::size_t size;
};
Utf8Char decode_utf8(std::string_view text, std::size_t at);

char upper_ascii(char c);
std::string upper_ascii(std::string_view text);
char lower_ascii(char c);
bool equal_ignoring_ascii_case(std::string_view a, std::string_view b);

// Without the blanks and tabs around it.
std::string_view trimmed(std::string_view text);

// The text without a UTF-8 byte order mark in front.
std::string_view without_byte_order_mark(std::string_view text);

// Takes the first line off `rest` and returns it without its end (LF or CR LF).
std::string_view take_line(std::string_view& rest);

// Digits with a sign in front where allowed, nothing else. The value stops
// growing once it passes 10^12: beyond every day, month and year, and still
// a plain number however many digits follow.
std::optional<std::int64_t> whole_number(std::string_view text, bool sign_allowed);

// A name from a file made safe for display: valid UTF-8 (broken sequences
// become U+FFFD), no control characters, blanks trimmed, at most `max_bytes`
// bytes cut at a character boundary. Empty when nothing is left.
std::string clean_display_line(std::string_view raw, std::size_t max_bytes);

} // namespace vespera
