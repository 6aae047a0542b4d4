// A year's table of named days in a region, as the engine keeps it: the
// region's country's rows (holidays/law_*.cpp) that the region lists, by
// day, entries of one day in the order of their rows. A German region, and
// a place outside the countries whose laws are kept, always has the 73
// described rows of law_de.cpp, then the rows its state adds.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "holidays/communes.h"
#include "holidays/holiday_law.h"
#include "holidays/named_days.h"

namespace vespera {

// The local days on which the seasons begin (March, June, September,
// December): the place's clock decides them, so the caller works them out.
using SeasonDays = std::array<std::int32_t, 4>;

struct Holiday {
    std::int32_t day = 0;
    std::string_view name; // always a literal of static storage
    std::int16_t slot = 0; // the row in its country's table; decides between equal days
    std::int8_t season = -1; // 0..3 for a season row, whose day the place's clock moves
    StatutoryStatus status = StatutoryStatus::No;
    DayCategory category = DayCategory::Kirchlich;
    bool one_place = false;    // statutory by the place's commune, not in the whole region
    bool has_statutes = false; // statutory somewhere in the country at some time
    std::string_view note;     // German: where it holds, or why the place stays regional
    std::string_view law;      // the law behind the status
};

struct HolidayYear {
    std::vector<Holiday> entries;
    std::int32_t count = 0; // entries.size()
    std::int32_t easter_day = 0;
};

// The place decides the days of communes: its commune key where known,
// else its name. An unknown region code is a place elsewhere.
HolidayYear holiday_year(std::int32_t year, std::string_view region_code, const holidays::Locality& place,
                         const SeasonDays& seasons);

// The season rows moved to new days, the table sorted again.
void move_season_days(HolidayYear& table, const SeasonDays& seasons);

NamedDayEntry named_day_entry(const Holiday& holiday);

// The entries of one day, in table order.
std::vector<NamedDayEntry> named_days_on(const HolidayYear& table, std::int32_t day_number);

// The most rows one year's table can hold, over every country's law.
std::size_t largest_holiday_table();

} // namespace vespera
