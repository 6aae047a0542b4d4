// Local civil and universal time, sidereal time and hour angle in the
// eclipse module's own units (Duffett-Smith & Zwart, Practical Astronomy with
// your Calculator or Spreadsheet, 4th ed., the time chapter). Dates, Julian
// days and sidereal time themselves come from the ephemeris.
#include <cmath>

#include "astro/AstroModuleDetail.h"
#include "ephemeris/calendar.h"
#include "ephemeris/time_scales.h"

namespace AstroModule::detail {

namespace {

double wrap_hours(double hours) { return hours - 24.0 * std::floor(hours / 24.0); }

double local_sidereal_time(double h, double m, double s, double DS, double ZC, double day,
                           double month, double year, double GLong) {
    const UniversalTime ut = local_to_universal(h, m, s, DS, ZC, day, month, year);
    const double gst = WeltzeitZuSternzeit(ut.ut_hours, 0, 0, ut.day, ut.month, ut.year);
    return SternzeitZuOrtssternzeit(gst, 0, 0, GLong);
}

} // namespace

// The calendar is chosen by the date as given (Julian up to 4 October 1582).
double DatumZuJD(double day, double month, double year) { return vespera::julian_day(year, month, day); }

double JDZuTag(double jd) { return vespera::civil_instant(jd).day; }
double JDZuMonat(double jd) { return vespera::civil_instant(jd).month; }
double JDZuJahr(double jd) { return vespera::civil_instant(jd).year; }

double GMSZuDezimal(double h, double m, double s) {
    const double hours = std::abs(h) + (std::abs(m) + std::abs(s) / 60.0) / 60.0;
    return (h < 0 || m < 0 || s < 0) ? -hours : hours;
}

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

double OrtszeitZuWeltzeit(double h, double m, double s, double DS, double ZC, double day,
                          double month, double year) {
    return local_to_universal(h, m, s, DS, ZC, day, month, year).ut_hours;
}

double OrtszeitZuWeltTag(double h, double m, double s, double DS, double ZC, double day,
                         double month, double year) {
    return local_to_universal(h, m, s, DS, ZC, day, month, year).day;
}

double OrtszeitZuWeltMonat(double h, double m, double s, double DS, double ZC, double day,
                           double month, double year) {
    return local_to_universal(h, m, s, DS, ZC, day, month, year).month;
}

double OrtszeitZuWeltJahr(double h, double m, double s, double DS, double ZC, double day,
                          double month, double year) {
    return local_to_universal(h, m, s, DS, ZC, day, month, year).year;
}

double WeltzeitZuSternzeit(double h, double m, double s, double day, double month, double year) {
    const double days = DatumZuJD(day, month, year) - vespera::kJ2000_jd + GMSZuDezimal(h, m, s) / 24.0;
    return vespera::greenwich_mean_sidereal_deg(days) / 15.0;
}

double SternzeitZuOrtssternzeit(double h, double m, double s, double GLong) {
    return wrap_hours(GMSZuDezimal(h, m, s) + GLong / 15.0);
}

double RektaszensionZuStundenwinkel(double ra_hours, double h, double m, double s, double DS,
                                    double ZC, double day, double month, double year,
                                    double GLong) {
    const double ha = local_sidereal_time(h, m, s, DS, ZC, day, month, year, GLong) - ra_hours;
    return ha < 0 ? ha + 24.0 : ha;
}

double StundenwinkelZuRektaszension(double ha_hours, double h, double m, double s, double DS,
                                    double ZC, double day, double month, double year,
                                    double GLong) {
    const double ra = local_sidereal_time(h, m, s, DS, ZC, day, month, year, GLong) - ha_hours;
    return ra < 0 ? ra + 24.0 : ra;
}

} // namespace AstroModule::detail
