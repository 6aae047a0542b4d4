// The Moon's phases: its lit part (Meeus, Astronomical Algorithms, 2nd ed.,
// ch. 48) and a year's new and full moons on a zone's clock (ch. 49).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "zones/local_instant.h"
#include "zones/zone.h"

namespace vespera {

// Illuminated fraction of the Moon's disk in percent at a universal instant.
double moon_illuminated_percent(double jd_ut);

// "Neumond" up to 0.2 %, "Vollmond" from 99.8 %, otherwise the percentage
// (one or five decimals) with its trend over the next half hour.
std::string moon_phase_text(double percent, double percent_half_hour_later, bool five_decimals, char separator);

// The full or new moon `index` lunations on from the one nearest a decimal
// date (year + month / 13 + day / 403, the count of the classic routine), as
// a local Julian Day on the zone's clock.
double phase_near_date_local_jd(const Zone& zone, bool full_moon, std::int32_t year, std::int32_t month,
                                std::int32_t day, std::int32_t index);

inline constexpr int kPhaseCount = 15;
using PhaseList = std::array<LocalInstant, kPhaseCount>;

// A year's full and new moons on a zone's clock. Entry 0 is the last phase
// before the year's first local midnight, so entry 1 falls within the
// year's first 30 days and entries 1 to 14 span 13 lunations, more than a
// year.
struct PhaseYear {
    std::array<double, kPhaseCount> full_moon_jd{}; // local clock Julian Days
    std::array<bool, kPhaseCount> blue_moon{};      // the second full moon of a calendar month
    std::array<double, kPhaseCount> new_moon_jd{};
    PhaseList full_moon_local{};
    PhaseList new_moon_local{};
};
PhaseYear phase_year(std::int64_t year, const Zone& zone);

// The entry whose local day is `day_number`, -1 when there is none.
int phase_on_day(const PhaseList& phases, std::int32_t day_number);

} // namespace vespera
