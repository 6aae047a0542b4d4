// Working days, bridge days and the calendar span between two dates, for a
// region's statutory holidays. Monday to Friday are working days unless a
// day is statutory in the region (or the given commune); a day statutory
// only in parts of the region ("regional") or school-free does not count
// as a holiday here.
#pragma once

#include <cstdint>
#include <vector>

#include "holidays/communes.h"
#include "holidays/region.h"

namespace vespera::holidays {

// The region's statutory days of a year, sorted, each once.
std::vector<std::int64_t> statutory_days(const Region& region, const Locality& place, std::int64_t year);

// Working days from `first_day` to `last_day`, both days included (1 Dec to
// 31 Dec counts both). The order of the two days does not matter.
std::int64_t working_days(const Region& region, const Locality& place, std::int64_t first_day,
                          std::int64_t last_day);

// Bridge days ("Brückentag") of a year: single working days between a
// statutory holiday and a weekend or another holiday, such as the Friday
// after Ascension. Sorted.
std::vector<std::int64_t> bridge_days(const Region& region, const Locality& place, std::int64_t year);

// The calendar span from one date to a later one in whole years, months and
// days: 31 January to 1 March 2026 is 1 month and 1 day. Reversed dates give
// the span the other way round, with `earlier_first` false.
struct CalendarSpan {
    std::int64_t years = 0;
    std::int64_t months = 0;
    std::int64_t days = 0;
    bool earlier_first = true;
};
CalendarSpan calendar_span(std::int64_t from_day, std::int64_t to_day);

} // namespace vespera::holidays
