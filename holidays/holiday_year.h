// A year's table of named days in a region: one entry per rule of
// named_days.h that the region lists, by day, entries of one day in the
// order of their rules.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "holidays/holiday_law.h"
#include "holidays/named_days.h"

namespace vespera {

// The local days on which the seasons begin (March, June, September,
// December): the place's clock decides them, so the caller works them out.
using SeasonDays = std::array<std::int32_t, 4>;

struct Holiday {
    std::int32_t day = 0;
    std::string_view name; // always a literal of static storage
    std::uint8_t slot = 0; // the rule's row; decides between equal days
    StatutoryStatus status = StatutoryStatus::No;
    bool one_place = false;
};

struct HolidayYear {
    std::array<Holiday, kDayRows.size()> entries{};
    std::int32_t count = 0; // entries in use: kDescribedDayCount and the region's own
    std::int32_t easter_day = 0;
};

// The described rows always, then the rows that only the region lists.
// Without a region the table is the described one.
HolidayYear holiday_year(std::int32_t year, std::string_view region_code, std::string_view place,
                         const SeasonDays& seasons);

// The season rows moved to new days, the table sorted again.
void move_season_days(HolidayYear& table, const SeasonDays& seasons);

NamedDayEntry named_day_entry(const Holiday& holiday);

// The entries of one day, in table order.
std::vector<NamedDayEntry> named_days_on(const HolidayYear& table, std::int32_t day_number);

} // namespace vespera
