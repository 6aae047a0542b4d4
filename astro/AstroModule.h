// AstroModule: solar eclipse prediction (free functions, no state).
//
// Whether the new moon nearest a date brings a solar eclipse, and for a place
// its first contact, last contact and magnitude. The lunation and the
// occurrence test are those of P. Duffett-Smith & J. Zwart, Practical
// Astronomy with your Calculator or Spreadsheet, 4th ed. (2011); the
// circumstances at the place come from the accurate Sun and Moon
// (astro/solar_eclipse.h), which also gives the second and third contacts,
// the obscuration and the Sun's altitude at each contact.
//
// Arguments: DS is the daylight-saving offset in hours, ZC the zone correction
// in hours east of Greenwich (local civil time = UT + ZC + DS); GLong is the
// geographic longitude in degrees, east positive; GLat the latitude in
// degrees, north positive. Dates are (day, month, year); the day may carry a
// fraction. Julian calendar before 1582 October 15, Gregorian from then on.
#pragma once

#include <string>
#include <string_view>

namespace AstroModule {

inline constexpr std::string_view kNoSolarEclipse = "No solar eclipse";
inline constexpr std::string_view kSolarEclipsePossible = "Solar eclipse possible";
inline constexpr std::string_view kSolarEclipseCertain = "Solar eclipse certain";

// Returned by the circumstance routines when the place sees no eclipse.
inline constexpr double kNoEclipseHere = -99.0;

// Whether the new moon nearest the date eclipses the Sun somewhere on Earth:
// one of the three texts above.
std::string Finsternis_Vorkommen(double DS, double ZC, double day, double month, double year);

// Julian day (UT, with fraction) of the new moon of the lunation nearest the
// date (the lunation is picked from the date's fraction of the year, so the
// new moon may lie before the date).
double Neumond_JD(double DS, double ZC, double day, double month, double year);

// The circumstances answer kNoEclipseHere when the occurrence test says "No
// solar eclipse", when the place lies outside the Moon's penumbra, and when
// the Sun stays below the place's horizon from first to last contact.

// First contact at the place in hours UT + ZC, reduced into 0..24, or
// kNoEclipseHere.
double Finsternis_Beginn(double day, double month, double year, double DS, double ZC, double GLong,
                         double GLat);

// Last contact at the place in hours UT (ZC is not added), reduced into
// 0..24, or kNoEclipseHere.
double Finsternis_Ende(double day, double month, double year, double DS, double ZC, double GLong,
                       double GLat);

// Fraction of the Sun's diameter covered at greatest eclipse (where the
// place sees it total or annular, the ratio of the Moon's diameter to the
// Sun's), or kNoEclipseHere.
double Finsternis_Groesse(double day, double month, double year, double DS, double ZC, double GLong,
                          double GLat);

} // namespace AstroModule
