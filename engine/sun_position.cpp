// The Sun's altitude, culmination altitude and distance, and the time scale
// (Delta T) that links the clock to the orbit.
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <span>

#include "engine/clsCalendar.h"
#include "engine/number_text.h"
#include "engine/sun_coordinates.h"
#include "engine/vsop87_earth.h"

using vespera::FaultCode;
using vespera::raise_fault;

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kDegPerArcsec = 1.0 / 3600.0;
constexpr double kJ2000_jd = 2451545.0;
constexpr double kLightTime_days_per_au = 0.0057755183;

constexpr double kCivilTwilightAltitude_deg = -6.0;
constexpr double kSunriseAltitude_deg = -0.833;

// Delta T 1900-1997: the ninth-degree fit to the observed values, t in centuries from 1900.
constexpr std::array<double, 10> kDeltaT1900 = {
    -2.44, 87.24, 815.2, -2637.8, -18756.33, 124906.15, -303191.19, 372919.88, -232424.66, 58353.42};

double polynomial(double x, std::initializer_list<double> coefficients) {
    double sum = 0.0;
    double power = 1.0;
    for (const double c : coefficients) {
        sum += c * power;
        power *= x;
    }
    return sum;
}

// Espenak & Meeus, Five Millennium Canon of Solar Eclipses (NASA/TP-2006-214141),
// the polynomial expressions for Delta T; the pieces meet within a fraction of a second.
double delta_t_espenak_meeus(double y) {
    if (y < -500.0) return polynomial((y - 1820.0) / 100.0, {-20.0, 0.0, 32.0});
    if (y < 500.0) {
        return polynomial(y / 100.0, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192,
                                      0.0090316521});
    }
    if (y < 1600.0) {
        return polynomial((y - 1000.0) / 100.0, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463,
                                                 -0.005050998, 0.0083572073});
    }
    if (y < 1700.0) return polynomial(y - 1600.0, {120.0, -0.9808, -0.01532, 1.0 / 7129.0});
    if (y < 1800.0) {
        return polynomial(y - 1700.0, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0});
    }
    if (y < 1860.0) {
        return polynomial(y - 1800.0, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272,
                                       -0.0000001699, 0.000000000875});
    }
    if (y < 1900.0) {
        return polynomial(y - 1860.0, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0});
    }
    if (y < 1920.0) return polynomial(y - 1900.0, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941.0) return polynomial(y - 1920.0, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961.0) return polynomial(y - 1950.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0});
    if (y < 1986.0) return polynomial(y - 1975.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0});
    if (y < 2005.0) {
        return polynomial(y - 2000.0, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    }
    if (y < 2050.0) return polynomial(y - 2000.0, {62.92, 0.32217, 0.005589});
    if (y < 2150.0) return polynomial((y - 1820.0) / 100.0, {-20.0, 0.0, 32.0}) - 0.5628 * (2150.0 - y);
    return polynomial((y - 1820.0) / 100.0, {-20.0, 0.0, 32.0});
}

// One coordinate of the Earth: sum over the powers of tau of the series' terms.
double vsop_sum(std::span<const std::span<const vespera::vsop87::Term>> powers, double tau) {
    double result = 0.0;
    double tau_power = 1.0;
    for (const auto& terms : powers) {
        double sum = 0.0;
        for (const auto& term : terms) sum += term.a * std::cos(term.b + term.c * tau);
        result += sum * tau_power;
        tau_power *= tau;
    }
    return result / 1e8;
}

double millennia_from_j2000(double jde) { return (jde - kJ2000_jd) / 365250.0; }

double reduce_deg(double angle_deg) {
    const double reduced = std::fmod(angle_deg, 360.0);
    return reduced < 0.0 ? reduced + 360.0 : reduced;
}

double sin_deg(double angle_deg) { return std::sin(angle_deg * kRadPerDeg); }
double cos_deg(double angle_deg) { return std::cos(angle_deg * kRadPerDeg); }

} // namespace

namespace vespera {

double delta_t_seconds(double jd_ut) {
    const double year = std::trunc((jd_ut + 1524.0 - 122.1) / 365.25 - 4715.5);
    if (year >= 1900.0 && year <= 1997.0) {
        const double t = (year - 1900.0) / 100.0;
        double sum = 0.0;
        for (auto c = kDeltaT1900.rbegin(); c != kDeltaT1900.rend(); ++c) sum = sum * t + *c;
        return sum;
    }
    return delta_t_espenak_meeus(year);
}

EarthPosition earth_heliocentric(double jde) {
    const double tau = millennia_from_j2000(jde);
    return {vsop_sum(vsop87::kLongitude, tau), vsop_sum(vsop87::kLatitude, tau),
            vsop_sum(vsop87::kRadius, tau)};
}

ApparentSun apparent_sun(double jde) {
    // Aberration as light time: the Earth where it was when the light left the Sun.
    const double radius_au = vsop_sum(vsop87::kRadius, millennia_from_j2000(jde));
    const double tau_emitted = millennia_from_j2000(jde - kLightTime_days_per_au * radius_au);
    const double earth_longitude_rad = vsop_sum(vsop87::kLongitude, tau_emitted);
    const double earth_latitude_rad = vsop_sum(vsop87::kLatitude, tau_emitted);

    const double T = (jde - kJ2000_jd) / 36525.0;
    double longitude_deg = reduce_deg(earth_longitude_rad / kRadPerDeg + 180.0);
    double latitude_deg = -earth_latitude_rad / kRadPerDeg;

    // Meeus, ch. 25: from the VSOP87 frame to FK5.
    const double lambda_prime = longitude_deg - 1.397 * T - 0.00031 * T * T;
    longitude_deg += (-0.09033 + 0.03916 * (cos_deg(lambda_prime) + sin_deg(lambda_prime)) *
                                     std::tan(latitude_deg * kRadPerDeg)) *
                     kDegPerArcsec;
    latitude_deg += 0.03916 * (cos_deg(lambda_prime) - sin_deg(lambda_prime)) * kDegPerArcsec;

    // Meeus, ch. 22: the four largest terms of nutation.
    const double omega = 125.04452 - 1934.136261 * T + 0.0020708 * T * T;
    const double sun_mean_longitude = 280.4665 + 36000.7698 * T;
    const double moon_mean_longitude = 218.3165 + 481267.8813 * T;
    const double nutation_longitude_deg =
        (-17.2 * sin_deg(omega) - 1.32 * sin_deg(2.0 * sun_mean_longitude) -
         0.23 * sin_deg(2.0 * moon_mean_longitude) + 0.21 * sin_deg(2.0 * omega)) *
        kDegPerArcsec;
    const double nutation_obliquity_deg =
        (9.2 * cos_deg(omega) + 0.57 * cos_deg(2.0 * sun_mean_longitude) +
         0.1 * cos_deg(2.0 * moon_mean_longitude) - 0.09 * cos_deg(2.0 * omega)) *
        kDegPerArcsec;
    const double mean_obliquity_deg = 23.43929111 - (46.815 / 3600.0) * T - (0.00059 / 3600.0) * T * T +
                                      (0.001813 / 3600.0) * T * T * T;
    const double obliquity_deg = mean_obliquity_deg + nutation_obliquity_deg;
    longitude_deg = reduce_deg(longitude_deg + nutation_longitude_deg);

    const double sin_lambda = sin_deg(longitude_deg);
    const double cos_eps = cos_deg(obliquity_deg);
    const double sin_eps = sin_deg(obliquity_deg);
    const double sin_beta = sin_deg(latitude_deg);
    const double cos_beta = cos_deg(latitude_deg);
    const double ra_rad = std::atan2(sin_lambda * cos_eps * cos_beta - sin_beta * sin_eps,
                                     cos_deg(longitude_deg) * cos_beta);
    const double sin_dec = sin_beta * cos_eps + cos_beta * sin_eps * sin_lambda;

    ApparentSun sun{};
    sun.longitude_deg = longitude_deg;
    sun.latitude_deg = latitude_deg;
    sun.right_ascension_deg = reduce_deg(ra_rad / kRadPerDeg);
    sun.declination_deg = std::asin(std::clamp(sin_dec, -1.0, 1.0)) / kRadPerDeg;
    sun.true_obliquity_deg = obliquity_deg;
    sun.nutation_longitude_deg = nutation_longitude_deg;
    sun.distance_au = radius_au;
    return sun;
}

double sun_altitude_deg(double jd_ut, double longitude_deg, double latitude_deg) {
    const ApparentSun sun = apparent_sun(jd_ut + delta_t_seconds(jd_ut) / 86400.0);
    // Meeus, ch. 12: mean sidereal time at Greenwich, made apparent by the
    // equation of the equinoxes so that it matches the apparent right ascension.
    const double days = jd_ut - kJ2000_jd;
    const double T = days / 36525.0;
    const double mean_sidereal_deg =
        280.46061837 + 360.98564736629 * days + 0.000387933 * T * T - T * T * T / 38710000.0;
    const double apparent_sidereal_deg =
        mean_sidereal_deg + sun.nutation_longitude_deg * cos_deg(sun.true_obliquity_deg);
    const double hour_angle_deg = reduce_deg(apparent_sidereal_deg + longitude_deg - sun.right_ascension_deg);
    const double sin_altitude = sin_deg(latitude_deg) * sin_deg(sun.declination_deg) +
                                cos_deg(latitude_deg) * cos_deg(sun.declination_deg) * cos_deg(hour_angle_deg);
    return std::asin(std::clamp(sin_altitude, -1.0, 1.0)) / kRadPerDeg;
}

} // namespace vespera

// ---- engine members ---------------------------------------------------------

double clsCalendar::clock_hours() const {
    const std::int64_t seconds = clock_ ? static_cast<std::int64_t>(clock_().count()) : 0;
    const std::int64_t h = seconds / 3600;
    const std::int64_t m = (seconds % 3600) / 60;
    const std::int64_t s = seconds % 60;
    return static_cast<double>(h) + (static_cast<double>(m) + static_cast<double>(s) / 60.0) / 60.0;
}

double clsCalendar::sun_altitude_at(double jd_ut) const {
    return vespera::sun_altitude_deg(jd_ut, f_.Longitude, f_.Latitude);
}

double clsCalendar::sun_distance_km() const {
    const double jd = static_cast<double>(f_.JD);
    const double jde = jd + vespera::delta_t_seconds(jd) / 86400.0;
    return vespera::earth_heliocentric(jde).radius_au * vespera::kAstronomicalUnit_km;
}

void clsCalendar::Sonne_Position() {
    guarded_void("Sonne_Position", [&] {
        // The clock shows local civil time; the orbit wants universal time.
        const double local_jd = static_cast<double>(f_.JD) - 0.5 + clock_hours() / 24.0;
        const double jd_ut = local_jd - zone_offset_for_current_day() / 24.0;
        if (!std::isfinite(jd_ut)) raise_fault(FaultCode::InvalidCall);
        f_.sun_altitude_deg = sun_altitude_at(jd_ut);
    });
}

// `local_hour` is a clock time of the engine's day at the engine's place, in
// the zone offset plus the summer-time hour of that day, as the rise and set
// times are.
double clsCalendar::Sonne_KulminationHoehe(double local_hour) {
    return guarded("Sonne_KulminationHoehe", 0.0, [&] {
        const double jd_ut =
            static_cast<double>(f_.JD) - 0.5 + (local_hour - zone_offset_for_current_day()) / 24.0;
        if (!std::isfinite(jd_ut)) raise_fault(FaultCode::InvalidCall);
        f_.culmination_altitude_deg = sun_altitude_at(jd_ut);
        f_.culmination_pending = false;
        return f_.culmination_altitude_deg;
    });
}

std::string clsCalendar::Sonne_Hoehe() {
    return guarded("Sonne_Hoehe", std::string{}, [&] {
        const double altitude = f_.sun_altitude_deg;
        const char* label = "° (Tag)";
        if (altitude < kCivilTwilightAltitude_deg) {
            label = "° (Nacht)";
        } else if (altitude < kSunriseAltitude_deg) {
            label = "° (Dämmerung)";
        }
        return vespera::fixed(altitude, 4, decimal_separator_) + label;
    });
}

std::string clsCalendar::SonneEntfernung() {
    return guarded("SonneEntfernung", std::string{}, [&] {
        const double distance_km = sun_distance_km();
        return vespera::general(vespera::round_half_even(distance_km, 1), decimal_separator_) + " km; " +
               vespera::general(vespera::round_half_even(distance_km / vespera::kAstronomicalUnit_km, 3),
                                decimal_separator_) +
               " AE";
    });
}
