// The school holidays of one region: a shipped file (German states, Swiss
// cantons, Liechtenstein), Austria's law with the states' deviations, or
// none; the periods the user imported on top; and up to when they are known.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/school_holidays.h"

namespace vespera {

// True for AT-1 .. AT-9, whose school holidays follow from the law.
bool school_holidays_by_law(std::string_view region);

// The region's school holidays around the calendar year `year`: the whole
// file of a region that ships one; for an Austrian state the school years
// that touch `year` (from 2020/21 on), with the state's file overriding the
// law where it deviated. Neither table nor error for a region without any.
SchoolHolidayLoad load_region_school_holidays(std::string_view region, std::int64_t year);

struct SchoolHolidayCoverage {
    bool by_law = false;                        // Austria: no last day
    std::optional<std::int64_t> complete_until; // last day of the covered stretch that holds from_day
    std::optional<std::int64_t> last_known_day; // last covered day at all, a summer alone included
    std::optional<DayRange> next_stretch;       // the first covered stretch after from_day
    std::string problem;                        // why the data could not be read
};

// Up to when the region's school holidays are known, seen from `from_day`:
// from its shipped file or its law, or from a table already loaded (then
// with what the user imported).
SchoolHolidayCoverage school_holiday_coverage(std::string_view region, std::int64_t from_day);
SchoolHolidayCoverage school_holiday_coverage(const SchoolHolidayTable& table, std::int64_t from_day);

class RegionSchoolHolidays {
public:
    // Chooses the region; its school holidays around `year` are read when
    // first asked for (a holiday list without them never reads a file). The
    // imports were the previous region's and are dropped.
    void set_region(std::string_view region_code, std::int64_t year);
    // Austria's are computed for the years around the engine's, so a new
    // year reads them anew; a file's do not change with the year.
    void set_year(std::int64_t year);
    // Imported periods take precedence over the shipped dates within their span.
    void set_imported(std::vector<SchoolHolidayPeriod> periods);

    // Shipped (or computed) and imported together, or nullptr with the
    // reason in problem() (empty where the region has none).
    const SchoolHolidayTable* table() const {
        load();
        return merged_ ? &*merged_ : nullptr;
    }
    const std::string& problem() const {
        load();
        return problem_;
    }

private:
    void load() const;
    void merge() const;
    void forget();

    std::string region_;
    std::int64_t year_ = 0;
    std::vector<SchoolHolidayPeriod> imported_;
    mutable bool loaded_ = true; // no region, nothing to read
    mutable std::optional<SchoolHolidayTable> shipped_;
    mutable std::optional<SchoolHolidayTable> merged_;
    mutable std::string problem_;
};

} // namespace vespera
