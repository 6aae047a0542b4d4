// The days on which own dates fall, for a month, a year or any span of
// days, on the place's clock. Values only; occurrence_text.h words them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/ical_recurrence.h"
#include "own_dates/own_date.h"

namespace vespera::own_dates {

// Where a yearly date of 29 February falls in a common year. The default
// follows § 188 Abs. 3 BGB: a period counted in months or years whose last
// month lacks the day ends on that month's last day, here 28 February.
enum class LeapDayRule { february_28, march_1 };

// The place's wall clock of a UTC reading (through the place's Zone).
using LocalClock = std::function<ical::DayTime(ical::DayTime utc)>;

struct OccurrenceOptions {
    LeapDayRule leap_day = LeapDayRule::february_28;
    LocalClock local_clock; // empty: UTC
};

struct DateOccurrence {
    std::size_t index = 0;      // of the date in the list the index was built from
    std::int64_t first_day = 0; // local days covered, both included
    std::int64_t last_day = 0;
    std::optional<std::int32_t> start_seconds; // on the local clock; none all day
    // Whole years since the first date: the age on a birthday, the years on
    // an anniversary; none for an appointment or a date without its year.
    std::optional<std::int64_t> years;
    bool leap_day_moved = false; // 29 February kept on 28 February or 1 March
    friend bool operator==(const DateOccurrence&, const DateOccurrence&) = default;
};

// Built once from the store's dates (again after every change); it keeps
// what it needs, not the dates. Dates that only libical can expand (an
// imported RRULE, a time in a zone or in UTC) are expanded once per year
// asked for and kept.
class OccurrenceIndex {
public:
    OccurrenceIndex(const std::vector<OwnDate>& dates, const std::map<std::string, std::string>& timezones,
                    OccurrenceOptions options = {});

    // Occurrences touching the local days first_day..last_day, by first day,
    // all-day ones before those with a time, then by time and list order.
    std::vector<DateOccurrence> between(std::int64_t first_day, std::int64_t last_day);
    std::vector<DateOccurrence> in_year(std::int64_t year);

    // True when a date had more occurrences in a year than are listed.
    bool cut() const { return cut_; }

private:
    struct WallDate {
        std::size_t index;
        std::int64_t first_day;
        std::int32_t day_count;
        std::int32_t month, day; // of the first day
        std::int64_t year;       // of the first day
        bool yearly;
        bool counts_years;
        std::optional<std::int32_t> start_seconds;
    };
    struct Expanded {
        std::size_t index;
        ical::Series series;
        std::int64_t first_year;
        bool counts_years;
    };

    void add_wall(const WallDate& date, std::int64_t first_day, std::int64_t last_day,
                  std::vector<DateOccurrence>& out) const;
    void add_in_year(const WallDate& date, std::int64_t year, std::int64_t first_day, std::int64_t last_day,
                     std::vector<DateOccurrence>& out) const;
    const std::vector<DateOccurrence>& expanded_year(std::int64_t year);

    // Yearly dates of one day (but 29 February) by month, so that a month
    // looks at its own; every other date on the wall clock in wall_.
    std::array<std::vector<WallDate>, 12> yearly_by_month_;
    std::vector<WallDate> wall_;
    std::vector<Expanded> expanded_;
    std::int64_t longest_days_ = 1; // of any date, for spans that began before the window
    std::map<std::int64_t, std::vector<DateOccurrence>> expanded_years_;
    ical::ZoneSet zones_;
    OccurrenceOptions options_;
    bool cut_ = false;
};

} // namespace vespera::own_dates
