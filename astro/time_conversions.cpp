// Dates and local civil time in the eclipse module's own units (Duffett-Smith
// & Zwart, Practical Astronomy with your Calculator or Spreadsheet, 4th ed.,
// the time chapter); the conversion itself is the ephemeris's.
#include <cmath>

#include "astro/AstroModuleDetail.h"
#include "ephemeris/calendar.h"

namespace AstroModule::detail {

// The calendar is chosen by the date as given (Julian up to 4 October 1582).
double DatumZuJD(double day, double month, double year) { return vespera::julian_day(year, month, day); }

double JDZuTag(double jd) { return vespera::civil_instant(jd).day; }
double JDZuMonat(double jd) { return vespera::civil_instant(jd).month; }
double JDZuJahr(double jd) { return vespera::civil_instant(jd).year; }

UniversalTime local_to_universal(double h, double m, double s, double DS, double ZC, double day,
                                 double month, double year) {
    const double local_hours = h + m / 60.0 + s / 3600.0;
    // The hours are added to the Julian day of the date, not to the day of
    // the month: 00:30 on 15 October 1582 at one hour east would otherwise be
    // read as the Julian 14 October, ten days late.
    const double jd = DatumZuJD(day, month, year) + (local_hours - DS - ZC) / 24.0;
    const vespera::CivilInstant g = vespera::civil_instant(jd);
    const double whole_day = std::trunc(g.day);
    return {(g.day - whole_day) * 24.0, whole_day, g.month, g.year};
}

} // namespace AstroModule::detail
