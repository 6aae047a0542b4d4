// One compiled zone file of the tz database (TZif, RFC 8536), read on its
// own: opening one zone then reads one file instead of the whole database.
// The offsets come out as the date library gives them for the same file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vespera::tzdb {

struct TzifTransition {
    std::int64_t at_s;       // seconds since 1970 (UT); the first is the open start
    std::int32_t offset_s;   // east of UT from this transition on
    bool dst;                // the file's "is DST" flag
    std::string abbreviation;
};

// The zone's history from the file's 64-bit data: transitions in order, the
// first one at kTzifOpenStart_s, neighbours always differing in offset,
// flag or abbreviation. The footer's rule for later years is not read.
// nullopt for a file that is not well-formed TZif version 2 or later, one
// with leap seconds, or one with an offset beyond a day.
std::optional<std::vector<TzifTransition>> parse_tzif(std::string_view bytes);

// 1 January -32767 and 31 December 32767, 00:00 UT: where the date library
// opens a zone's first interval and closes its last.
inline constexpr std::int64_t kTzifOpenStart_s = -1096193779200;
inline constexpr std::int64_t kTzifOpenEnd_s = 971890876800;

} // namespace vespera::tzdb
