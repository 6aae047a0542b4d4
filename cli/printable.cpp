#include "cli/printable.h"

#include "base/text.h"

namespace vespera::cli {
namespace {

bool acted_on(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void append_escaped(std::string& out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
    }
}

} // namespace

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char decoded = decode_utf8(text, at);
        const std::size_t length = decoded.size;
        if (length == 0) {
            append_escaped(out, text.substr(at, 1));
            ++at;
            continue;
        }
        const char32_t c = decoded.code_point;
        if (c == '\n') {
            out += "\\n";
        } else if (acted_on(c)) {
            append_escaped(out, text.substr(at, length));
        } else {
            out.append(text.substr(at, length));
        }
        at += length;
    }
    return out;
}

} // namespace vespera::cli
