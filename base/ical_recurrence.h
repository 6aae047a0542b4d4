// When an iCalendar event happens (RFC 5545): its start as written, its
// length and its recurrence, and the occurrences that follow in a window of
// days. Expanded with libical; dates are proleptic Gregorian as RFC 5545
// writes them, day numbers the engine's (Julian day at noon of a civil day).
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vespera::ical {

inline constexpr std::int32_t kDaySeconds = 86400;
// Any clock on Earth is less than a day from UTC; windows keep this margin.
inline constexpr std::int64_t kMarginDays = 2;
// Longer events are refused: nothing a calendar of days shows lasts ten years.
inline constexpr std::int64_t kMaxEventDays = 3660;

// A reading of a clock: the civil day and the seconds since its midnight.
struct DayTime {
    std::int64_t day = 0;     // day number
    std::int32_t seconds = 0; // 0..86399
    friend auto operator<=>(const DayTime&, const DayTime&) = default;
};

DayTime add_seconds(DayTime time, std::int64_t seconds);
std::int64_t seconds_between(DayTime from, DayTime to);

// Both days included.
struct DaySpan {
    std::int64_t first_day = 0;
    std::int64_t last_day = 0;
};

// all_day: a DATE value. floating: the wall clock wherever the reader is
// (RFC 5545 3.3.5, form 1). utc: universal time. zoned: the wall clock of a
// TZID; occurrences give such times in UTC.
enum class Clock { all_day, floating, utc, zoned };

struct EventTime {
    Clock clock = Clock::all_day;
    DayTime at;       // seconds 0 for all_day
    std::string tzid; // zoned only
    friend bool operator==(const EventTime&, const EventTime&) = default;
};

struct Series {
    EventTime start;                   // DTSTART
    std::int64_t duration_seconds = 0; // all_day: whole days, at least one
    std::string rrule;                 // RECUR value (3.3.10), empty when none
    std::vector<EventTime> rdates;     // RDATE; a PERIOD by its start
    std::vector<EventTime> exdates;    // EXDATE; a DATE excludes its whole day
    friend bool operator==(const Series&, const Series&) = default;
};

struct Occurrence {
    Clock clock = Clock::all_day; // never zoned
    DayTime start;
    DayTime end; // exclusive: an all-day occurrence ends at the next day's 0:00
};

// The time zones that TZIDs name: the VTIMEZONE definitions of a file (TZID
// to the component's text), then libical's built-in zones (the system's tz
// database). An unknown TZID reads as floating time, as RFC 5545 readers do
// without its VTIMEZONE.
class ZoneSet {
public:
    ZoneSet();
    explicit ZoneSet(std::map<std::string, std::string> definitions);
    ~ZoneSet();
    ZoneSet(ZoneSet&&) noexcept;
    ZoneSet& operator=(ZoneSet&&) noexcept;
    ZoneSet(const ZoneSet&) = delete;
    ZoneSet& operator=(const ZoneSet&) = delete;

    const std::map<std::string, std::string>& definitions() const;
    bool knows(std::string_view tzid) const;

    struct Zones; // libical's zones, for base/ical_*.cpp
    const Zones& zones() const { return *zones_; }

private:
    std::unique_ptr<Zones> zones_;
};

// German, when the series cannot be expanded soundly; empty when it can.
// Checked once where a series is read, as it may take a few milliseconds.
std::string series_problem(const Series& series, const ZoneSet& zones);

struct Expansion {
    std::vector<Occurrence> occurrences; // by start, each once
    bool cut = false;                    // more than asked for, or too many steps
};

// The occurrences that may touch the days of `window` on any clock (a margin
// of kMarginDays either side; the caller keeps the days it shows). DTSTART
// always counts as the first occurrence (RFC 5545 3.8.5.3).
Expansion expand(const Series& series, DaySpan window, const ZoneSet& zones, std::size_t max_occurrences);

} // namespace vespera::ical
