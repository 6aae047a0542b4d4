// The events of an iCalendar file (RFC 5545) as libical reads it: folded
// lines, DATE and DATE-TIME, TZID resolved with the file's VTIMEZONE or the
// system's zones, RRULE, RDATE and EXDATE expanded over a window of days.
// Shared by every import of .ics files and by the own-dates file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ical_recurrence.h"

namespace vespera::ical {

struct ReadLimits {
    std::size_t max_bytes = 2 * 1024 * 1024;
    std::size_t max_line_bytes = 64 * 1024; // one unfolded content line
    std::size_t max_events = 5000;
    std::size_t max_occurrences_per_event = 5000;
    std::size_t max_occurrences = 200000; // of all events together
};

struct Event {
    std::string uid;
    std::string summary; // unescaped, as written (may be empty)
    std::string description;
    std::vector<std::string> categories; // one entry per value
    Series series;
    std::optional<EventTime> recurrence_id; // an override of one occurrence of the series with this UID
    bool cancelled = false;                 // STATUS:CANCELLED
    std::int64_t modified_unix = 0;         // LAST-MODIFIED, else DTSTAMP; 0 when neither
    // Every other property and component (LOCATION, VALARM, X-…) as its
    // unfolded iCalendar text, so that a writer can keep them.
    std::vector<std::string> kept;
    // With a window: the occurrences that may touch it (see expand()).
    std::vector<Occurrence> occurrences;
    bool occurrences_cut = false;
};

// An event left out, and why (German).
struct Refusal {
    std::string event; // its SUMMARY, else its UID, else "Termin 3"
    std::string reason;
};

struct Calendar {
    // False when the file as a whole cannot be read; `message` then says why.
    bool ok = false;
    std::string message;
    std::vector<Event> events; // in file order
    std::vector<Refusal> refused;
    std::size_t over_limit = 0;                   // events beyond ReadLimits::max_events, not read
    std::size_t unreadable_lines = 0;             // outside refused events: too long, or not iCalendar
    std::map<std::string, std::string> timezones; // TZID -> VTIMEZONE text
    // Calendar properties (X-WR-CALNAME …) and components other than VEVENT
    // and VTIMEZONE, as iCalendar text.
    std::vector<std::string> kept;
};

struct ReadOptions {
    ReadLimits limits;
    std::optional<DaySpan> window; // none: no occurrences
    bool keep_cancelled = false;   // else cancelled events are refused
};

Calendar read_calendar(std::string_view bytes, const ReadOptions& options);

// Day numbers of the years RFC 5545 can write, and Unix seconds of a UTC reading.
bool in_ical_years(std::int64_t day_number);
std::int64_t unix_seconds(DayTime utc);
DayTime utc_of_unix(std::int64_t seconds);

} // namespace vespera::ical
