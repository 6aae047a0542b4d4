// The iCalendar document (RFC 5545) of a year's named days and school
// holidays, one all-day event each: what the window's export and
// `vespera-cli ical` write, byte for byte the same for the same choices.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clsCalendar.h"
#include "report/holiday_categories.h"

namespace vespera::report {

// RFC 5545 dates have four-digit years of the Gregorian calendar.
inline constexpr std::int64_t kFirstIcalYear = 1;
inline constexpr std::int64_t kLastIcalYear = 9999;

struct CalendarEvent {
    std::int64_t first_day = 0; // engine day numbers, both included
    std::int64_t last_day = 0;
    std::string name;     // UTF-8
    std::string category; // CATEGORIES: "gesetzlich", "Ferien" …
};

struct HolidayCalendar {
    std::string name; // X-WR-CALNAME: "Feiertage 2025 Bayern"
    std::string zone; // X-WR-TIMEZONE; empty: left out
    std::vector<CalendarEvent> events;
    // German, naming the year and what to do, when the year cannot be
    // written; the calendar is then empty.
    std::string error;
    // German: what the calendar lacks of what was asked, such as school
    // holidays that are not known for the year; empty when nothing.
    std::string note;
};

// The engine's year and region with the chosen categories; the engine stays
// on its day.
HolidayCalendar holiday_calendar(clsCalendar& cal, CategorySet categories);

// "Feiertage_2025_DE-BY.ics"; "Feiertage_2025.ics" without a region.
std::string export_file_name(std::int64_t year, std::string_view region_code);

// "20240503T121502Z" from seconds since 1970 (UTC).
std::string ical_stamp(std::int64_t unix_seconds);

// A TEXT value (RFC 5545, 3.3.11): backslash, semicolon, comma and line
// breaks escaped, other control characters as blanks.
std::string escaped_text(std::string_view text);

// One content line with its CR LF, folded after at most 75 octets (RFC 5545,
// 3.1) and never inside a UTF-8 character.
std::string folded_line(std::string_view content);

// The whole calendar with CR LF line ends; every event carries `stamp_utc`
// in CREATED, LAST-MODIFIED and DTSTAMP, and a UID that the same day and
// name give again in every export. Dates are Gregorian, also where the
// engine counts Julian days (before 15 October 1582). Empty when the
// calendar has an error or an event lies outside the Gregorian years 1..9999.
std::string ical_document(const HolidayCalendar& calendar, std::string_view stamp_utc);

// The document with more components (VTIMEZONEs and VEVENTs, CR LF ended),
// the user's own dates, before its END:VCALENDAR; an empty document stays empty.
std::string with_events(std::string document, std::string_view components);

} // namespace vespera::report
