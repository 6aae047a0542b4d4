// What the command line repeats of its arguments in a message: never a
// control sequence for the terminal, never a line of its own.
#pragma once

#include <string>
#include <string_view>

namespace vespera::cli {

// The text with every byte that a terminal would act on or could not show
// written as \xNN: control characters (C0, DEL, C1), the line and paragraph
// separators and the bidirectional controls (U+200E, U+200F, U+202A..U+202E,
// U+2066..U+2069), and bytes that are not well-formed UTF-8 (RFC 3629). A
// line feed reads \n. Everything else stays as it is.
std::string printable(std::string_view text);

} // namespace vespera::cli
