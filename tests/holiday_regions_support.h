// Shared by the region tests: a year's days of one status as "MM-DD Name"
// lines, so that a table row reads like the law's list.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "ephemeris/calendar.h"
#include "holidays/region_days.h"

namespace holiday_regions_test {

inline std::string month_day(std::int64_t day_number) {
    const vespera::CivilDate date = vespera::civil_date(day_number);
    char text[8];
    std::snprintf(text, sizeof text, "%02d-%02d", date.month, date.day);
    return text;
}

inline std::vector<std::string> days_with(vespera::holidays::Status status, const std::string& region, int year,
                                          vespera::holidays::Locality place = {}) {
    std::vector<std::string> lines;
    for (const vespera::holidays::NamedDay& day : vespera::holidays::year_days(region, place, year)) {
        if (day.status == status) lines.push_back(month_day(day.day_number) + " " + std::string(day.name));
    }
    return lines;
}

inline std::vector<std::string> statutory(const std::string& region, int year,
                                          vespera::holidays::Locality place = {}) {
    return days_with(vespera::holidays::Status::Statutory, region, year, place);
}

} // namespace holiday_regions_test
