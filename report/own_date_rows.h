// The user's own dates beside the almanac: the day report's section, the
// year's list, the month's marks, the status line and the year's birthdays,
// all on the place's clock.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "own_dates/occurrences.h"
#include "own_dates/own_date.h"
#include "report/month_grid.h"
#include "report/report.h"
#include "zones/zone.h"

namespace vespera::report {

// One occurrence of an own date, with what the lists show of it.
struct OwnDateEntry {
    std::int64_t first_day = 0; // local days, both included
    std::int64_t last_day = 0;
    std::string label;          // "Anna: 40. Geburtstag"
    std::string short_label;    // "Anna (40)", "14:30 Zahnarzt": what a month's cell has room for
    std::string title;          // "Anna"
    own_dates::Kind kind = own_dates::Kind::termin;
    std::optional<std::int64_t> years;         // the age or the count; none for an appointment
    std::optional<std::int32_t> start_minutes; // on the place's clock; none all day
    bool leap_day_moved = false;               // a 29 February kept on 28 February or 1 March
    std::string uid;
};

// Occurrences on the zone's clock, with the 29 February rule: what the
// window's dialog lists a day's dates with too.
own_dates::OccurrenceOptions occurrence_options(const Zone& zone, own_dates::LeapDayRule leap_day);

// The store's dates seen on one place's clock. Built again when the dates,
// the place's zone or the 29 February rule change.
class OwnDateCalendar {
public:
    OwnDateCalendar() = default;
    OwnDateCalendar(std::vector<own_dates::OwnDate> dates, const std::map<std::string, std::string>& timezones,
                    const Zone& zone, own_dates::LeapDayRule leap_day);

    bool empty() const { return dates_.empty(); }
    const std::vector<own_dates::OwnDate>& dates() const { return dates_; }
    std::vector<OwnDateEntry> between(std::int64_t first_day, std::int64_t last_day);
    // The month's cells: each day's labels and the first one's short name,
    // without the entries' other strings (a month of a large address book
    // holds some 800).
    void mark_month(MonthGrid& grid);
    std::vector<OwnDateEntry> in_year(std::int64_t year);
    // A date with more occurrences in a year than are listed (a daily rule).
    bool cut() const { return index_ && index_->cut(); }

private:
    std::vector<OwnDateEntry> entries(const std::vector<own_dates::DateOccurrence>& found) const;

    std::vector<own_dates::OwnDate> dates_;
    std::optional<own_dates::OccurrenceIndex> index_;
};

// "Geburtstage", "Jahrestage", "Termine": a filter's name in headings.
std::string kind_plural(own_dates::Kind kind);

// The day report's section "Termine" for `day`, appended; nothing when the
// day has none.
void add_own_date_section(Report& report, OwnDateCalendar& dates, std::int64_t day);

// "Termine 2027" (with a kind: "Termine 2027 · Geburtstage"): every
// occurrence of the year by date, its kind in the category column.
Report own_date_list(OwnDateCalendar& dates, std::int64_t year, std::optional<own_dates::Kind> kind = std::nullopt);

// The month's cells: each day's own dates in order.
void add_own_dates(MonthGrid& grid, OwnDateCalendar& dates);

// "Heute: Annas Geburtstag (40), Hochzeitstag (25 Jahre)"; empty without any.
std::string today_text(const std::vector<OwnDateEntry>& today);

// The year's birthdays and anniversaries by month, for the one-page
// "Geburtstagskalender": each month's entries by day.
struct BirthdayCalendar {
    std::int64_t year = 0;
    std::array<std::vector<OwnDateEntry>, 12> months;
    bool empty() const;
};
BirthdayCalendar birthday_calendar(OwnDateCalendar& dates, std::int64_t year);

} // namespace vespera::report
