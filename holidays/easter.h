// The days the movable feasts are counted from: Easter Sunday and the
// fourth Sunday of Advent.
#pragma once

#include <cstdint>

namespace vespera {

// Easter Sunday of a year as (month, day): Gauss's rule in its supplemented
// form, Gregorian after 1582 and Julian up to it.
struct MonthDay {
    std::int32_t month;
    std::int32_t day;
};
MonthDay easter_sunday(std::int64_t year);

// The day number of the last Sunday before Christmas Day.
std::int64_t fourth_advent_sunday(std::int64_t year);

} // namespace vespera
