// Own dates as iCalendar (RFC 5545), written with libical and read with the
// shared reader: termine.ics, the .ics imports and the export.
//
// Each date is one VEVENT: its kind first in CATEGORIES ("Geburtstag",
// "Jahrestag", "Termin"), an all-day date as VALUE=DATE with DTEND the day
// after its last, a yearly one with RRULE:FREQ=YEARLY, a birthday without
// its year in the year 1604 with X-VESPERA-NO-YEAR:TRUE.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/ical_reader.h"
#include "own_dates/own_date.h"

namespace vespera::own_dates {

struct OwnDateFile {
    std::vector<OwnDate> dates;
    std::map<std::string, std::string> timezones; // VTIMEZONE texts the dates use, by TZID
    std::vector<std::string> kept;                // calendar properties and components kept as read
};

// The store's file may be far larger than an import: 10,000 birthdays take
// about 2.5 MB.
inline constexpr ical::ReadLimits kStoreLimits{.max_bytes = 32 * 1024 * 1024, .max_events = 100000};

struct ParsedFile {
    OwnDateFile file;    // what could be read
    std::string problem; // German; set when writing the file back would lose anything
};
ParsedFile parse_own_date_file(std::string_view bytes);

// The dates of a calendar read for import, and the events refused with why.
struct CalendarDates {
    std::vector<OwnDate> dates;
    std::vector<ical::Refusal> refused;
};
CalendarDates dates_of_calendar(const ical::Calendar& calendar);

// The whole file; every date carries its last change as DTSTAMP (`now_unix`
// for a date never stamped). Empty when libical cannot be opened.
std::string own_date_document(const OwnDateFile& file, std::int64_t now_unix);

// The VEVENTs alone, and the VTIMEZONEs they need, each with CR LF line ends:
// what another calendar document (the holiday export) appends before its
// END:VCALENDAR. Empty when libical cannot be opened.
struct EventsText {
    std::string timezones;
    std::string events;
};
EventsText own_date_events(const std::vector<OwnDate>& dates, const std::map<std::string, std::string>& timezones,
                           std::int64_t now_unix);

} // namespace vespera::own_dates
