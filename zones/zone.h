// Zone: the one door between universal time and local civil time. Either the
// classic fixed standard offset with the German summer-time rules, or a zone of
// the tz database. Instants are Julian Days in UT (jd_ut); local wall-clock
// times are local Julian Days (local midnight at .5).
//
// A Zone keeps the offset intervals it has looked up, so its const members
// write to a private cache: one object must not be used from two threads at
// once (copies are independent).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vespera {

struct ClockOffset {
    double hours = 0.0; // east of UT
    bool summer = false;
    friend bool operator==(const ClockOffset&, const ClockOffset&) = default;
};

struct SummerTimeDays {
    std::int32_t start_day = 0; // day numbers, 0 = none in that year
    std::int32_t end_day = 0;
    friend bool operator==(const SummerTimeDays&, const SummerTimeDays&) = default;
};

struct ClockChange {
    double jd_ut;
    ClockOffset before;
    ClockOffset after;
};

namespace tzdb {
struct TzZone;
}

class Zone {
public:
    // A fixed standard offset plus the German summer-time rules since 1916,
    // each year's change at 02:00 local standard time. A non-finite offset
    // counts as 0, offsets beyond 23 h are held at ±23 h.
    static Zone german_rules(double standard_offset_hours);
    // A zone of the tz database by IANA name ("Europe/Berlin"); nullopt for an
    // unknown, empty or malformed name.
    static std::optional<Zone> named(std::string_view iana_name);
    // The zone of a compiled zone file's bytes (TZif, RFC 8536) under `name`,
    // read as named() reads the database's file; nullopt for a file the
    // reader declines. Tests and fuzz targets give it damaged files.
    static std::optional<Zone> from_tzif(std::string_view name, std::string_view bytes);
    // The canonical Area/Location zones of the tz database, sorted: Africa/,
    // America/, Antarctica/, Arctic/, Asia/, Atlantic/, Australia/, Europe/,
    // Indian/, Pacific/ (no links, no Etc/, posix/ or right/).
    static std::vector<std::string> known_names();

    const std::string& name() const { return name_; } // empty for german_rules

    // Instants outside the engine's years (±27968), NaN and infinities read
    // with the zone's standard offset and no summer time.
    ClockOffset at(double jd_ut) const;
    double local_jd(double jd_ut) const;
    // A wall-clock time near a change reads with the offset in force before
    // the change: a time in a skipped hour moves forward by the gap, a time
    // that occurs twice is its first occurrence.
    ClockOffset at_local(double local_jd) const;
    double ut_of_local(double local_jd) const;
    // The local days on which summer time begins (first such change of the
    // year) and ends (last such change); southern zones have start > end.
    SummerTimeDays summer_time_days(std::int64_t year) const;
    // Every change of offset or of summer time whose instant falls in the
    // local year (read on the clock before the change).
    std::vector<ClockChange> changes_in_year(std::int64_t year) const;

    // A span of constant offset [begin, end), as the cache keeps it.
    struct Interval {
        double begin_jd_ut;
        double end_jd_ut;
        ClockOffset offset;
    };

private:
    struct Source; // the tz database zone and where its explicit data ends

    Zone() = default;
    static std::optional<Zone> from_database_zone(std::string_view name, std::shared_ptr<const tzdb::TzZone> found);
    Interval interval_at(double jd_ut) const;
    std::optional<Interval> look_up(double jd_ut) const;

    std::string name_;
    double standard_hours_ = 0.0;
    std::shared_ptr<const Source> source_; // null for german_rules
    mutable std::vector<Interval> cache_;  // sorted by begin, disjoint
    mutable std::size_t last_hit_ = 0;
};

} // namespace vespera
