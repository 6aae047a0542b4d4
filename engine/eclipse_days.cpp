// The engine's own day and year asking for eclipses at its place and zone.
#include "engine/clsCalendar.h"

std::optional<vespera::SolarEclipseDay> clsCalendar::solar_eclipse_of_day() {
    return guarded("solar_eclipse_of_day", std::optional<vespera::SolarEclipseDay>{},
                   [&] { return vespera::solar_eclipse_on_day(f_.JD, zone(), f_.Latitude, f_.Longitude); });
}

std::optional<vespera::LunarEclipseDay> clsCalendar::lunar_eclipse_of_day() {
    return guarded("lunar_eclipse_of_day", std::optional<vespera::LunarEclipseDay>{},
                   [&] { return vespera::lunar_eclipse_on_day(f_.JD, zone(), f_.Latitude, f_.Longitude); });
}

vespera::YearEclipses clsCalendar::eclipses_of_year() {
    return guarded("eclipses_of_year", vespera::YearEclipses{},
                   [&] { return vespera::eclipses_of_year(f_.Jahr, zone(), f_.Latitude, f_.Longitude); });
}
