// Rise, set, twilight and culmination of the Sun, rise and set of the Moon,
// and the equation of time. The classic low-precision search: the sine of the
// altitude less the sine of the threshold is sampled every hour of the local
// day, and a parabola through each triple of samples gives the crossings
// (Montenbruck & Pfleger, Astronomy on the Personal Computer, rising and setting).
#include <array>
#include <cmath>
#include <numbers>

#include "engine/calendar_conversions.h"
#include "engine/clsCalendar.h"
#include "engine/date_math.h"
#include "engine/number_text.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

using vespera::FaultCode;
using vespera::raise_fault;

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kLatitudeRadPerDeg = 0.0174532925;
constexpr double kMjdJ2000 = 51544.5;
constexpr double kJdOfMjdZero = 2400000.5;

constexpr std::int16_t kDayLengthCode = 10;
constexpr std::int16_t kCulminationCode = 11;

// Threshold altitudes in radians, index 1..4: rise/set, civil, nautical and
// astronomical twilight. The Sun's first entry allows for refraction and the
// semi-diameter; the Moon's also for its parallax, so it lies above the horizon.
constexpr std::array<double, 5> kSunThreshold_rad = {0.0, -0.0145385926525, -0.104719755, -0.20943951,
                                                     -0.314159265};
constexpr std::array<double, 5> kMoonThreshold_rad = {0.0, 0.002617993875, -0.104719755, -0.20943951,
                                                      -0.314159265};

constexpr int kSampleCount = 25; // the hours 0..24 of the local day

double sin_deg(double angle_deg) { return std::sin(angle_deg * kRadPerDeg); }
double cos_deg(double angle_deg) { return std::cos(angle_deg * kRadPerDeg); }

// What the hourly search found for one threshold on one local day.
struct Crossings {
    bool rise = false;
    bool set = false;
    bool above = false; // above the threshold at 0 h
    double rise_hours = 0.0;
    double set_hours = 0.0;
};

// The day's samples (hours 0..24) less the sine of one threshold altitude.
template <class Samples>
struct SearchInput {
    Samples& samples;
    double threshold_sine;

    double sample(int hour) const { return samples.at(hour) - threshold_sine; }
};
template <class Samples>
SearchInput(Samples&, double) -> SearchInput<Samples>;

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

} // namespace

// ---- the low-precision machinery ------------------------------------------

double clsCalendar::mjd(std::int32_t year, std::int32_t month, std::int32_t day) {
    std::int64_t y = year;
    std::int64_t m = month;
    if (m < 3) {
        m += 12;
        y -= 1;
    }
    // Gregorian leap days throughout; integer division truncates toward zero.
    const std::int64_t b = y / 400 - y / 100 + y / 4;
    return 365.0 * static_cast<double>(y) - 679004.0 + static_cast<double>(b) +
           std::trunc(30.6001 * static_cast<double>(m + 1)) + static_cast<double>(day);
}

double clsCalendar::range(double x) {
    double a = 360.0 * (x / 360.0 - std::trunc(x / 360.0));
    if (a < 0.0) a += 360.0;
    return a < 360.0 ? a : 0.0;
}

double clsCalendar::range360(double x) {
    const double a = x - std::floor(x / 360.0) * 360.0;
    return a < 360.0 ? a : 0.0;
}

// Meeus, Astronomical Algorithms, ch. 12: mean sidereal time, here local, in hours.
double clsCalendar::lmst(double mjd_ut, double longitude_deg) {
    const double d = mjd_ut - kMjdJ2000;
    const double t = d / 36525.0;
    const double gmst = range(280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000.0);
    return gmst / 15.0 + longitude_deg / 15.0;
}

// The Sun's true longitude from its mean elements and the equation of centre
// (Meeus, Astronomical Algorithms, 1st ed., ch. 24, low accuracy), without nutation
// and aberration; t in Julian centuries from J2000.0.
clsCalendar::EquatorialPosition clsCalendar::minisun(double t) {
    const double mean_longitude = range(280.46645 + 36000.76983 * t + 0.0003032 * t * t);
    const double mean_anomaly = range(357.5291 + 35999.0503 * t - 0.0001559 * t * t - 0.00000048 * t * t * t);
    const double centre = (1.9146 - 0.004817 * t - 0.000014 * t * t) * sin_deg(mean_anomaly) +
                          (0.019993 - 0.000101 * t) * sin_deg(2.0 * mean_anomaly) +
                          0.00029 * sin_deg(3.0 * mean_anomaly);
    const double lambda = range(mean_longitude + range(centre));
    const double epsilon =
        range(23.43929111 - 0.01300417 * t - (0.00059 / 3600.0) * t * t + 0.0000005036 * t * t * t);
    const double sin_lambda = sin_deg(lambda);
    const double x = cos_deg(lambda);
    const double y = cos_deg(epsilon) * sin_lambda;
    const double z = sin_deg(epsilon) * sin_lambda;
    EquatorialPosition position;
    position.dec_deg = std::atan2(z, std::sqrt(1.0 - z * z)) / kRadPerDeg;
    position.ra_hours = range(std::atan2(y, x) / kRadPerDeg) / 15.0;
    return position;
}

// The Moon from its mean orbital elements with the largest perturbations
// (P. Schlyter, "How to compute planetary positions"); geocentric, days
// counted from 2000 January 0.0.
clsCalendar::EquatorialPosition clsCalendar::minimoon(double t) {
    const double d = t * 36525.0 + 2451545.0 - 2451543.5;
    const double node = range360(125.1228 - 0.0529538083 * d);
    constexpr double inclination = 5.1454;
    const double perigee = range360(318.0634 + 0.1643573223 * d);
    constexpr double semi_axis = 60.2666; // Earth radii
    constexpr double e = 0.0549;
    const double mean_anomaly = range360(115.3654 + 13.0649929509 * d);

    constexpr double deg_per_rad = 1.0 / kRadPerDeg;
    const double sin_mean_anomaly = sin_deg(mean_anomaly);
    double ecc = mean_anomaly + deg_per_rad * e * sin_mean_anomaly * (1.0 + e * cos_deg(mean_anomaly));
    for (int step = 0; step < 2; ++step) {
        ecc -= (ecc - deg_per_rad * e * sin_deg(ecc) - mean_anomaly) / (1.0 - e * cos_deg(ecc));
    }
    const double xv = semi_axis * (cos_deg(ecc) - e);
    const double yv = semi_axis * std::sqrt(0.99698599) * sin_deg(ecc);
    const double true_anomaly = range360(std::atan2(yv, xv) * deg_per_rad);
    double distance = std::sqrt(xv * xv + yv * yv);

    const double arg = true_anomaly + perigee;
    const double cos_node = cos_deg(node);
    const double sin_node = sin_deg(node);
    const double cos_arg = cos_deg(arg);
    const double sin_arg = sin_deg(arg);
    const double cos_incl = cos_deg(inclination);
    const double xh = distance * (cos_node * cos_arg - sin_node * sin_arg * cos_incl);
    const double yh = distance * (sin_node * cos_arg + cos_node * sin_arg * cos_incl);
    const double zh = distance * sin_arg * sin_deg(inclination);
    double longitude = range360(std::atan2(yh, xh) * deg_per_rad);
    double latitude = std::atan2(zh, std::sqrt(xh * xh + yh * yh)) * deg_per_rad;

    const double sun_anomaly = 356.047 + 0.9856002585 * d;
    const double sun_perigee = 282.9404 + 0.0000470935 * d;
    const double sun_longitude = sun_anomaly + sun_perigee;
    const double moon_longitude = node + perigee + mean_anomaly;
    const double D = moon_longitude - sun_longitude;
    const double F = moon_longitude - node;
    const double M = mean_anomaly;
    const double Ms = sun_anomaly;

    longitude += -1.274 * sin_deg(M - 2.0 * D) + 0.658 * sin_deg(2.0 * D) - 0.186 * sin_deg(Ms) -
                 0.059 * sin_deg(2.0 * M - 2.0 * D) - 0.057 * sin_deg(M - 2.0 * D + Ms) +
                 0.053 * sin_deg(M + 2.0 * D) + 0.046 * sin_deg(2.0 * D - Ms) + 0.041 * sin_deg(M - Ms) -
                 0.035 * sin_deg(D) - 0.031 * sin_deg(M + Ms) - 0.015 * sin_deg(2.0 * F - 2.0 * D) +
                 0.011 * sin_deg(M - 4.0 * D);
    latitude += -0.173 * sin_deg(F - 2.0 * D) - 0.055 * sin_deg(M - F - 2.0 * D) -
                0.046 * sin_deg(M + F - 2.0 * D) + 0.033 * sin_deg(F + 2.0 * D) + 0.017 * sin_deg(2.0 * M + F);
    distance += -0.58 * cos_deg(M - 2.0 * D) - 0.46 * cos_deg(2.0 * D);

    const double cos_lat = cos_deg(latitude);
    const double xg = distance * cos_deg(longitude) * cos_lat;
    const double yg = distance * sin_deg(longitude) * cos_lat;
    const double zg = distance * sin_deg(latitude);
    // Equator and ecliptic of J2000.0.
    constexpr double cos_eps = 0.917482061;
    constexpr double sin_eps = 0.397777159;
    const double xe = xg;
    const double ye = yg * cos_eps - zg * sin_eps;
    const double ze = yg * sin_eps + zg * cos_eps;
    EquatorialPosition position;
    position.ra_hours = range360(std::atan2(ye, xe) * deg_per_rad) / 15.0;
    position.dec_deg = std::atan2(ze, std::sqrt(xe * xe + ye * ye)) * deg_per_rad;
    return position;
}

double clsCalendar::SinAltSun(double mjd0, double hour, double longitude_deg, double cos_latitude,
                              double sin_latitude) {
    const double mjd_ut = mjd0 + hour / 24.0;
    const EquatorialPosition sun = minisun((mjd_ut - kMjdJ2000) / 36525.0);
    const double hour_angle_deg = 15.0 * (lmst(mjd_ut, longitude_deg) - sun.ra_hours);
    return sin_latitude * sin_deg(sun.dec_deg) + cos_latitude * cos_deg(sun.dec_deg) * cos_deg(hour_angle_deg);
}

double clsCalendar::SinAltmun(double mjd0, double hour, double longitude_deg, double cos_latitude,
                              double sin_latitude) {
    const double mjd_ut = mjd0 + hour / 24.0;
    const EquatorialPosition moon = minimoon((mjd_ut - kMjdJ2000) / 36525.0);
    const double hour_angle_deg = 15.0 * (lmst(mjd_ut, longitude_deg) - moon.ra_hours);
    return sin_latitude * sin_deg(moon.dec_deg) + cos_latitude * cos_deg(moon.dec_deg) * cos_deg(hour_angle_deg);
}

clsCalendar::QuadResult clsCalendar::quad(double ym, double yz, double yp) {
    QuadResult result;
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

namespace {

// Samples the hours 0..24 in overlapping two-hour parabolas until a rise and a
// set are found or the day is over.
template <class Input, class Quad>
Crossings find_crossings(const Input& in, Quad quad) {
    Crossings found;
    double ym = in.sample(0);
    found.above = ym > 0.0;
    for (int hour = 1; hour < kSampleCount && !(found.rise && found.set); hour += 2) {
        const double yz = in.sample(hour);
        const double yp = in.sample(hour + 1);
        const auto q = quad(ym, yz, yp);
        if (q.nz == 1) {
            if (ym < 0.0) {
                found.rise_hours = hour + q.z1;
                found.rise = true;
            } else {
                found.set_hours = hour + q.z1;
                found.set = true;
            }
        } else if (q.nz == 2) {
            if (q.ye < 0.0) {
                found.rise_hours = hour + q.z2;
                found.set_hours = hour + q.z1;
            } else {
                found.rise_hours = hour + q.z1;
                found.set_hours = hour + q.z2;
            }
            found.rise = true;
            found.set = true;
        }
        ym = yp;
    }
    return found;
}

// The hour of the highest point of the day: the highest hourly sample,
// refined by the parabola through it and its neighbours.
template <class Input, class Quad>
double highest_hour(const Input& in, Quad quad) {
    int best = 0;
    for (int hour = 1; hour < kSampleCount; ++hour) {
        if (in.sample(hour) > in.sample(best)) best = hour;
    }
    if (best == 0 || best + 1 == kSampleCount) return static_cast<double>(best);
    const auto q = quad(in.sample(best - 1), in.sample(best), in.sample(best + 1));
    const bool is_maximum = 0.5 * (in.sample(best + 1) + in.sample(best - 1)) < in.sample(best);
    if (!is_maximum || std::fabs(q.xe) > 1.0) return static_cast<double>(best);
    return static_cast<double>(best) + q.xe;
}

// Hours above the threshold within the local day.
double hours_above(const Crossings& found) {
    if (found.rise && found.set) {
        // A set before the rise: up at midnight, down for a while, up again.
        return found.set_hours >= found.rise_hours ? found.set_hours - found.rise_hours
                                                   : found.set_hours + 24.0 - found.rise_hours;
    }
    if (found.rise) return 24.0 - found.rise_hours;
    if (found.set) return found.set_hours;
    return found.above ? 24.0 : 0.0;
}

} // namespace

// ---- the day's samples ------------------------------------------------------

clsCalendar::AltitudeSamples& clsCalendar::altitude_samples(bool moon, double date_mjd, double longitude_deg,
                                                            double latitude_deg) {
    AltitudeSamples& kept = moon ? moon_samples_ : sun_samples_;
    static_assert(std::tuple_size_v<decltype(kept.sin_altitude)> == kSampleCount);
    if (sample_cache_enabled_ && kept.valid && kept.date_mjd == date_mjd && kept.longitude_deg == longitude_deg &&
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
        sin_altitude[static_cast<std::size_t>(filled)] =
            moon ? SinAltmun(date_mjd, filled, longitude_deg, cos_latitude, sin_latitude)
                 : SinAltSun(date_mjd, filled, longitude_deg, cos_latitude, sin_latitude);
        ++filled;
    }
    return sin_altitude[static_cast<std::size_t>(hour)];
}

// ---- public operations ------------------------------------------------------

std::string clsCalendar::sunevent(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours,
                                  double longitude_deg, double latitude_deg, std::int16_t event_code) {
    return guarded("sunevent", std::string{}, [&]() -> std::string {
        check_inputs(offset_hours, longitude_deg, latitude_deg);
        const std::size_t j = threshold_index(event_code, true);
        const double date_mjd = mjd(year, month, day) - offset_hours / 24.0;
        const SearchInput in{altitude_samples(false, date_mjd, longitude_deg, latitude_deg),
                             std::sin(kSunThreshold_rad[j])};
        const Crossings found = find_crossings(in, &clsCalendar::quad);

        if (event_code == kDayLengthCode) return hrsmin(hours_above(found), false);
        if (event_code == kCulminationCode) {
            // Midway between rise and set; without that pair (polar day and
            // night, or a set before the rise) the highest point of the day.
            const double culmination_hours =
                (found.rise && found.set && found.set_hours >= found.rise_hours)
                    ? found.rise_hours + (found.set_hours - found.rise_hours) / 2.0
                    : highest_hour(in, &clsCalendar::quad);
            f_.culmination_pending = true;
            f_.culmination_jd_ut = kJdOfMjdZero + date_mjd + culmination_hours / 24.0;
            f_.culmination_longitude_deg = longitude_deg;
            f_.culmination_latitude_deg = latitude_deg;
            return hrsmin(culmination_hours, true);
        }
        if (!found.rise && !found.set) return found.above ? "****" : "....";
        if (event_code > 0) return found.rise ? hrsmin(found.rise_hours, true) : "----";
        return found.set ? hrsmin(found.set_hours, true) : "----";
    });
}

std::string clsCalendar::moonevent(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours,
                                   double longitude_deg, double latitude_deg, std::int16_t event_code) {
    return guarded("moonevent", std::string{}, [&]() -> std::string {
        check_inputs(offset_hours, longitude_deg, latitude_deg);
        const std::size_t j = threshold_index(event_code, false);
        const double date_mjd = mjd(year, month, day) - offset_hours / 24.0;
        const SearchInput in{altitude_samples(true, date_mjd, longitude_deg, latitude_deg),
                             std::sin(kMoonThreshold_rad[j])};
        const Crossings found = find_crossings(in, &clsCalendar::quad);
        if (!found.rise && !found.set) return found.above ? "****" : "....";
        if (event_code > 0) return found.rise ? hrsmin(found.rise_hours, true) : "----";
        return found.set ? hrsmin(found.set_hours, true) : "----";
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
    std::string text = (hours < 0.0 && (h > 0.0 || m > 0.0)) ? "-" : "";
    text += vespera::two_digits(static_cast<std::int64_t>(h));
    text += ':';
    text += vespera::two_digits(static_cast<std::int64_t>(m));
    text += clock ? " Uhr" : " Stunden";
    return text;
}

double clsCalendar::zone_offset_for_current_day() {
    return static_cast<double>(f_.Zeitzone_Offset) + (IstSommerzeit() ? 1.0 : 0.0);
}

std::string clsCalendar::event_for_current_day(bool moon, std::int16_t event_code) {
    const double offset_hours = zone_offset_for_current_day();
    // mjd() counts Gregorian dates; before 15 October 1582 the engine's date is
    // Julian, so the same day is handed over in the Gregorian reckoning.
    const vespera::CalendarDate gregorian = f_.JD < vespera::kFirstGregorianDay
                                                ? vespera::proleptic_gregorian_date(f_.JD)
                                                : vespera::CalendarDate{f_.Jahr, f_.Monat, f_.Tag};
    const std::int16_t year = vespera::to_integer(gregorian.year);
    const std::int16_t month = vespera::to_integer(gregorian.month);
    const std::int16_t day = vespera::to_integer(gregorian.day);
    return moon ? moonevent(year, month, day, offset_hours, f_.Longitude, f_.Latitude, event_code)
                : sunevent(year, month, day, offset_hours, f_.Longitude, f_.Latitude, event_code);
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
        const double tau = (julian_day - 2451545.0) / 365250.0;
        const double T = (julian_day - 2451545.0) / 36525.0;
        const double l0 = range(280.4664567 + 360007.6982779 * tau + 0.03032028 * tau * tau +
                                tau * tau * tau / 49931.0 - tau * tau * tau * tau / 15299.0 -
                                tau * tau * tau * tau * tau / 1988000.0);
        const double e = 0.016708617 - 0.000042037 * T - 0.0000001236 * T * T;
        const double m = range(357.5291 + 35999.0503 * T - 0.0001559 * T * T - 0.00000048 * T * T * T);
        const double epsilon = 23.43929111 - (46.815 / 3600.0) * T - (0.00059 / 3600.0) * T * T +
                               (0.001813 / 3600.0) * T * T * T;
        const double y = std::pow(std::tan(epsilon * kRadPerDeg / 2.0), 2);
        const double l0_rad = l0 * kRadPerDeg;
        const double m_rad = m * kRadPerDeg;
        const double E = y * std::sin(2.0 * l0_rad) - 2.0 * e * std::sin(m_rad) +
                         4.0 * e * y * std::sin(m_rad) * std::cos(2.0 * l0_rad) -
                         0.5 * y * y * std::sin(4.0 * l0_rad) - 1.25 * e * e * std::sin(2.0 * m_rad);
        return -(E / kRadPerDeg * 4.0);
    });
}
