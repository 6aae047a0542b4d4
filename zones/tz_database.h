// The tz database as the engine sees it: raw offset intervals of a zone and
// the list of canonical zone names, read from the system's compiled zone
// files (Debian's tzdata) by the project's own reader (tzif_file.h) alone.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vespera::tzdb {

struct TzZone; // a zone of the database, opaque outside tz_database.cpp

// Times are seconds since 1970-01-01 00:00 UT.
struct RawInterval {
    std::int64_t begin_s;
    std::int64_t end_s;
    std::int32_t offset_s;
    bool dst_flag;   // the database's "is DST" flag (set for negative summer time too)
    bool open_begin; // the zone's first interval: nothing earlier
    bool open_end;   // the zone's last interval: nothing later
};

// nullptr for a name the database does not hold as a readable zone.
std::shared_ptr<const TzZone> find_zone(std::string_view name);

// The zone of a compiled zone file's bytes; nullptr when the reader declines
// them (damaged, version 1 only, leap seconds).
std::shared_ptr<const TzZone> zone_from_tzif(std::string_view bytes);

// The interval holding second `unix_s`; nullopt when the database fails.
std::optional<RawInterval> raw_interval(const TzZone& zone, std::int64_t unix_s);

std::vector<std::string> canonical_names();

} // namespace vespera::tzdb
