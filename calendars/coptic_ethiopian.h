// The Coptic and the Ethiopian (Amete Mihret) calendar: the Alexandrian
// year of twelve months of 30 days and a 13th of 5 days, 6 in the year
// before a Julian leap year (year mod 4 = 3), from two epochs.
#pragma once

#include <cstdint>
#include <string>

#include "calendars/calendar_conversions.h"

namespace vespera {

// Year, month (1 = Thout, Maskarem; 13 = the epagomenal days) and day.
CalendarDate coptic_date(std::int64_t day_number);
CalendarDate ethiopian_date(std::int64_t day_number);
std::int64_t coptic_day_number(std::int64_t year, std::int64_t month, std::int64_t day);
std::int64_t ethiopian_day_number(std::int64_t year, std::int64_t month, std::int64_t day);

// "1. Thoout 1742", "1. Maskarem 2018".
std::string coptic_text(const CalendarDate& date);
std::string ethiopian_text(const CalendarDate& date);

} // namespace vespera
