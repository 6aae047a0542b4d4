// The Indian national calendar (Saka era), in use since 22 March 1957 =
// 1 Chaitra 1879: the year begins on 22 March, on 21 March in a Gregorian
// leap year; Chaitra has 30 days (31 in a leap year), the next five months
// 31, the last six 30. Proleptic Gregorian before 1957.
#pragma once

#include <cstdint>
#include <string>

#include "calendars/calendar_conversions.h"

namespace vespera {

// Year (Saka), month (1 = Chaitra) and day.
CalendarDate indian_date(std::int64_t day_number);
std::int64_t indian_day_number(std::int64_t year, std::int64_t month, std::int64_t day);

// "1. Chaitra 1947".
std::string indian_text(const CalendarDate& date);

} // namespace vespera
