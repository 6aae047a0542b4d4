// The Islamic calendar as observed in Saudi Arabia (Umm al-Qura), from its
// published table of month beginnings. Outside the table's years there is
// no date: a month's beginning there is announced, not computed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calendars/calendar_conversions.h"

namespace vespera {

// First and last year of the table (AH).
inline constexpr std::int64_t kFirstUmmAlQuraYear = 1402;
inline constexpr std::int64_t kLastUmmAlQuraYear = 1500;

// The covered day numbers, 1 Muharram 1402 to 29 or 30 Dhu l-Hidjdja 1500.
std::int64_t first_umm_al_qura_day();
std::int64_t last_umm_al_qura_day();

// Year, month (1 = Muharram) and day; empty outside the table.
std::optional<CalendarDate> umm_al_qura_date(std::int64_t day_number);

// Day number of a date; empty outside the table or for a month outside
// 1..12 or a day beyond its month.
std::optional<std::int64_t> umm_al_qura_day_number(std::int64_t year, std::int64_t month, std::int64_t day);

// "1. Ramadan 1446", with the month names of the tabular calendar.
std::string umm_al_qura_text(const CalendarDate& date);

} // namespace vespera
