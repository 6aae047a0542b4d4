// Rise, set, twilight and culmination of the Sun, rise and set of the Moon,
// and the equation of time, for the engine's place and local day. The search
// itself is engine/rise_set_search.h; the Sun and Moon are the low-precision
// ones of the ephemeris that it has always sampled, and the accurate ones
// decide only where a body barely reaches its threshold between two samples.
#include <array>
#include <cmath>

#include "engine/clsCalendar.h"
#include "engine/date_math.h"
#include "engine/number_text.h"
#include "engine/rise_set_search.h"
#include "ephemeris/angles.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/low_precision_hourly.h"
#include "ephemeris/moon.h"
#include "ephemeris/nutation.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

using vespera::FaultCode;
using vespera::raise_fault;

namespace {

constexpr double kLatitudeRadPerDeg = 0.0174532925;
constexpr double kMjdJ2000 = 51544.5;

constexpr std::int16_t kDayLengthCode = 10;
constexpr std::int16_t kCulminationCode = 11;

// Threshold altitudes in radians, index 1..4: rise/set, civil, nautical and
// astronomical twilight. The Sun's first entry allows for refraction and the
// semi-diameter; the Moon's also for its parallax, so it lies above the horizon.
constexpr std::array<double, 5> kSunThreshold_rad = {0.0, -0.0145385926525, -0.104719755, -0.20943951,
                                                     -0.314159265};
constexpr std::array<double, 5> kMoonThreshold_rad = {0.0, 0.002617993875, -0.104719755, -0.20943951,
                                                      -0.314159265};

void check_inputs(double offset_hours, double longitude_deg, double latitude_deg) {
    if (!std::isfinite(offset_hours) || !std::isfinite(longitude_deg) || !std::isfinite(latitude_deg)) {
        raise_fault(FaultCode::InvalidCall);
    }
}

// The threshold index of an event code; the Sun's day length and culmination
// use the rise/set threshold.
std::size_t threshold_index(std::int16_t event_code, bool sun) {
    std::int32_t index = event_code < 0 ? -static_cast<std::int32_t>(event_code) : event_code;
    if (sun && (event_code == kDayLengthCode || event_code == kCulminationCode)) index = 1;
    return vespera::checked_index(index, 1, 4) + 1;
}

// How near the threshold (in the sine of the altitude) a window's extremum
// must come before the accurate Sun or Moon is asked: the hourly Moon errs by
// a few tenths of a degree, and its fixed threshold stands for a parallax
// that varies by another tenth.
constexpr double kNearThreshold = 0.01; // about 0.6 degrees

// The body's centre above the event's threshold, in degrees, from the
// accurate Sun and Moon of the ephemeris: the Moon's geocentric centre
// against 0.7275 times its parallax less 0.5667 degrees of refraction for
// rise and set (Meeus, Astronomical Algorithms, 2nd ed., ch. 15), the Sun's
// centre against the threshold of the table.
double accurate_height_deg(bool moon, std::size_t threshold_index, double jd_ut, double longitude_deg,
                           double latitude_deg) {
    const double table_deg = (moon ? kMoonThreshold_rad : kSunThreshold_rad)[threshold_index] / kLatitudeRadPerDeg;
    if (!moon) return vespera::sun_altitude_deg(jd_ut, longitude_deg, latitude_deg) - table_deg;
    const vespera::MoonHorizon m = vespera::moon_horizon(jd_ut, longitude_deg, latitude_deg);
    const double threshold_deg = threshold_index == 1 ? 0.7275 * m.horizontal_parallax_deg - 0.5667 : table_deg;
    return m.geocentric_altitude_deg - threshold_deg;
}

// The sine of the altitude of the Sun or the Moon at an instant (MJD of UT).
double sin_altitude(bool moon, double mjd_ut, double longitude_deg, double cos_latitude, double sin_latitude) {
    const double days = mjd_ut - kMjdJ2000;
    const double t = days / vespera::kDaysPerJulianCentury;
    const vespera::EquatorialPlace place = moon ? vespera::mini_moon(t) : vespera::mini_sun(t);
    const double hour_angle_deg =
        vespera::greenwich_mean_sidereal_deg(days) + longitude_deg - 15.0 * place.ra_hours;
    return sin_latitude * vespera::sin_deg(place.dec_deg) +
           cos_latitude * vespera::cos_deg(place.dec_deg) * vespera::cos_deg(hour_angle_deg);
}

} // namespace

namespace vespera {

Parabola quad(double ym, double yz, double yp) {
    Parabola result;
    const double a = 0.5 * (yp + ym) - yz;
    const double b = 0.5 * (yp - ym);
    const double c = yz;
    if (a == 0.0) {
        // Three collinear samples: a straight line, one crossing at most.
        result.ye = c;
        if (b != 0.0) {
            const double z = -c / b;
            if (std::fabs(z) <= 1.0) {
                result.nz = 1;
                result.z1 = z;
                result.z2 = z;
            }
        }
        return result;
    }
    result.xe = -b / (2.0 * a);
    result.ye = (a * result.xe + b) * result.xe + c;
    const double dis = b * b - 4.0 * a * c;
    if (dis > 0.0) {
        const double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
        result.z1 = result.xe - dx;
        result.z2 = result.xe + dx;
        if (std::fabs(result.z1) <= 1.0) ++result.nz;
        if (std::fabs(result.z2) <= 1.0) ++result.nz;
        if (result.z1 < -1.0) result.z1 = result.z2;
    }
    return result;
}

double hours_above(const Crossings& found, double span_hours) {
    if (found.rise && found.set) {
        // A set before the rise: up at the start, down for a while, up again.
        return found.set_hours >= found.rise_hours ? found.set_hours - found.rise_hours
                                                   : found.set_hours + span_hours - found.rise_hours;
    }
    if (found.rise) return span_hours - found.rise_hours;
    if (found.set) return found.set_hours;
    return found.above ? span_hours : 0.0;
}

} // namespace vespera

// ---- the day's samples ------------------------------------------------------

clsCalendar::AltitudeSamples& clsCalendar::altitude_samples(bool moon, double date_mjd, double longitude_deg,
                                                            double latitude_deg) {
    AltitudeSamples& kept = moon ? moon_samples_ : sun_samples_;
    if (kept.valid && kept.date_mjd == date_mjd && kept.longitude_deg == longitude_deg &&
        kept.latitude_deg == latitude_deg) {
        return kept;
    }
    kept.valid = true;
    kept.moon = moon;
    kept.date_mjd = date_mjd;
    kept.longitude_deg = longitude_deg;
    kept.latitude_deg = latitude_deg;
    kept.cos_latitude = std::cos(latitude_deg * kLatitudeRadPerDeg);
    kept.sin_latitude = std::sin(latitude_deg * kLatitudeRadPerDeg);
    kept.filled = 0;
    return kept;
}

double clsCalendar::AltitudeSamples::at(int hour) {
    while (filled <= hour) {
        sin_altitude[vespera::checked_index(filled, sin_altitude.size())] =
            ::sin_altitude(moon, date_mjd + filled / 24.0, longitude_deg, cos_latitude, sin_latitude);
        ++filled;
    }
    return sin_altitude[vespera::checked_index(hour, sin_altitude.size())];
}

// ---- one day's events -------------------------------------------------------

vespera::Crossings clsCalendar::day_crossings(bool moon, std::size_t j, const LocalDay& day, double longitude_deg,
                                             double latitude_deg) {
    AltitudeSamples& samples = altitude_samples(moon, day.midnight_mjd_ut, longitude_deg, latitude_deg);
    const double threshold = std::sin((moon ? kMoonThreshold_rad : kSunThreshold_rad)[j]);
    const auto sample = [&](int hour) { return samples.at(hour) - threshold; };
    const auto probe = [&](double hours) {
        return accurate_height_deg(moon, j, vespera::kJdOfMjdZero + day.midnight_mjd_ut + hours / 24.0, longitude_deg,
                                   latitude_deg);
    };
    return vespera::find_crossings(sample, day.span_hours, probe, kNearThreshold);
}

double clsCalendar::day_length_hours(std::int32_t day_number) {
    return guarded("day_length_hours", 0.0, [&] {
        if (!std::isfinite(f_.Longitude) || !std::isfinite(f_.Latitude)) raise_fault(FaultCode::InvalidCall);
        const LocalDay day = local_day_of(day_number);
        return vespera::hours_above(day_crossings(false, 1, day, f_.Longitude, f_.Latitude), day.span_hours);
    });
}

std::string clsCalendar::day_event(bool moon, std::int16_t event_code, const LocalDay& day,
                                   double longitude_deg, double latitude_deg) {
    const std::size_t j = threshold_index(event_code, !moon);
    const vespera::Crossings found = day_crossings(moon, j, day, longitude_deg, latitude_deg);
    AltitudeSamples& samples = altitude_samples(moon, day.midnight_mjd_ut, longitude_deg, latitude_deg);
    const double threshold = std::sin((moon ? kMoonThreshold_rad : kSunThreshold_rad)[j]);
    const auto sample = [&](int hour) { return samples.at(hour) - threshold; };

    if (!moon && event_code == kDayLengthCode) return hrsmin(vespera::hours_above(found, day.span_hours), false);
    if (!moon && event_code == kCulminationCode) {
        // Midway between rise and set; without that pair (polar day and
        // night, or a set before the rise) the highest point of the day.
        const double culmination_hours =
            (found.rise && found.set && found.set_hours >= found.rise_hours)
                ? found.rise_hours + (found.set_hours - found.rise_hours) / 2.0
                : vespera::highest_hour(sample, day.span_hours);
        f_.culmination_pending = true;
        f_.culmination_jd_ut = vespera::kJdOfMjdZero + day.midnight_mjd_ut + culmination_hours / 24.0;
        f_.culmination_longitude_deg = longitude_deg;
        f_.culmination_latitude_deg = latitude_deg;
        return hrsmin(clock_hours_of(day, culmination_hours), true);
    }
    if (!found.rise && !found.set) return found.above ? "****" : "....";
    if (event_code > 0) return found.rise ? hrsmin(clock_hours_of(day, found.rise_hours), true) : "----";
    return found.set ? hrsmin(clock_hours_of(day, found.set_hours), true) : "----";
}

// ---- public operations ------------------------------------------------------

// A fixed offset over 24 hours of a Gregorian date, as the two routines were
// always called.
clsCalendar::LocalDay clsCalendar::fixed_offset_day(std::int16_t year, std::int16_t month, std::int16_t day,
                                                    double offset_hours) {
    const std::int64_t day_number = vespera::day_number_in(vespera::Calendar::Gregorian, year, month, day);
    return {static_cast<double>(day_number - 2400001) - offset_hours / 24.0, 24.0, offset_hours, offset_hours};
}

std::string clsCalendar::sunevent(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours,
                                  double longitude_deg, double latitude_deg, std::int16_t event_code) {
    return guarded("sunevent", std::string{}, [&] {
        check_inputs(offset_hours, longitude_deg, latitude_deg);
        return day_event(false, event_code, fixed_offset_day(year, month, day, offset_hours), longitude_deg,
                         latitude_deg);
    });
}

std::string clsCalendar::moonevent(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours,
                                   double longitude_deg, double latitude_deg, std::int16_t event_code) {
    return guarded("moonevent", std::string{}, [&] {
        check_inputs(offset_hours, longitude_deg, latitude_deg);
        return day_event(true, event_code, fixed_offset_day(year, month, day, offset_hours), longitude_deg,
                         latitude_deg);
    });
}

std::string clsCalendar::hrsmin(double hours, bool clock) const {
    if (!std::isfinite(hours) || std::fabs(hours) > 1e12) raise_fault(FaultCode::Overflow);
    // A negative span keeps its sign in front instead of inside the minutes.
    const double magnitude = std::fabs(hours);
    double h = std::trunc(magnitude);
    double m = std::trunc((magnitude - h) * 60.0 + 0.5);
    if (m >= 60.0) {
        m = 0.0;
        h += 1.0;
    }
    // A time of day that rounds up to 24:00 (from 23:59:30 on) stays on its
    // own day as 23:59, the same half minute off as any rounding: the event
    // happened on the day whose search found it, and the next day's search
    // starts at its own midnight.
    if (clock && h == 24.0 && m == 0.0) {
        h = 23.0;
        m = 59.0;
    }
    std::string text = (hours < 0.0 && (h > 0.0 || m > 0.0)) ? "-" : "";
    text += vespera::two_digits(static_cast<std::int64_t>(h));
    text += ':';
    text += vespera::two_digits(static_cast<std::int64_t>(m));
    text += clock ? " Uhr" : " Stunden";
    return text;
}

double clsCalendar::clock_hours_of(const LocalDay& day, double elapsed_hours) const {
    if (day.offset_at_midnight_hours == day.offset_at_end_hours) return elapsed_hours;
    const double jd_ut = vespera::kJdOfMjdZero + day.midnight_mjd_ut + elapsed_hours / 24.0;
    return elapsed_hours + clock_offset_at(jd_ut).hours - day.offset_at_midnight_hours;
}

std::string clsCalendar::event_for_current_day(bool moon, std::int16_t event_code) {
    // The date is handed on as three 16-bit Integers, as it always was.
    (void)vespera::to_integer(f_.Jahr);
    (void)vespera::to_integer(f_.Monat);
    (void)vespera::to_integer(f_.Tag);
    const LocalDay day = current_local_day();
    if (!std::isfinite(day.midnight_mjd_ut) || !std::isfinite(f_.Longitude) || !std::isfinite(f_.Latitude)) {
        raise_fault(FaultCode::InvalidCall);
    }
    return day_event(moon, event_code, day, f_.Longitude, f_.Latitude);
}

std::string clsCalendar::AufgangSonne() {
    return guarded("AufgangSonne", std::string{}, [&] { return event_for_current_day(false, 1); });
}

std::string clsCalendar::DaemmerungAnfang() {
    return guarded("DaemmerungAnfang", std::string{}, [&] { return event_for_current_day(false, 2); });
}

std::string clsCalendar::DaemmerungEnde() {
    return guarded("DaemmerungEnde", std::string{}, [&] { return event_for_current_day(false, -2); });
}

std::string clsCalendar::UntergangSonne() {
    return guarded("UntergangSonne", std::string{}, [&] { return event_for_current_day(false, -1); });
}

std::string clsCalendar::Tageslaenge() {
    return guarded("Tageslaenge", std::string{}, [&] { return event_for_current_day(false, kDayLengthCode); });
}

std::string clsCalendar::Kulmination_Sonne() {
    return guarded("Kulmination_Sonne", std::string{},
                   [&] { return event_for_current_day(false, kCulminationCode); });
}

std::string clsCalendar::AufgangMond() {
    return guarded("AufgangMond", std::string{}, [&] { return event_for_current_day(true, 1); });
}

std::string clsCalendar::UntergangMond() {
    return guarded("UntergangMond", std::string{}, [&] { return event_for_current_day(true, -1); });
}

std::string clsCalendar::KulminationHoehe_Sonne() {
    return guarded("KulminationHoehe_Sonne", std::string{},
                   [&] {
                       if (f_.culmination_pending) {
                           f_.culmination_altitude_deg = vespera::sun_altitude_deg(
                               f_.culmination_jd_ut, f_.culmination_longitude_deg, f_.culmination_latitude_deg);
                           f_.culmination_pending = false;
                       }
                       return vespera::fixed(f_.culmination_altitude_deg, 2, decimal_separator_) + " °";
                   });
}

// Meeus, Astronomical Algorithms, ch. 28 (formula 28.3): the equation of time
// in minutes, positive when the true Sun culminates after mean noon.
double clsCalendar::ZGL(double julian_day) {
    return guarded("ZGL", 0.0, [&] {
        if (!std::isfinite(julian_day)) raise_fault(FaultCode::InvalidCall);
        const double tau = (julian_day - vespera::kJ2000_jd) / 365250.0;
        const double T = vespera::centuries_since_j2000(julian_day);
        const double l0 = vespera::reduce_degrees(280.4664567 + 360007.6982779 * tau + 0.03032028 * tau * tau +
                                tau * tau * tau / 49931.0 - tau * tau * tau * tau / 15299.0 -
                                tau * tau * tau * tau * tau / 1988000.0);
        const double e = 0.016708617 - 0.000042037 * T - 0.0000001236 * T * T;
        const double m = vespera::reduce_degrees(357.5291 + 35999.0503 * T - 0.0001559 * T * T - 0.00000048 * T * T * T);
        const double epsilon = vespera::mean_obliquity_deg(T);
        const double y = std::pow(std::tan(epsilon * vespera::kRadPerDeg / 2.0), 2);
        const double l0_rad = l0 * vespera::kRadPerDeg;
        const double m_rad = m * vespera::kRadPerDeg;
        const double E = y * std::sin(2.0 * l0_rad) - 2.0 * e * std::sin(m_rad) +
                         4.0 * e * y * std::sin(m_rad) * std::cos(2.0 * l0_rad) -
                         0.5 * y * y * std::sin(4.0 * l0_rad) - 1.25 * e * e * std::sin(2.0 * m_rad);
        return -(E / vespera::kRadPerDeg * 4.0);
    });
}
