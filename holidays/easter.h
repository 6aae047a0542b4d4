// Easter Sunday, on which the movable feasts and the Austrian Easter and
// Whitsun school holidays depend.
#pragma once

#include <cstdint>

namespace vespera {

struct MonthDay {
    std::int32_t month;
    std::int32_t day;
};

// Easter Sunday of a year as (month, day): Gauss's rule in its supplemented
// form, Gregorian after 1582 and Julian up to it.
MonthDay easter_sunday(std::int64_t year);

} // namespace vespera
