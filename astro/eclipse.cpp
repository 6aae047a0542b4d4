// New moons and whether they eclipse the Sun: the lunation count from 1900
// and the occurrence test by the Moon's distance from its node (Duffett-Smith
// & Zwart, Practical Astronomy with your Calculator or Spreadsheet, 4th ed.,
// the solar-eclipse routines). The new moon itself is the ephemeris's.
#include <cmath>

#include "astro/AstroModule.h"
#include "astro/AstroModuleDetail.h"
#include "ephemeris/angles.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/time_scales.h"

namespace AstroModule::detail {

namespace {

// Node distances (radians of the argument of latitude) within which a new
// moon eclipses the Sun somewhere for certain, and at all.
constexpr double kCertainLimit_rad = 0.242600766;
constexpr double kPossibleLimit_rad = 0.37;

// Lunation 0 of the module's count lies near 1900 January 0; Meeus's k = 0 is
// the new moon of 6 January 2000, 1237 lunations later.
constexpr double kLunationsFrom1900ToMeeusZero = 1237.0;

double sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

} // namespace

double GradNormieren(double x) { return vespera::reduce_degrees(x); }

double Abrunden(double x) { return std::trunc(x) + std::trunc((sign(x) - 1.0) / 2.0); }

double Bruchteil(double x) { return x - Abrunden(x); }

double lunation_number(double DS, double ZC, double day, double month, double year) {
    // The Greenwich date of local noon picks the lunation. Years count
    // astronomically here as everywhere in the module (the year before 1 is
    // 0), so a negative year is used as it is: moving it by one would select a
    // new moon a year after the date.
    const UniversalTime noon = local_to_universal(12, 0, 0, DS, ZC, day, month, year);
    const double day_of_year = DatumZuJD(noon.day, noon.month, noon.year) - DatumZuJD(0, 1, noon.year);
    return Abrunden((noon.year - 1900.0 + day_of_year / 365.0) * 12.3685 + 0.5);
}

NewMoon new_moon_of_lunation(double k) {
    const vespera::LunarPhase phase = vespera::lunar_phase(k - kLunationsFrom1900ToMeeusZero, false);
    const double jd_ut = phase.jde - vespera::delta_t_seconds(phase.jde) / vespera::kSecondsPerDay;
    return {jd_ut, phase.argument_of_latitude_deg * vespera::kRoundedRadPerDeg};
}

double node_distance_rad(double argument_of_latitude_rad) {
    constexpr double kPiHere = 3.141592654;
    const double f = argument_of_latitude_rad;
    double x = std::abs(f - kPiHere * Abrunden(f / kPiHere));
    if (x > kPossibleLimit_rad) x = kPiHere - x;
    return x;
}

std::string_view occurrence_for_node_distance(double distance_rad) {
    if (distance_rad < kCertainLimit_rad) return kSolarEclipseCertain;
    if (distance_rad <= kPossibleLimit_rad) return kSolarEclipsePossible;
    return kNoSolarEclipse; // also for a distance that is not a number
}

} // namespace AstroModule::detail

namespace AstroModule {

std::string Finsternis_Vorkommen(double DS, double ZC, double day, double month, double year) {
    const double k = detail::lunation_number(DS, ZC, day, month, year);
    const double f = detail::new_moon_of_lunation(k).argument_of_latitude_rad;
    return std::string(detail::occurrence_for_node_distance(detail::node_distance_rad(f)));
}

double Neumond_JD(double DS, double ZC, double day, double month, double year) {
    return detail::new_moon_of_lunation(detail::lunation_number(DS, ZC, day, month, year)).jd_ut;
}

} // namespace AstroModule
