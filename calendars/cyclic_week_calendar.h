// The cyclic week calendar of the other-calendars report: years of 52 whole
// weeks that keep step with the sun by whole leap weeks (the counts are in
// cyclic_week_calendar.cpp).
#pragma once

#include <cstdint>
#include <string>

namespace vespera {

struct CyclicWeekDate {
    std::string text;         // "25. Astron 2183" (8 April 2024), "Nachjul 2183"
    std::string special_day;  // "1. Jul", "2. Jul", "Nachjul", "Vorjul", "Nachjul - Vorjul"; else empty
    std::string special_info; // "Zyklus: (K …, B …, A …, N …)": period, group, subgroup, year in it
};

CyclicWeekDate cyclic_week_date(std::int64_t day_number);

} // namespace vespera
