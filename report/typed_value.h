// What a report row's text says, as values a script can read without
// parsing German: an instant on the place's clock and in UTC, a clock time,
// a duration, a number with its unit, a range of days. A row's day stays in
// Row::iso_date. Every field is optional: a row carries the kinds its text
// shows, and an event that does not happen is a status, not a missing row.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "holidays/school_holidays.h" // DayRange: first and last day, both included

namespace vespera {
class Zone;
}

namespace vespera::report {

// A moment as the place's clock shows it, to the minute, with the clock's
// offset from UT at that moment.
struct Instant {
    std::int64_t day_number = 0;    // the local day (ephemeris/calendar.h day number)
    std::int32_t minute_of_day = 0; // 0..1439 on the local clock
    std::int32_t offset_seconds = 0; // east of UT; local mean time has seconds
};

enum class EventStatus : std::uint8_t {
    Happens,     // at `at`
    AlwaysAbove, // the body (or the Sun above the twilight's depth) stays up all day
    AlwaysBelow, // it stays down all day
    NotThatDay,  // it sets (or rises) that day but does not rise (or set)
};

struct Event {
    EventStatus status = EventStatus::NotThatDay;
    Instant at; // only when status is Happens
};

struct Quantity {
    double number = 0.0;
    int decimals = 0;  // as the row's text rounds it
    std::string unit;  // "°", "km", "%"; empty for a count
};

struct TypedValue {
    std::optional<Event> event;                   // an instant; the start of a span
    std::optional<Event> end;                     // the end of a span (sunset, end of twilight)
    std::optional<std::int32_t> clock_minutes;    // a time of day without a date, 0..1439
    std::optional<std::int64_t> duration_minutes; // a length of time
    std::optional<Quantity> quantity;
    std::optional<DayRange> days;

    bool empty() const {
        return !event && !end && !clock_minutes && !duration_minutes && !quantity && !days;
    }
};

// Builders for the common cases.
inline Event happens_at(Instant at) { return {EventStatus::Happens, at}; }
TypedValue instant_value(Event event);
TypedValue span_value(Event first, Event last);
TypedValue clock_value(std::int32_t minute_of_day);
TypedValue duration_value(std::int64_t minutes);
TypedValue number_value(double number, int decimals, std::string unit = {});
TypedValue range_value(std::int64_t first_day, std::int64_t last_day);

// The instant `jd_ut` (Julian Day of UT) on `zone`'s clock, rounded to the
// minute the way the engine's times are ("HH:MM Uhr").
std::optional<Instant> instant_on_clock(const Zone& zone, double jd_ut); // nothing for NaN

// ISO 8601 / RFC 3339 texts: "2024-04-08T06:27:00+02:00" and
// "2024-04-08T04:27:00Z" (years outside 0..9999 signed, as iso_date);
// "06:27" for a clock time.
std::string local_text(const Instant& at);
std::string utc_text(const Instant& at);
std::string clock_text(std::int32_t minute_of_day);
// "immer_oben", "immer_unten", "nicht_an_diesem_tag"; empty for Happens.
const char* status_key(EventStatus status);
// The number as JSON and CSV write it: '.' as separator, `decimals` places.
std::string number_text(const Quantity& quantity);

} // namespace vespera::report
