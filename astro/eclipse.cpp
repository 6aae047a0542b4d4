// New moons and whether they eclipse the Sun: the lunation count from 1900,
// the mean new moon with its periodic corrections, and the occurrence test by
// the Moon's distance from its node. Duffett-Smith & Zwart, Practical
// Astronomy with your Calculator or Spreadsheet, 4th ed., the new-moon and
// solar-eclipse routines (after Meeus, Astronomical Formulae for Calculators).
#include <cmath>

#include "astro/AstroModule.h"
#include "astro/AstroModuleDetail.h"

namespace AstroModule::detail {

namespace {

// Node distances (radians of the argument of latitude) within which a new
// moon eclipses the Sun somewhere for certain, and at all.
constexpr double kCertainLimit_rad = 0.242600766;
constexpr double kPossibleLimit_rad = 0.37;

double sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

} // namespace

double GradNormieren(double x) { return x - 360.0 * std::floor(x / 360.0); }

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
    const double t = k / 1236.85;
    const double t2 = t * t;
    const double a = 29.53 * k;
    const double c = Bogenmass(166.56 + (132.87 - 0.009173 * t) * t);
    double b = 0.00058868 * k + (0.0001178 - 0.000000155 * t) * t2 + 0.00033 * std::sin(c) + 0.75933;
    const double m = Bogenmass(GradNormieren(359.2242 + 360.0 * Bruchteil(k / 12.36886) -
                                             (0.0000333 + 0.00000347 * t) * t2));
    const double mp = Bogenmass(GradNormieren(306.0253 + 360.0 * Bruchteil(k / 0.9330851) +
                                              (0.0107306 + 0.00001236 * t) * t2));
    const double f = Bogenmass(GradNormieren(21.2964 + 360.0 * Bruchteil(k / 0.9214926) -
                                             (0.0016528 + 0.00000239 * t) * t2));
    const double dd = (0.1734 - 0.000393 * t) * std::sin(m) + 0.0021 * std::sin(2.0 * m) -
                      0.4068 * std::sin(mp) + 0.0161 * std::sin(2.0 * mp) -
                      0.0004 * std::sin(3.0 * mp) + 0.0104 * std::sin(2.0 * f) -
                      0.0051 * std::sin(m + mp) - 0.0074 * std::sin(m - mp) +
                      0.0004 * std::sin(2.0 * f + m) - 0.0004 * std::sin(2.0 * f - m) -
                      0.0006 * std::sin(2.0 * f + mp) + 0.0010 * std::sin(2.0 * f - mp) +
                      0.0005 * std::sin(m + 2.0 * mp);
    // Whole days and the fraction are kept apart to hold the fraction's precision.
    const double a_whole = std::floor(a);
    b += dd + (a - a_whole);
    const double whole_days = a_whole + std::floor(b);
    const double fraction = b - std::floor(b);
    return {2415020.0 + whole_days + fraction, f};
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
