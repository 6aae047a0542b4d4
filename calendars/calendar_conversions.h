// Day number to the dates of other calendars, free of engine state so that
// every conversion can be checked against independent counts over the whole
// range of the engine's years. All arithmetic is exact in 64 bits; "Int" of
// the classic formulas is a floor division.
#pragma once

#include <array>
#include <cstdint>

namespace vespera {

struct CalendarDate {
    std::int64_t year;
    std::int64_t month;
    std::int64_t day;
};

// 1 Vendémiaire of the Republican year 0 (23 September 1791).
inline constexpr std::int64_t kRepublicanYearZeroDay = 2375475;

// The tabular Islamic calendar, civil epoch 16 July 622 (Julian).
CalendarDate islamic_date(std::int64_t day_number);

// Twelve months of 30 days and five further days (month 13), counted from
// `epoch_day` as 1 Thot of year 1; there is no year 0.
CalendarDate egyptian_date(std::int64_t day_number, std::int64_t epoch_day);

// French Republican date in four-year groups whose fourth year has the sixth
// complementary day. Before kRepublicanYearZeroDay the same groups run on
// backwards (year -1 ends on 22 September 1791).
CalendarDate republican_date(std::int64_t day_number);

// Maya long count from the largest unit down to the days, GMT correlation;
// the counts truncate toward zero, so days before the epoch read negative.
std::array<std::int64_t, 8> maya_long_count(std::int64_t day_number);

} // namespace vespera
