// Solar and lunar eclipses on a place's clock: which local day an eclipse
// belongs to, and a year's eclipses with how the place sees them.
//
// What a report calls:
// - Day report: clsCalendar::solar_eclipse_of_day() and
//   lunar_eclipse_of_day() (or the free functions below with a zone) give
//   the eclipse whose local date is the engine's day, and nothing on every
//   other day. A solar eclipse belongs to the local date of its maximum at
//   the place, or of greatest eclipse when the place sees none of it; a
//   lunar eclipse to the local date of its maximum. Contact instants are
//   Julian Days of UT, to be read on the place's clock through the zone
//   (each at its own instant); EclipseContact::sun_up() and
//   LunarEclipseSeen::moon_up() say which contacts happen with the body
//   below the horizon ("Beginn vor Sonnenaufgang", "Ende nach
//   Sonnenuntergang").
// - Year list: clsCalendar::eclipses_of_year() gives the solar and lunar
//   eclipses whose local date lies in the engine's year, in time order,
//   each with the same circumstances.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "astro/lunar_eclipse.h"
#include "astro/solar_eclipse.h"
#include "zones/zone.h"

namespace vespera {

struct SolarEclipseDay {
    std::int32_t day_number = 0; // the local date
    GlobalSolarEclipse global;
    LocalSolarEclipse local;     // kind None: the place lies outside the penumbra
};

struct LunarEclipseDay {
    std::int32_t day_number = 0; // the local date of the maximum
    LunarEclipse eclipse;
    LunarEclipseSeen seen;
};

struct YearEclipses {
    std::vector<SolarEclipseDay> solar; // in time order
    std::vector<LunarEclipseDay> lunar;
};

std::optional<SolarEclipseDay> solar_eclipse_on_day(std::int32_t day_number, const Zone& zone, double latitude_deg,
                                                    double longitude_deg);
std::optional<LunarEclipseDay> lunar_eclipse_on_day(std::int32_t day_number, const Zone& zone, double latitude_deg,
                                                    double longitude_deg);
YearEclipses eclipses_of_year(std::int64_t year, const Zone& zone, double latitude_deg, double longitude_deg);

} // namespace vespera
