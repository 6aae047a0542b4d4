#include "base/text.h"

namespace vespera {

Utf8Char decode_utf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t size = 0;
    char32_t code_point = 0;
    if (lead < 0x80) return {lead, 1};
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        code_point = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        code_point = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        code_point = lead & 0x07u;
    } else {
        return {0, 0};
    }
    if (text.size() - at < size) return {0, 0};
    for (std::size_t k = 1; k < size; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0u) != 0x80u) return {0, 0};
        code_point = (code_point << 6) | (next & 0x3Fu);
    }
    const bool overlong = (size == 3 && code_point < 0x800) || (size == 4 && code_point < 0x10000);
    const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
    if (overlong || surrogate || code_point > 0x10FFFF) return {0, 0};
    return {code_point, size};
}

char upper_ascii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upper_ascii(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = upper_ascii(c);
    return result;
}

char lower_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper_ascii(a[i]) != upper_ascii(b[i])) return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string_view without_byte_order_mark(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

std::string_view take_line(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::optional<std::int64_t> whole_number(std::string_view text, bool sign_allowed) {
    bool negative = false;
    if (sign_allowed && !text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value >= 1'000'000'000'000 ? value : value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

std::string clean_display_line(std::string_view raw, std::size_t max_bytes) {
    std::string clean;
    for (std::size_t i = 0; i < raw.size();) {
        const std::size_t length = decode_utf8(raw, i).size;
        std::string_view piece = length == 0 ? kReplacementCharacter : raw.substr(i, length);
        i += length == 0 ? 1 : length;
        const auto lead = static_cast<unsigned char>(piece[0]);
        if (lead < 0x20 || lead == 0x7F) piece = " ";
        // C1 controls U+0080..U+009F are encoded as C2 80..C2 9F.
        if (piece.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(piece[1]) < 0xA0) piece = " ";
        if (clean.size() + piece.size() > max_bytes) break;
        clean += piece;
    }
    const std::size_t first = clean.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return clean.substr(first, clean.find_last_not_of(' ') - first + 1);
}

} // namespace vespera
