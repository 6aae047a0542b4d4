#include "astro/eclipse_sky.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/moon.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

Vector3 vector_of(double right_ascension_deg, double declination_deg, double distance) {
    const double cos_dec = cos_deg(declination_deg);
    return {distance * cos_dec * cos_deg(right_ascension_deg), distance * cos_dec * sin_deg(right_ascension_deg),
            distance * sin_deg(declination_deg)};
}

// Lagrange weights of the nodes -2, -1, 0, 1, 2 at s.
std::array<double, 5> lagrange_weights(double s) {
    const double a = s + 2.0;
    const double b = s + 1.0;
    const double c = s;
    const double d = s - 1.0;
    const double e = s - 2.0;
    return {b * c * d * e / 24.0, -a * c * d * e / 6.0, a * b * d * e / 4.0, -a * b * c * e / 6.0,
            a * b * c * d / 24.0};
}

bool finite(Vector3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

} // namespace

double angle_between_deg(Vector3 a, Vector3 b) {
    return std::atan2(length(cross(a, b)), dot(a, b)) / kRadPerDeg;
}

Vector3 observer_km(ObserverGeocentric observer, double lst_deg) {
    const double r_km = observer.rho_cos_phi * kEarthEquatorialRadius_km;
    return {r_km * cos_deg(lst_deg), r_km * sin_deg(lst_deg), observer.rho_sin_phi * kEarthEquatorialRadius_km};
}

Vector3 zenith(double latitude_deg, double lst_deg) {
    const double cos_lat = cos_deg(latitude_deg);
    return {cos_lat * cos_deg(lst_deg), cos_lat * sin_deg(lst_deg), sin_deg(latitude_deg)};
}

double altitude_of_deg(Vector3 toward, Vector3 up) {
    const double r = length(toward);
    if (!(r > 0.0)) return std::nan("");
    return std::asin(std::clamp(dot(toward, up) / r, -1.0, 1.0)) / kRadPerDeg;
}

EclipseSky::EclipseSky(double centre_jd_ut) : centre_jd_ut_(centre_jd_ut) {
    const double step_days = kHalfSpan_days / 2.0;
    bool all_finite = std::isfinite(centre_jd_ut);
    for (int i = 0; i < kMoonNodes && all_finite; ++i) {
        const double jd_ut = centre_jd_ut + (i - 2) * step_days;
        const MoonApparent moon = moon_apparent(jde_of(jd_ut));
        moon_nodes_[i] = vector_of(moon.right_ascension_deg, moon.declination_deg, moon.distance_km);
        all_finite = finite(moon_nodes_[i]);
        if (i == 2) {
            cos_obliquity_ = cos_deg(moon.true_obliquity_deg);
            sin_obliquity_ = sin_deg(moon.true_obliquity_deg);
            equation_of_equinoxes_deg_ = moon.nutation_longitude_deg * cos_obliquity_;
        }
    }
    if (!all_finite) return;

    const ApparentSun start = apparent_sun(jde_of(centre_jd_ut - kHalfSpan_days));
    const ApparentSun end = apparent_sun(jde_of(centre_jd_ut + kHalfSpan_days));
    sun_start_cos_longitude_ = cos_deg(start.longitude_deg);
    sun_start_sin_longitude_ = sin_deg(start.longitude_deg);
    sun_longitude_change_rad_ = std::remainder(end.longitude_deg - start.longitude_deg, 360.0) * kRadPerDeg;
    sun_start_latitude_rad_ = start.latitude_deg * kRadPerDeg;
    sun_latitude_change_rad_ = (end.latitude_deg - start.latitude_deg) * kRadPerDeg;
    sun_start_distance_km_ = start.distance_au * kAstronomicalUnit_km;
    sun_distance_change_km_ = (end.distance_au - start.distance_au) * kAstronomicalUnit_km;
    usable_ = std::isfinite(sun_start_cos_longitude_) && std::isfinite(sun_longitude_change_rad_) &&
              std::isfinite(sun_start_latitude_rad_) && std::isfinite(sun_latitude_change_rad_) &&
              std::isfinite(sun_start_distance_km_) && std::isfinite(sun_distance_change_km_);
}

Vector3 EclipseSky::moon_km(double jd_ut) const {
    const double s = (jd_ut - centre_jd_ut_) / (kHalfSpan_days / 2.0);
    const std::array<double, 5> w = lagrange_weights(s);
    Vector3 v;
    for (int i = 0; i < kMoonNodes; ++i) v = v + w[static_cast<std::size_t>(i)] * moon_nodes_[i];
    return v;
}

Vector3 EclipseSky::sun_km(double jd_ut) const {
    const double f = (jd_ut - centre_jd_ut_ + kHalfSpan_days) / (2.0 * kHalfSpan_days);
    // The Sun turns by half a degree over the span at most: the sine and
    // cosine of the turn from their series are exact to 1e-12, and the
    // ecliptic latitude (below 1.5") needs no trigonometry at all.
    const double a = f * sun_longitude_change_rad_;
    const double a2 = a * a;
    const double sin_a = a * (1.0 - a2 / 6.0);
    const double cos_a = 1.0 - a2 / 2.0 + a2 * a2 / 24.0;
    const double cos_lon = sun_start_cos_longitude_ * cos_a - sun_start_sin_longitude_ * sin_a;
    const double sin_lon = sun_start_sin_longitude_ * cos_a + sun_start_cos_longitude_ * sin_a;
    const double lat = sun_start_latitude_rad_ + f * sun_latitude_change_rad_;
    const double cos_lat = 1.0 - lat * lat / 2.0;
    const double r_km = sun_start_distance_km_ + f * sun_distance_change_km_;
    // Ecliptic to equator of date (Meeus 13.3, 13.4) as a vector.
    const double y_ecliptic = cos_lat * sin_lon;
    return {r_km * cos_lat * cos_lon, r_km * (y_ecliptic * cos_obliquity_ - lat * sin_obliquity_),
            r_km * (y_ecliptic * sin_obliquity_ + lat * cos_obliquity_)};
}

double EclipseSky::days_to_syzygy(bool opposition) const {
    constexpr double kSynodicRate_deg_per_day = 360.0 / 29.530588853;
    const Vector3 moon = moon_km(centre_jd_ut_);
    const Vector3 sun = sun_km(centre_jd_ut_);
    // Ecliptic longitudes from the equatorial vectors (Meeus 13.1).
    const auto longitude_deg = [&](Vector3 v) {
        return std::atan2(v.y * cos_obliquity_ + v.z * sin_obliquity_, v.x) / kRadPerDeg;
    };
    const double elongation_deg =
        std::remainder(longitude_deg(moon) - longitude_deg(sun) - (opposition ? 180.0 : 0.0), 360.0);
    return -elongation_deg / kSynodicRate_deg_per_day;
}

EclipseSky EclipseSky::around_syzygy(double jd_ut, bool opposition) {
    EclipseSky sky(jd_ut);
    for (int i = 0; i < 4 && sky.usable(); ++i) {
        const double shift_days = sky.days_to_syzygy(opposition);
        if (!(std::fabs(shift_days) >= 1.0 / 24.0) || std::fabs(shift_days) > 20.0) break;
        sky = EclipseSky(sky.centre_jd_ut() + shift_days);
    }
    return sky;
}

double EclipseSky::sidereal_deg(double jd_ut) const {
    return greenwich_mean_sidereal_deg(jd_ut - kJ2000_jd) + equation_of_equinoxes_deg_;
}

} // namespace vespera
