// The school holidays of any region: a shipped file (German states, Swiss
// cantons, Liechtenstein), Austria's law with its deviations, or none; and up
// to when they are known.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/school_holidays.h"

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
    std::string problem;                        // why the data could not be read
};

// Up to when the region's school holidays are known, seen from `from_day`.
SchoolHolidayCoverage school_holiday_coverage(std::string_view region, std::int64_t from_day);

} // namespace vespera
