#include "astro/solar_eclipse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "astro/eclipse_search.h"
#include "astro/eclipse_sky.h"
#include "ephemeris/angles.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/moon.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

// The Moon's radius in Earth equatorial radii for the partial and for the
// total or annular phase, and the Sun's semidiameter at 1 au (see the header).
constexpr double kMoonRadiusPenumbral = 0.272488;
constexpr double kMoonRadiusUmbral = 0.272281;
constexpr double kSunSemidiameterAt1Au_arcsec = 959.63;
constexpr double kSunRadius_km = kSunSemidiameterAt1Au_arcsec * kDegPerArcsec * kRadPerDeg * kAstronomicalUnit_km;
constexpr double kEarthFlattening = 1.0 / 298.257; // IAU 1976, as observer_geocentric

constexpr double kMinute_days = 1.0 / 1440.0;
constexpr double kScanStep_days = 10.0 * kMinute_days;
// No point of the Earth sees the Sun and the Moon closer than their
// geocentric distance less the Moon's parallax (about 1.02 degrees) and the
// sum of the semidiameters: beyond 1.6 degrees at the new moon there is no
// eclipse anywhere.
constexpr double kNoEclipseSeparation_deg = 1.6;

double semidiameter_deg(double radius_km, double distance_km) {
    return std::asin(std::clamp(radius_km / distance_km, -1.0, 1.0)) / kRadPerDeg;
}

// Fraction of a disk of radius `sun` covered by one of radius `moon` whose
// centre lies `d` away (flat geometry: the radii are a quarter degree).
double covered_area_fraction(double sun, double moon, double d) {
    if (d >= sun + moon) return 0.0;
    if (d <= std::fabs(sun - moon)) return moon >= sun ? 1.0 : (moon * moon) / (sun * sun);
    const double a = moon * moon * std::acos(std::clamp((d * d + moon * moon - sun * sun) / (2.0 * d * moon), -1.0, 1.0));
    const double b = sun * sun * std::acos(std::clamp((d * d + sun * sun - moon * moon) / (2.0 * d * sun), -1.0, 1.0));
    const double c = 0.5 * std::sqrt(std::max(0.0, (-d + moon + sun) * (d + moon - sun) * (d - moon + sun) * (d + moon + sun)));
    return (a + b - c) / (std::numbers::pi * sun * sun);
}

// The Sun and the Moon as one place sees them.
class PlaceView {
public:
    PlaceView(const EclipseSky& sky, double latitude_deg, double longitude_deg)
        : sky_(sky), observer_(observer_geocentric(latitude_deg, 0.0)), latitude_deg_(latitude_deg),
          longitude_deg_(longitude_deg) {}

    struct Disks {
        double separation_deg;
        double sun_deg;        // semidiameters
        double moon_outer_deg; // partial phase
        double moon_inner_deg; // total or annular phase
    };

    Disks disks(double jd_ut) const {
        const double lst = sky_.sidereal_deg(jd_ut) + longitude_deg_;
        const Vector3 o = observer_km(observer_, lst);
        const Vector3 moon = sky_.moon_km(jd_ut) - o;
        const Vector3 sun = sky_.sun_km(jd_ut) - o;
        const double moon_distance = length(moon);
        return {angle_between_deg(moon, sun), semidiameter_deg(kSunRadius_km, length(sun)),
                semidiameter_deg(kMoonRadiusPenumbral * kEarthEquatorialRadius_km, moon_distance),
                semidiameter_deg(kMoonRadiusUmbral * kEarthEquatorialRadius_km, moon_distance)};
    }

    double separation_deg(double jd_ut) const { return disks(jd_ut).separation_deg; }

    // Negative while the disks overlap.
    double outer_gap_deg(double jd_ut) const {
        const Disks d = disks(jd_ut);
        return d.separation_deg - (d.sun_deg + d.moon_outer_deg);
    }

    // Negative while one disk lies wholly inside the other.
    double inner_gap_deg(double jd_ut) const {
        const Disks d = disks(jd_ut);
        return d.separation_deg - std::fabs(d.moon_inner_deg - d.sun_deg);
    }

    EclipseContact contact(double jd_ut) const {
        const double lst = sky_.sidereal_deg(jd_ut) + longitude_deg_;
        const Vector3 sun = sky_.sun_km(jd_ut) - observer_km(observer_, lst);
        return {jd_ut, altitude_of_deg(sun, zenith(latitude_deg_, lst))};
    }

private:
    const EclipseSky& sky_;
    ObserverGeocentric observer_;
    double latitude_deg_;
    double longitude_deg_;
};

// Whether the Sun stands above the horizon at some moment of the eclipse.
// Over the few hours of an eclipse the Sun's altitude has at most one
// turning point, which samples ten minutes apart cannot step over unless it
// barely reaches the horizon.
bool sun_up_during(const PlaceView& view, const LocalSolarEclipse& e) {
    if (e.first.sun_up() || e.maximum.sun_up() || e.last.sun_up()) return true;
    const double span = e.last.jd_ut - e.first.jd_ut;
    const int steps = static_cast<int>(std::ceil(span / kScanStep_days));
    for (int i = 1; i < steps; ++i) {
        if (view.contact(e.first.jd_ut + span * i / steps).sun_up()) return true;
    }
    return false;
}

LocalSolarEclipse local_eclipse(const EclipseSky& sky, double latitude_deg, double longitude_deg) {
    LocalSolarEclipse e;
    e.new_moon_jd_ut = sky.centre_jd_ut();
    if (!sky.usable() || !std::isfinite(latitude_deg) || !std::isfinite(longitude_deg)) return e;
    const double centre = sky.centre_jd_ut();
    if (angle_between_deg(sky.moon_km(centre), sky.sun_km(centre)) > kNoEclipseSeparation_deg) return e;

    const PlaceView view(sky, latitude_deg, longitude_deg);
    const double start = centre - EclipseSky::kHalfSpan_days;
    const double end = centre + EclipseSky::kHalfSpan_days;
    double best_t = start;
    double best = view.separation_deg(start);
    for (double t = start + kScanStep_days; t <= end + 1e-9; t += kScanStep_days) {
        const double s = view.separation_deg(t);
        if (s < best) {
            best = s;
            best_t = t;
        }
    }
    const double t_max = eclipse_search::least_on([&](double t) { return view.separation_deg(t); },
                                                  std::max(start, best_t - kScanStep_days),
                                                  std::min(end, best_t + kScanStep_days));
    const PlaceView::Disks at_max = view.disks(t_max);
    if (!(at_max.separation_deg < at_max.sun_deg + at_max.moon_outer_deg)) return e;

    const auto outer = [&](double t) { return view.outer_gap_deg(t); };
    e.first = view.contact(eclipse_search::first_crossing(outer, t_max, -kScanStep_days, start));
    e.last = view.contact(eclipse_search::first_crossing(outer, t_max, kScanStep_days, end));
    e.maximum = view.contact(t_max);

    const double inner_limit = std::fabs(at_max.moon_inner_deg - at_max.sun_deg);
    if (at_max.separation_deg < inner_limit) {
        const bool total = at_max.moon_inner_deg > at_max.sun_deg;
        e.kind = total ? SolarEclipseKind::Total : SolarEclipseKind::Annular;
        const auto inner = [&](double t) { return view.inner_gap_deg(t); };
        e.second = view.contact(eclipse_search::first_crossing(inner, t_max, -kMinute_days, e.first.jd_ut));
        e.third = view.contact(eclipse_search::first_crossing(inner, t_max, kMinute_days, e.last.jd_ut));
        e.magnitude = at_max.moon_inner_deg / at_max.sun_deg;
        e.obscuration = total ? 1.0 : e.magnitude * e.magnitude;
    } else {
        e.kind = SolarEclipseKind::Partial;
        e.magnitude = (at_max.sun_deg + at_max.moon_outer_deg - at_max.separation_deg) / (2.0 * at_max.sun_deg);
        e.obscuration = covered_area_fraction(at_max.sun_deg, at_max.moon_outer_deg, at_max.separation_deg);
    }
    e.visible = sun_up_during(view, e);
    return e;
}

// The shadow's axis against the Earth. Where it meets the ellipsoid the
// Earth is made a sphere of its equatorial radius by stretching every z
// coordinate by 1 / (1 - f); gamma and the instant of greatest eclipse are
// measured unstretched, as NASA's Besselian elements measure them.
struct Axis {
    Vector3 moon;      // km
    Vector3 direction; // unit, from the Sun through the Moon
    Vector3 nearest;   // the axis's point nearest the Earth's centre
    double sun_moon_km;
};

Vector3 stretched(Vector3 v) { return {v.x, v.y, v.z / (1.0 - kEarthFlattening)}; }

Axis axis_at(const EclipseSky& sky, double jd_ut, bool stretch) {
    Vector3 moon = sky.moon_km(jd_ut);
    Vector3 sun = sky.sun_km(jd_ut);
    if (stretch) {
        moon = stretched(moon);
        sun = stretched(sun);
    }
    const Vector3 along = moon - sun;
    const double d = length(along);
    const Vector3 u = (1.0 / d) * along;
    return {moon, u, moon - dot(moon, u) * u, d};
}

} // namespace

double new_moon_nearest(double jd_ut) {
    const double k = nearest_lunation(jde_of(jd_ut), false);
    if (!std::isfinite(k)) return k;
    const double jde = lunar_phase(k, false).jde;
    return jde - delta_t_seconds(jde) / kSecondsPerDay;
}

LocalSolarEclipse local_solar_eclipse(double new_moon_jd_ut, double latitude_deg, double longitude_deg) {
    if (!std::isfinite(new_moon_jd_ut) || std::fabs(new_moon_jd_ut) > 1e9) return {};
    const EclipseSky sky = EclipseSky::around_syzygy(new_moon_jd_ut, false);
    return local_eclipse(sky, latitude_deg, longitude_deg);
}

GlobalSolarEclipse global_solar_eclipse(double new_moon_jd_ut) {
    GlobalSolarEclipse g;
    g.new_moon_jd_ut = new_moon_jd_ut;
    if (!std::isfinite(new_moon_jd_ut) || std::fabs(new_moon_jd_ut) > 1e9) return g;
    const EclipseSky sky = EclipseSky::around_syzygy(new_moon_jd_ut, false);
    if (!sky.usable()) return g;
    const double centre = sky.centre_jd_ut();
    if (angle_between_deg(sky.moon_km(centre), sky.sun_km(centre)) > kNoEclipseSeparation_deg) return g;

    const auto axis_distance = [&](double t) { return length(axis_at(sky, t, false).nearest); };
    const double start = centre - EclipseSky::kHalfSpan_days;
    const double end = centre + EclipseSky::kHalfSpan_days;
    double best_t = start;
    double best = axis_distance(start);
    for (double t = start + kScanStep_days; t <= end + 1e-9; t += kScanStep_days) {
        const double d = axis_distance(t);
        if (d < best) {
            best = d;
            best_t = t;
        }
    }
    const double t_g = eclipse_search::least_on(axis_distance, std::max(start, best_t - kScanStep_days),
                                                std::min(end, best_t + kScanStep_days));
    const Axis plain = axis_at(sky, t_g, false);
    const Axis axis = axis_at(sky, t_g, true);
    const double a = kEarthEquatorialRadius_km;
    const double distance = length(axis.nearest);
    // The penumbral and umbral cones where they cross the plane through the
    // Earth's centre perpendicular to the axis (Besselian l1 and l2, in km;
    // the umbral radius positive while the umbra has not yet closed).
    const double moon_to_plane = -dot(axis.moon, axis.direction);
    const double sin_f1 = (kSunRadius_km + kMoonRadiusPenumbral * a) / axis.sun_moon_km;
    const double sin_f2 = (kSunRadius_km - kMoonRadiusUmbral * a) / axis.sun_moon_km;
    const double tan_f1 = sin_f1 / std::sqrt(1.0 - sin_f1 * sin_f1);
    const double tan_f2 = sin_f2 / std::sqrt(1.0 - sin_f2 * sin_f2);
    const double penumbra = moon_to_plane * tan_f1 + kMoonRadiusPenumbral * a / std::sqrt(1.0 - sin_f1 * sin_f1);
    const double umbra = kMoonRadiusUmbral * a / std::sqrt(1.0 - sin_f2 * sin_f2) - moon_to_plane * tan_f2;
    if (!(distance < a + penumbra)) return g;

    g.greatest_jd_ut = t_g;
    const double plain_distance = length(plain.nearest);
    g.gamma = (plain.nearest.z < 0.0 ? -plain_distance : plain_distance) / a;
    Vector3 point;
    if (distance < a) {
        const double h = std::sqrt(a * a - distance * distance);
        point = axis.nearest - h * axis.direction; // the sunward crossing
        const double umbra_at_point = umbra + h * tan_f2;
        g.kind = umbra_at_point > 0.0 ? (umbra < 0.0 ? SolarEclipseKind::Hybrid : SolarEclipseKind::Total)
                                      : SolarEclipseKind::Annular;
    } else {
        point = (a / distance) * axis.nearest;
        if (distance < a + std::fabs(umbra)) {
            g.kind = umbra > 0.0 ? SolarEclipseKind::Total : SolarEclipseKind::Annular;
        } else {
            g.kind = SolarEclipseKind::Partial;
        }
    }
    // Back from the stretched sphere to the ellipsoid: the geodetic latitude
    // of a surface point is atan(z / ((1 - f)^2 p)).
    const double z = point.z * (1.0 - kEarthFlattening);
    const double p = std::hypot(point.x, point.y);
    g.latitude_deg = std::atan2(z, (1.0 - kEarthFlattening) * (1.0 - kEarthFlattening) * p) / kRadPerDeg;
    g.longitude_deg = std::remainder(std::atan2(point.y, point.x) / kRadPerDeg - sky.sidereal_deg(t_g), 360.0);
    const LocalSolarEclipse there = local_eclipse(sky, g.latitude_deg, g.longitude_deg);
    g.magnitude = there.magnitude;
    return g;
}

} // namespace vespera
