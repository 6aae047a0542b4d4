// A year's named days in a region: each with its country's name, its
// category, what the region's law makes of it and the law that says so.
// A pure function of region, place and year.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "holidays/communes.h"
#include "holidays/date_rule.h"
#include "holidays/region.h"
#include "holidays/region_law.h"

namespace vespera::holidays {

struct NamedDay {
    std::int64_t day_number = 0;
    std::string_view name;
    Category category = Category::Kirchlich;
    Status status = Status::None;
    std::string_view note; // German: where it holds, or why a place stays regional
    std::string_view law;  // the law behind the status; empty when None
    std::int16_t row = 0;  // index in the country's table: the order of days of one date
    bool has_statutes = false; // a public holiday somewhere in the country at some time
    bool by_commune = false;   // statutory because the place's commune is on the law's list
};

// Sorted by day, days of one date in table order. Season rows need the
// season days (the place's clock decides them); without, they are left out.
std::vector<NamedDay> year_days(const Region& region, const Locality& place, std::int64_t year,
                                const std::optional<SeasonDays>& seasons = std::nullopt);
std::vector<NamedDay> year_days(std::string_view region_code, const Locality& place, std::int64_t year,
                                const std::optional<SeasonDays>& seasons = std::nullopt);

// What one row, falling on `day_number`, is in a region, place and year (Status::None where it is
// only its category), with the note and the law.
struct RowStatus {
    Status status = Status::None;
    std::string_view note;
    std::string_view law;
    bool by_commune = false;
};
RowStatus row_status(const CountryLaw& law, const DayRow& row, const Region& region, const Locality& place,
                     std::int64_t year, std::int64_t day_number);

// Short ids for lists and the command line: "gesetzlich", "regional",
// "schulfrei", and the categories "kirchlich", "Gedenktag", "Brauchtum",
// "astronomisch", "Jahreskreisfest".
std::string_view status_id(Status status);
std::string_view category_id(Category category);

} // namespace vespera::holidays
