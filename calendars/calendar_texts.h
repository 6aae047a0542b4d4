// A day written in other calendars, as the "andere Kalender" rows show it:
// "26. März 2024", "29. Ramadan 1445", "17. Germinal 232".
#pragma once

#include <cstdint>
#include <string>

namespace vespera {

std::string gregorian_text(std::int64_t day_number);
// `ab_urbe_condita`: the years counted from the founding of Rome, "a.u.c.".
std::string julian_text(std::int64_t day_number, bool ab_urbe_condita);
// Empty outside the twelve months.
std::string islamic_text(std::int64_t day_number);
// Eras 4 to 8: from 4241 BC, Nabonassar, Alexander, Armenian, Old Persian;
// another era counts from day 0. Empty outside the thirteen months.
std::string egyptian_text(std::int64_t day_number, std::int32_t era);
// Day, month and year as bare numbers before the calendar's year 0.
std::string republican_text(std::int64_t day_number);
// The long count from the largest unit down ("0.0.0.13.0.11.8.6"), with the
// caller's decimal separator in the numbers' text.
std::string maya_text(std::int64_t day_number, char separator);

} // namespace vespera
