// The user's own dates: birthdays, anniversaries and appointments, as the
// window edits them and termine.ics keeps them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ical_recurrence.h"

namespace vespera::own_dates {

enum class Kind { geburtstag, jahrestag, termin };

// once: the date (or span) alone. yearly: every year on the date's day and
// month. rule: the RRULE, RDATE and EXDATE an imported file brought.
enum class Repeat { once, yearly, rule };

inline constexpr std::size_t kMaxTitleBytes = 200;
inline constexpr std::size_t kMaxNoteBytes = 16 * 1024;
inline constexpr std::size_t kMaxUidBytes = 255;
inline constexpr std::int32_t kMaxDayCount = 3660; // as long as an event may be
// libical 3.0 writes no date after the year 3000 (it writes zeros instead).
inline constexpr std::int64_t kFirstYear = 1;
inline constexpr std::int64_t kLastYear = 3000;

struct OwnDate {
    std::string uid; // stable: kept from the file, made once for a new date
    std::string title;
    std::string note;
    Kind kind = Kind::termin;
    std::int64_t first_day = 0; // day number of the (first) date, proleptic Gregorian
    std::int32_t day_count = 1; // days covered by an all-day date
    bool year_known = true;     // false: a birthday known without its year ("--0415")
    // The time on the clock; none for an all-day date.
    std::optional<std::int32_t> start_seconds;
    std::int64_t duration_seconds = 0;         // of a date with a time
    ical::Clock clock = ical::Clock::floating; // of a date with a time: floating, utc or zoned
    std::string tzid;                          // zoned only
    Repeat repeat = Repeat::once;
    std::string rrule; // rule only
    std::vector<ical::EventTime> rdates, exdates;
    std::vector<std::string> categories; // beyond the kind
    std::vector<std::string> kept;       // other iCalendar properties, kept in the file
    std::int64_t modified_unix = 0;      // the last change, UTC
    friend bool operator==(const OwnDate&, const OwnDate&) = default;
};

// "Geburtstag", "Jahrestag", "Termin": the CATEGORIES value in the file.
std::string_view kind_name(Kind kind);
// The kind a category names, also as other calendars and address books
// write it ("Birthday", "Anniversary"); none for any other category.
std::optional<Kind> kind_of_category(std::string_view category);

// When the date happens, in RFC 5545's terms.
ical::Series series_of(const OwnDate& date);

// The year a date without a known year is written with: 1604, a leap year,
// so that 29 February exists, as address books commonly write it.
inline constexpr std::int64_t kYearUnknown = 1604;

// A title as it may be kept: valid UTF-8, no control characters, trimmed,
// at most kMaxTitleBytes. A note keeps its line breaks.
std::string clean_title(std::string_view raw);
std::string clean_note(std::string_view raw);

// German, when `date` cannot be kept as it is; empty when it can.
std::string date_problem(const OwnDate& date);

// A new random UID (RFC 4122 version 4, "…@vespera").
std::string new_uid();

} // namespace vespera::own_dates
