#include "places/name_folding.h"

#include <array>
#include <cstdint>

#include "base/text.h"

namespace vespera {
namespace {

// The base letter of every code point in U+00C0..U+024F and U+1E00..U+1EFF,
// from the canonical decompositions of the Unicode Character Database
// (UnicodeData.txt), plus the letters with a stroke that have none (ø, ł, đ,
// ħ); '.' keeps the code point, '*' marks a two-letter base (see below).
constexpr std::string_view kLatinBase00C0 =
    "aaaaaa*ceeeeiiiidnooooo.ouuuuy**aaaaaa*ceeeeiiiidnooooo.ouuuuy*y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkklllllll"
    "lllnnnnnnnnnoooooo**rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs"
    "bb.....ccdddd....ffg...ikkl..n.ooo..pp.....tt.tuu..yyzz........."
    ".............aaiioouuuuuuuuuu.aaaa**ggggkkoooo..j...gg..nnaa**oo"
    "aaaaeeeeiiiioooorrrruuuusstt..hh......aaeeooooooooyy......acclt."
    "...b..eejj..rryy";
constexpr std::string_view kLatinBase1E00 =
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmm"
    "mmmmnnnnnnnnoooooooopppprrrrrrrrssssssssssttttttttuuuuuuuuuuvvvv"
    "wwwwwwwwwwxxxxyyzzzzzzhtwy..ss*.aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeee"
    "eeeeeeeeiiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyy......";

std::string_view two_letter_base(char32_t code_point) {
    switch (code_point) {
    case 0x00DF: case 0x1E9E: return "ss";                                // ß ẞ
    case 0x00C6: case 0x00E6: case 0x01E2: case 0x01E3: case 0x01FC: case 0x01FD: return "ae";
    case 0x0152: case 0x0153: return "oe";
    case 0x00DE: case 0x00FE: return "th";                                // Þ þ
    case 0x0132: case 0x0133: return "ij";
    default: return {};
    }
}

// Empty when the code point is no Latin letter with a known base.
std::string_view latin_base(char32_t code_point) {
    std::string_view table;
    char32_t first = 0;
    if (code_point >= 0x00C0 && code_point < 0x00C0 + kLatinBase00C0.size()) {
        table = kLatinBase00C0;
        first = 0x00C0;
    } else if (code_point >= 0x1E00 && code_point < 0x1E00 + kLatinBase1E00.size()) {
        table = kLatinBase1E00;
        first = 0x1E00;
    } else {
        return {};
    }
    const std::size_t at = code_point - first;
    if (table[at] == '*') return two_letter_base(code_point);
    if (table[at] == '.') return {};
    return table.substr(at, 1);
}

bool is_separator(char32_t c) {
    switch (c) {
    case ' ': case '\t': case '-': case '/': case '(': case ')': case ',': case '_':
    case 0x00A0:                                    // no-break space
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: // hyphens and dashes
        return true;
    default: return false;
    }
}

bool is_dropped(char32_t c) {
    return c == '.' || c == '\'' || c == '`' || c == 0x2018 || c == 0x2019 || c == 0x02BB || c == 0x02BC ||
           (c >= 0x0300 && c <= 0x036F); // combining marks of a decomposed name
}

} // namespace

bool is_printable_utf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const Utf8Char next = decode_utf8(text, at);
        if (next.size == 0) return false;
        const char32_t c = next.code_point;
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) return false;
        at += next.size;
    }
    return true;
}

std::string fold_name(std::string_view name) {
    std::string folded;
    folded.reserve(name.size() + 4);
    bool blank_pending = false;
    std::size_t at = 0;
    while (at < name.size()) {
        const Utf8Char next = decode_utf8(name, at);
        if (next.size == 0) {
            // A broken byte stays as it is, so that odd input still matches itself.
            if (blank_pending && !folded.empty()) folded += ' ';
            blank_pending = false;
            folded += name[at++];
            continue;
        }
        const char32_t c = next.code_point;
        const std::string_view original = name.substr(at, next.size);
        at += next.size;
        if (is_separator(c)) {
            blank_pending = true;
            continue;
        }
        if (is_dropped(c)) continue;
        if (blank_pending && !folded.empty()) folded += ' ';
        blank_pending = false;
        if (c < 0x80) {
            folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
        } else if (const std::string_view base = latin_base(c); !base.empty()) {
            folded += base;
        } else {
            folded += original;
        }
    }
    return folded;
}

std::uint32_t initial_bit(char first) {
    return first >= 'a' && first <= 'z' ? std::uint32_t{1} << (first - 'a') : std::uint32_t{1} << 26;
}

std::uint32_t word_initials(std::string_view folded) {
    std::uint32_t initials = 0;
    for (std::size_t at = 0; at < folded.size(); ++at) {
        if (at == 0 || folded[at - 1] == ' ') initials |= initial_bit(folded[at]);
    }
    return initials;
}

std::string loosen_folded_name(std::string_view folded) {
    std::string loose;
    loose.reserve(folded.size() + 4);
    std::size_t at = 0;
    while (at < folded.size()) {
        const bool word_start = at == 0 || folded[at - 1] == ' ';
        if (word_start && folded.substr(at, 2) == "st" && (at + 2 == folded.size() || folded[at + 2] == ' ')) {
            loose += "sankt";
            at += 2;
            continue;
        }
        const char c = folded[at];
        loose += c;
        ++at;
        if ((c == 'a' || c == 'o' || c == 'u') && at < folded.size() && folded[at] == 'e') ++at;
    }
    return loose;
}

} // namespace vespera
