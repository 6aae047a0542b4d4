#include "astro/lunar_eclipse.h"

#include <algorithm>
#include <cmath>

#include "astro/eclipse_search.h"
#include "astro/eclipse_sky.h"
#include "ephemeris/angles.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/moon.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

constexpr double kDanjonFactor = 1.01;
constexpr double kMoonRadius = 0.2725076; // Earth equatorial radii
constexpr double kSunRadius_km = 959.63 * kDegPerArcsec * kRadPerDeg * kAstronomicalUnit_km;
constexpr double kMinute_days = 1.0 / 1440.0;

// The radii are below 1.1 degrees: asin x = x + x^3 / 6 leaves 1e-10 rad.
double small_asin_deg(double x) { return x * (1.0 + x * x / 6.0) / kRadPerDeg; }

// The Moon against the Earth's shadow at one instant, degrees.
struct ShadowView {
    double distance_deg;  // of the Moon's centre from the shadow's
    double penumbra_deg;  // radii
    double umbra_deg;
    double moon_deg;      // the Moon's semidiameter
};

ShadowView shadow_view(const EclipseSky& sky, double jd_ut) {
    const Vector3 moon = sky.moon_km(jd_ut);
    const Vector3 sun = sky.sun_km(jd_ut);
    const double moon_distance = length(moon);
    const double sun_distance = length(sun);
    const double moon_parallax = small_asin_deg(kEarthEquatorialRadius_km / moon_distance);
    const double sun_parallax = small_asin_deg(kEarthEquatorialRadius_km / sun_distance);
    const double sun_semidiameter = small_asin_deg(kSunRadius_km / sun_distance);
    return {angle_between_deg(moon, -1.0 * sun), kDanjonFactor * moon_parallax + sun_parallax + sun_semidiameter,
            kDanjonFactor * moon_parallax + sun_parallax - sun_semidiameter,
            small_asin_deg(kMoonRadius * kEarthEquatorialRadius_km / moon_distance)};
}

// Seen from the Earth's centre the Moon crosses the shadow on a nearly
// straight line at a nearly uniform speed, so the square of its distance from
// the shadow's centre is nearly a parabola in time, d^2 = d0^2 + w^2 (t - t0)^2.
struct Passage {
    double t0;      // least distance
    double w2;      // squared speed, degrees^2 per day^2
};

// The parabola through the squared distances at t - h, t and t + h.
Passage parabola_through(const EclipseSky& sky, double t, double h) {
    const auto d2 = [&](double at) {
        const double d = shadow_view(sky, at).distance_deg;
        return d * d;
    };
    const double before = d2(t - h);
    const double middle = d2(t);
    const double after = d2(t + h);
    const double curvature = before - 2.0 * middle + after;
    if (!(curvature > 0.0)) return {t, 0.0};
    const double shift = std::clamp(h * (before - after) / (2.0 * curvature), -h, h);
    return {t + shift, curvature / (2.0 * h * h)};
}

// The contact on one side of the maximum where `gap` (negative inside)
// turns non-negative. The parabola puts it within seconds; a bracket of a few
// minutes around that guess is closed by regula falsi, and should the guess
// miss, the whole side up to `limit` is searched. NaN if the gap stays
// negative at `limit`, which a phase of more than the span's half would need.
template <class Gap>
double contact_towards(Gap&& gap, double t_max, double guess, double limit) {
    constexpr double kBracket_days = 3.0 * kMinute_days;
    if (std::isfinite(guess)) {
        const double inner = guess - std::copysign(kBracket_days, limit - t_max);
        const double outer = guess + std::copysign(kBracket_days, limit - t_max);
        const double g_inner = gap(inner);
        const double g_outer = gap(outer);
        if (g_inner < 0.0 && g_outer >= 0.0) return eclipse_search::zero_between(gap, inner, g_inner, outer, g_outer);
    }
    const double at_limit = gap(limit);
    if (!(at_limit >= 0.0)) return std::nan("");
    return eclipse_search::zero_between(gap, t_max, gap(t_max), limit, at_limit);
}

} // namespace

double full_moon_nearest(double jd_ut) {
    const double k = nearest_lunation(jde_of(jd_ut), true);
    if (!std::isfinite(k)) return k;
    const double jde = lunar_phase(k, true).jde;
    return jde - delta_t_seconds(jde) / kSecondsPerDay;
}

LunarEclipse lunar_eclipse_near(double jd_ut) {
    LunarEclipse e;
    const double k = nearest_lunation(jde_of(jd_ut), true);
    if (!std::isfinite(k)) return e;
    const LunarPhase phase = lunar_phase(k, true);
    e.full_moon_jd_ut = phase.jde - delta_t_seconds(phase.jde) / kSecondsPerDay;
    if (!may_be_eclipsed(phase)) return e;

    const EclipseSky sky = EclipseSky::around_syzygy(e.full_moon_jd_ut, true);
    if (!sky.usable()) return e;
    const double start = sky.centre_jd_ut() - EclipseSky::kHalfSpan_days;
    const double end = sky.centre_jd_ut() + EclipseSky::kHalfSpan_days;
    // The least distance lies within twenty minutes of the opposition in
    // longitude (the path is inclined 5.6 degrees to the ecliptic): a
    // parabola over two hours finds it to a minute, one over twenty minutes
    // to a second.
    const Passage wide = parabola_through(sky, sky.centre_jd_ut(), 60.0 * kMinute_days);
    const Passage passage = parabola_through(sky, wide.t0, 10.0 * kMinute_days);
    const double t_max = passage.t0;
    const ShadowView at_max = shadow_view(sky, t_max);
    e.umbral_magnitude = (at_max.umbra_deg + at_max.moon_deg - at_max.distance_deg) / (2.0 * at_max.moon_deg);
    e.penumbral_magnitude = (at_max.penumbra_deg + at_max.moon_deg - at_max.distance_deg) / (2.0 * at_max.moon_deg);
    if (!(e.penumbral_magnitude > 0.0)) return e;

    // Half the time from one contact to its partner, from the parabola.
    const double d0 = at_max.distance_deg;
    const auto half_duration = [&](double radius_deg) {
        const double inside = radius_deg * radius_deg - d0 * d0;
        return inside > 0.0 && wide.w2 > 0.0 ? std::sqrt(inside / wide.w2) : std::nan("");
    };
    const auto penumbral_gap = [&](double t) {
        const ShadowView v = shadow_view(sky, t);
        return v.distance_deg - (v.penumbra_deg + v.moon_deg);
    };
    const auto umbral_gap = [&](double t) {
        const ShadowView v = shadow_view(sky, t);
        return v.distance_deg - (v.umbra_deg + v.moon_deg);
    };
    const auto total_gap = [&](double t) {
        const ShadowView v = shadow_view(sky, t);
        return v.distance_deg - (v.umbra_deg - v.moon_deg);
    };
    auto& c = e.contact_jd_ut;
    const auto both_sides = [&](auto& gap, double radius_deg, LunarContact before, LunarContact after) {
        const double half = half_duration(radius_deg);
        c[static_cast<std::size_t>(before)] = contact_towards(gap, t_max, t_max - half, start);
        c[static_cast<std::size_t>(after)] = contact_towards(gap, t_max, t_max + half, end);
    };
    c[static_cast<std::size_t>(LunarContact::Maximum)] = t_max;
    e.kind = LunarEclipseKind::Penumbral;
    both_sides(penumbral_gap, at_max.penumbra_deg + at_max.moon_deg, LunarContact::P1, LunarContact::P4);
    if (e.umbral_magnitude > 0.0) {
        e.kind = LunarEclipseKind::Partial;
        both_sides(umbral_gap, at_max.umbra_deg + at_max.moon_deg, LunarContact::U1, LunarContact::U4);
    }
    if (e.umbral_magnitude >= 1.0) {
        e.kind = LunarEclipseKind::Total;
        both_sides(total_gap, at_max.umbra_deg - at_max.moon_deg, LunarContact::U2, LunarContact::U3);
    }
    return e;
}

LunarEclipseSeen lunar_eclipse_seen_from(const LunarEclipse& eclipse, double latitude_deg, double longitude_deg) {
    LunarEclipseSeen seen;
    if (eclipse.kind == LunarEclipseKind::None || !std::isfinite(latitude_deg) || !std::isfinite(longitude_deg)) {
        return seen;
    }
    const ObserverGeocentric observer = observer_geocentric(latitude_deg, 0.0);
    const auto moon_altitude = [&](double jd_ut) {
        const MoonApparent moon = moon_apparent(jde_of(jd_ut));
        const double last_deg = greenwich_mean_sidereal_deg(jd_ut - kJ2000_jd) +
                                moon.nutation_longitude_deg * cos_deg(moon.true_obliquity_deg) + longitude_deg;
        const TopocentricEquatorial topocentric =
            topocentric_equatorial(moon.right_ascension_deg, moon.declination_deg, moon.distance_km,
                                   last_deg - moon.right_ascension_deg, observer);
        return altitude_deg(last_deg - topocentric.right_ascension_deg, topocentric.declination_deg, latitude_deg);
    };
    for (std::size_t i = 0; i < kLunarContactCount; ++i) {
        const double t = eclipse.contact_jd_ut[i];
        if (!std::isfinite(t)) continue;
        seen.moon_altitude_deg[i] = moon_altitude(t);
        if (seen.moon_altitude_deg[i] > kMoonriseAltitude_deg) seen.visible = true;
    }
    // Up neither at a contact nor at the maximum, the Moon may still show
    // itself between two of them near the pole; half-hour samples find a
    // passage above the horizon of any useful length.
    const double p1 = eclipse.at(LunarContact::P1);
    const double p4 = eclipse.at(LunarContact::P4);
    if (!seen.visible && std::isfinite(p1) && std::isfinite(p4)) {
        for (double t = p1 + 30.0 * kMinute_days; t < p4 && !seen.visible; t += 30.0 * kMinute_days) {
            seen.visible = moon_altitude(t) > kMoonriseAltitude_deg;
        }
    }
    return seen;
}

} // namespace vespera
