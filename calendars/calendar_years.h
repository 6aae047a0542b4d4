// The astronomical calendars' years that meet one Gregorian year, computed
// once (with the year's other tables) so that each day's date is a lookup.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "calendars/chinese.h"
#include "calendars/persian.h"

namespace vespera {

struct AstronomicalCalendarYears {
    std::int64_t gregorian_year;
    std::array<std::optional<ChineseYear>, 2> chinese; // begun in the year before and in this one
    std::array<std::optional<PersianYear>, 2> persian; // likewise
};

AstronomicalCalendarYears astronomical_calendar_years(std::int64_t gregorian_year);

// A day of any year: from the tables when they hold it, else computed.
std::optional<ChineseDate> chinese_date(const AstronomicalCalendarYears& years, std::int64_t day_number);
std::optional<CalendarDate> persian_date(const AstronomicalCalendarYears& years, std::int64_t day_number);

} // namespace vespera
