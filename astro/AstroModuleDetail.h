// The routines behind AstroModule's five entry points: date and time
// conversions, sidereal time, coordinate transforms, nutation, parallax and the
// low-precision Sun and Moon. The rest of the program uses only AstroModule.h;
// these are declared here so that they can be tested on their own.
//
// Angles are degrees at these boundaries, times decimal hours; a time given as
// hours, minutes and seconds is three numbers (h, m, s). Sources:
// Duffett-Smith & Zwart, Practical Astronomy with your Calculator or
// Spreadsheet, 4th ed. (2011); J. Meeus, Astronomical Algorithms, 2nd ed.
#pragma once

#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

namespace AstroModule::detail {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// An angle in radians reduced into [-pi, pi).
inline double signed_angle(double rad) { return rad - kTwoPi * std::floor((rad + kPi) / kTwoPi); }

// ---- integer parts (eclipse.cpp) -------------------------------------------

double GradNormieren(double x); // x - 360 floor(x / 360)
// Whole part that rounds toward minus infinity and takes one more for a
// negative whole number: Abrunden(2.7) = 2, Abrunden(-2.5) = -3, Abrunden(-2) = -3.
double Abrunden(double x);
double Bruchteil(double x); // x - Abrunden(x); Bruchteil(-2) = 1

// ---- dates, times and sidereal time (time_conversions.cpp) -----------------

double DatumZuJD(double day, double month, double year);
double JDZuTag(double jd); // with the fraction of the day
double JDZuMonat(double jd);
double JDZuJahr(double jd);

// Decimal hours (or degrees) of h, m, s; negative when any part is negative.
double GMSZuDezimal(double h, double m, double s);

// A local civil time seen from Greenwich: UT in hours and the Greenwich date.
struct UniversalTime {
    double ut_hours;
    double day; // whole
    double month;
    double year;
};
UniversalTime local_to_universal(double h, double m, double s, double DS, double ZC, double day,
                                 double month, double year);

double OrtszeitZuWeltzeit(double h, double m, double s, double DS, double ZC, double day,
                          double month, double year);
double OrtszeitZuWeltTag(double h, double m, double s, double DS, double ZC, double day,
                         double month, double year);
double OrtszeitZuWeltMonat(double h, double m, double s, double DS, double ZC, double day,
                           double month, double year);
double OrtszeitZuWeltJahr(double h, double m, double s, double DS, double ZC, double day,
                          double month, double year);

// Greenwich sidereal time in hours of a UT on a Greenwich date.
double WeltzeitZuSternzeit(double h, double m, double s, double day, double month, double year);
// Local sidereal time in hours of a Greenwich sidereal time (h, m, s).
double SternzeitZuOrtssternzeit(double h, double m, double s, double GLong);

// Hour angle (hours) of a right ascension (hours) at a local civil time and
// place, and back.
double RektaszensionZuStundenwinkel(double ra_hours, double h, double m, double s, double DS,
                                    double ZC, double day, double month, double year,
                                    double GLong);
double StundenwinkelZuRektaszension(double ha_hours, double h, double m, double s, double DS,
                                    double ZC, double day, double month, double year,
                                    double GLong);

// ---- angles and coordinates (coordinates.cpp) ------------------------------

double Bogenmass(double deg); // factor 0.01745329252
double Grad(double rad);      // factor 57.29577951
// Angle of the point (x, y) in 0..2 pi.
double Atan2(double x, double y);
// Arcsine through the arctangent; arguments beyond +-1 count as +-1.
double ArcSin(double x);

// True obliquity of the ecliptic in degrees (nutation included) for a date.
double Schiefe(double day, double month, double year);

// Right ascension (0..360 degrees) and declination of an ecliptic position.
double EkliptikZuRektaszension(double lon_deg, double lat_deg, double day, double month,
                               double year);
double EkliptikZuDeklination(double lon_deg, double lat_deg, double day, double month, double year);
// Ecliptic longitude (0..360 degrees) and latitude of an equatorial position.
double AequatorZuEklLaenge(double ra_deg, double dec_deg, double day, double month, double year);
double AequatorZuEklBreite(double ra_deg, double dec_deg, double day, double month, double year);

// Nutation in longitude and in obliquity (degrees) for a Greenwich date.
double NutationLaenge(double day, double month, double year);
double NutationSchiefe(double day, double month, double year);

// Parallax in hour angle (result in hours) and declination (degrees) for an
// observer at GLat, height_m above sea level, of a body with horizontal
// parallax hp_deg. A direction whose first letter is 'T' or 't' turns true
// (geocentric) into apparent (topocentric) places; anything else goes back.
double ParallaxeStundenwinkel(double ha_hours, double dec_deg, std::string_view direction,
                              double GLat, double height_m, double hp_deg);
double ParallaxeDeklination(double ha_hours, double dec_deg, std::string_view direction,
                            double GLat, double height_m, double hp_deg);

// ---- low-precision Sun and Moon (sun_moon_low_precision.cpp) ---------------
// Each takes a local civil time (h, m, s), DS, ZC and a date.

double SonneLaenge(double h, double m, double s, double DS, double ZC, double day, double month,
                   double year); // geometric, mean equinox of date, degrees
double SonneAbstand(double h, double m, double s, double DS, double ZC, double day, double month,
                    double year); // astronomical units
double MondLaenge(double h, double m, double s, double DS, double ZC, double day, double month,
                  double year); // geometric, degrees
double MondBreite(double h, double m, double s, double DS, double ZC, double day, double month,
                  double year); // degrees
double MondParallaxe(double h, double m, double s, double DS, double ZC, double day, double month,
                     double year); // equatorial horizontal parallax, degrees

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

// ---- local circumstances (local_circumstances.cpp) -------------------------

// What the contact solution needs, all longitudes and latitudes topocentric,
// in radians; times in hours UT on the new moon's Greenwich date.
struct ContactInput {
    double ut_new_moon_hours;
    double moon_lon1_rad, moon_lat1_rad; // one hour before the new moon
    double moon_lon2_rad, moon_lat2_rad; // one hour after
    double moon_hp1_rad, moon_hp2_rad;   // horizontal parallax at the same two instants
    double sun_motion_rad;               // the Sun's geometric motion over the two hours
    double latitude_crossing_ut_hours;   // t0: the Moon's latitude passes 0
    double sun_lon_rad, sun_lat_rad;     // the Sun near t0
    double sun_distance_au;
};

struct ContactSolution {
    double max_ut_hours;       // greatest eclipse
    double half_duration_sq;   // hours squared; negative: no contact at the place
    double magnitude;
};

ContactSolution solve_contacts(const ContactInput& in);

} // namespace AstroModule::detail
