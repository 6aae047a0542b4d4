// Place names folded for search, so that case, diacritics and the German
// transcriptions (ae for ä, ss for ß, St. for Sankt) do not matter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vespera {

// Lower case, Latin letters without their diacritics (ä -> a, ß -> ss,
// ł -> l), dots and apostrophes dropped, and blanks, hyphens, slashes,
// commas and parentheses turned into single blanks between words:
// "Frankfurt (Oder)" -> "frankfurt oder", "St. Pölten" -> "st polten".
// Bytes that are not Latin letters (other scripts, broken UTF-8) pass
// unchanged.
std::string fold_name(std::string_view name);

// fold_name's result with "ae", "oe", "ue" reduced to "a", "o", "u" and the
// word "st" written "sankt": "muenchen" and "munchen" both become "munchen",
// "st gallen" becomes "sankt gallen".
std::string loosen_folded_name(std::string_view folded);

// One bit for each letter a..z that begins a word of a folded name, and bit
// 26 for any other first byte. Loosening keeps every word's first letter,
// so the folded and the loose name share the set, and a name whose set lacks
// the query's first letter cannot match: the search skips it unread.
std::uint32_t word_initials(std::string_view folded);
std::uint32_t initial_bit(char first);

// Whether `text` is well-formed UTF-8 free of control characters: what a
// name read from a file may hold.
bool is_printable_utf8(std::string_view text);

} // namespace vespera
