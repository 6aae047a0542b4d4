// Calendar dates and Julian days, local civil and universal time, sidereal
// time and hour angle. Duffett-Smith & Zwart, Practical Astronomy with your
// Calculator or Spreadsheet, 4th ed., the time chapter; the Julian day after
// Meeus, Astronomical Algorithms, 2nd ed., ch. 7.
#include <cmath>

#include "astro/AstroModuleDetail.h"

namespace AstroModule::detail {

namespace {

struct CalendarDate {
    double day; // with the fraction of the day
    double month;
    double year;
};

CalendarDate calendar_date(double jd) {
    const double i = std::trunc(jd + 0.5);
    const double f = jd + 0.5 - i;
    double b = i;
    if (i > 2299160.0) { // Gregorian from 1582 October 15
        const double a = std::trunc((i - 1867216.25) / 36524.25);
        b = i + 1.0 + a - std::trunc(a / 4.0);
    }
    const double c = b + 1524.0;
    const double d = std::trunc((c - 122.1) / 365.25);
    const double e = std::trunc(365.25 * d);
    const double g = std::trunc((c - e) / 30.6001);
    const double day = c - e + f - std::trunc(30.6001 * g);
    const double month = g < 13.5 ? g - 1.0 : g - 13.0;
    const double year = month > 2.5 ? d - 4716.0 : d - 4715.0;
    return {day, month, year};
}

double wrap_hours(double hours) { return hours - 24.0 * std::floor(hours / 24.0); }

double local_sidereal_time(double h, double m, double s, double DS, double ZC, double day,
                           double month, double year, double GLong) {
    const UniversalTime ut = local_to_universal(h, m, s, DS, ZC, day, month, year);
    const double gst = WeltzeitZuSternzeit(ut.ut_hours, 0, 0, ut.day, ut.month, ut.year);
    return SternzeitZuOrtssternzeit(gst, 0, 0, GLong);
}

} // namespace

double DatumZuJD(double day, double month, double year) {
    const double y = month >= 3 ? year : year - 1.0;
    const double m = month >= 3 ? month : month + 12.0;
    // The calendar is chosen by the date as given, not by the shifted y, m.
    const bool julian = year < 1582 || (year == 1582 && (month < 10 || (month == 10 && day < 15)));
    double b = 0.0;
    if (!julian) {
        const double a = std::trunc(y / 100.0);
        b = 2.0 - a + std::trunc(a / 4.0);
    }
    const double c = y < 0 ? std::trunc(365.25 * y - 0.75) : std::trunc(365.25 * y);
    const double d = std::trunc(30.6001 * (m + 1.0));
    return b + c + d + day + 1720994.5;
}

double JDZuTag(double jd) { return calendar_date(jd).day; }
double JDZuMonat(double jd) { return calendar_date(jd).month; }
double JDZuJahr(double jd) { return calendar_date(jd).year; }

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
    const CalendarDate g = calendar_date(jd);
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
    const double t = (DatumZuJD(day, month, year) - 2451545.0) / 36525.0;
    const double t0 = wrap_hours(6.697374558 + 2400.051336 * t + 0.000025862 * t * t);
    return wrap_hours(1.002737909 * GMSZuDezimal(h, m, s) + t0);
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
