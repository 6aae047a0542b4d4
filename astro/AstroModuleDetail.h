// The routines behind AstroModule's entry points that are not the eclipse
// geometry itself: the module's dates and local civil time, its integer
// parts, and the lunation count with the occurrence test by the Moon's
// distance from its node (Duffett-Smith & Zwart, Practical Astronomy with
// your Calculator or Spreadsheet, 4th ed.). The rest of the program uses
// AstroModule.h; these are declared here so that they can be tested alone.
#pragma once

#include <string_view>

namespace AstroModule::detail {

// ---- integer parts (eclipse.cpp) -------------------------------------------

double GradNormieren(double x); // x - 360 floor(x / 360)
// Whole part that rounds toward minus infinity and takes one more for a
// negative whole number: Abrunden(2.7) = 2, Abrunden(-2.5) = -3, Abrunden(-2) = -3.
double Abrunden(double x);
double Bruchteil(double x); // x - Abrunden(x); Bruchteil(-2) = 1

// ---- dates and local civil time (time_conversions.cpp) ---------------------

double DatumZuJD(double day, double month, double year);
double JDZuTag(double jd); // with the fraction of the day
double JDZuMonat(double jd);
double JDZuJahr(double jd);

// A local civil time (h, m, s) seen from Greenwich: UT in hours and the
// Greenwich date.
struct UniversalTime {
    double ut_hours;
    double day; // whole
    double month;
    double year;
};
UniversalTime local_to_universal(double h, double m, double s, double DS, double ZC, double day,
                                 double month, double year);

// ---- new moons and the occurrence test (eclipse.cpp) -----------------------

// Lunation number of the new moon nearest the date (0 near 1900 January 0).
double lunation_number(double DS, double ZC, double day, double month, double year);

struct NewMoon {
    double jd_ut;
    double argument_of_latitude_rad; // F, 0..2 pi
};
NewMoon new_moon_of_lunation(double k);

// Distance of the argument of latitude from the nearer node, in radians as
// the occurrence test measures it.
double node_distance_rad(double argument_of_latitude_rad);
// One of the three occurrence texts for a node distance.
std::string_view occurrence_for_node_distance(double distance_rad);

} // namespace AstroModule::detail
