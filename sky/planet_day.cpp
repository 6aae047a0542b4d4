#include "sky/planet_day.h"

#include <cmath>
#include <limits>
#include <optional>

#include "ephemeris/angles.h"
#include "ephemeris/constellations.h"
#include "ephemeris/time_scales.h"
#include "sky/day_track.h"
#include "sky/horizon_crossings.h"

namespace vespera {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The first upper transit at or after `from`, before `to`.
DayEvent transit(const Sky& sky, const Track& body, double from, double to) {
    const auto rate = [&](double t) { return kSiderealRate_deg_per_day - body.ra_deg.rate_per_day(sky.x_of(t)); };
    double t = from + (360.0 - reduce_degrees(sky.hour_angle_deg(body, from))) / rate(from);
    if (t - from >= 1.0) t -= 360.0 / rate(from); // exactly on the meridian at the start
    for (int round = 0; round < 4; ++round) t -= std::remainder(sky.hour_angle_deg(body, t), 360.0) / rate(t);
    if (!std::isfinite(t) || t < from || t >= to) return {EventStatus::NotThisDay, 0.0};
    return {EventStatus::Occurs, t};
}

// The Sun's centre below -12 degrees from `begin` to `end`; empty when begin >= end.
struct Dark {
    double begin = 0.0;
    double end = 0.0;
    bool exists() const { return begin < end; }
    double middle() const { return 0.5 * (begin + end); }
};

struct Night {
    bool dark_at_all = false; // the Sun reaches -12 degrees on this day
    bool polar = false;       // and stays there all day
    Dark morning;             // the darkness that ends at the day's dawn
    Dark evening;             // the darkness that begins at the day's dusk
    Dark day;                 // polar: the local day
};

// The planet's first crossing of a direction strictly inside a span, or nullptr.
const Crossing* first_within(const std::vector<Crossing>& crossings, double begin, double end, bool rising) {
    const Crossing* c = first_after(crossings, begin, rising);
    return c != nullptr && c->jd_ut > begin && c->jd_ut < end ? c : nullptr;
}

const Crossing* last_within(const std::vector<Crossing>& crossings, double begin, double end, bool rising) {
    const Crossing* c = last_before(crossings, end, rising);
    return c != nullptr && c->jd_ut > begin && c->jd_ut < end ? c : nullptr;
}

Visibility seen(VisibilityKind kind, double from_jd_ut = 0.0, double until_jd_ut = 0.0) {
    return {kind, from_jd_ut, until_jd_ut};
}

// The longest stretch above the horizon within a span of darkness.
std::optional<Visibility> longest_up(const std::vector<Crossing>& crossings, const std::function<bool(double)>& up,
                                     const Dark& dark) {
    std::optional<Visibility> best;
    double from = up(dark.begin) ? dark.begin : kNaN;
    const auto close = [&](double until) {
        if (std::isnan(from)) return;
        if (!best || until - from > best->until_jd_ut - best->from_jd_ut) {
            best = seen(VisibilityKind::InTheNight, from, until);
        }
        from = kNaN;
    };
    for (const Crossing& c : crossings) {
        if (c.jd_ut <= dark.begin || c.jd_ut >= dark.end) continue;
        if (c.rising) {
            from = c.jd_ut;
        } else {
            close(c.jd_ut);
        }
    }
    close(dark.end);
    if (best && best->from_jd_ut == dark.begin && best->until_jd_ut == dark.end) best->kind = VisibilityKind::AllNight;
    return best;
}

Visibility judge(const Night& night, const std::vector<Crossing>& crossings, const std::function<bool(double)>& up,
                 double window_start, double elongation_deg) {
    if (!night.dark_at_all) return seen(VisibilityKind::NoDarkNight);
    if (crossings.empty() && !up(window_start)) return seen(VisibilityKind::NeverUp);
    const Visibility hidden =
        seen(elongation_deg < kTooCloseToSun_deg ? VisibilityKind::TooCloseToSun : VisibilityKind::DownInTheDark);
    if (night.polar) return longest_up(crossings, up, night.day).value_or(hidden);

    const Dark& evening = night.evening;
    const Dark& morning = night.morning;
    if (evening.exists() && up(evening.begin)) {
        const Crossing* set = first_within(crossings, evening.begin, evening.end, false);
        if (set == nullptr) return seen(VisibilityKind::AllNight);
        // A planet that dips below the horizon for part of a long night.
        const Crossing* again = first_within(crossings, set->jd_ut, evening.end, true);
        if (again != nullptr) return seen(VisibilityKind::EveningAndMorning, again->jd_ut, set->jd_ut);
        return seen(set->jd_ut < evening.middle() ? VisibilityKind::EveningSky : VisibilityKind::EveningIntoNight, 0.0,
                    set->jd_ut);
    }
    // Rising early in the coming night: tonight's rise rather than last night's.
    if (evening.exists()) {
        const Crossing* rise = first_within(crossings, evening.begin, evening.middle(), true);
        if (rise != nullptr && first_within(crossings, rise->jd_ut, evening.end, false) == nullptr) {
            return seen(VisibilityKind::NightIntoMorning, rise->jd_ut);
        }
    }
    if (morning.exists() && up(morning.end)) {
        const Crossing* rise = last_within(crossings, morning.begin, morning.end, true);
        if (rise == nullptr) return seen(VisibilityKind::AllNight);
        const Crossing* set = last_within(crossings, morning.begin, rise->jd_ut, false);
        if (set != nullptr && up(morning.begin)) {
            return seen(VisibilityKind::EveningAndMorning, rise->jd_ut, set->jd_ut);
        }
        return seen(rise->jd_ut > morning.middle() ? VisibilityKind::MorningSky : VisibilityKind::NightIntoMorning,
                    rise->jd_ut);
    }
    // Down when the evening's darkness begins and when the morning's ends:
    // perhaps up for a while in between.
    for (const Dark* dark : {&evening, &morning}) {
        if (!dark->exists()) continue;
        const Crossing* rise = first_within(crossings, dark->begin, dark->end, true);
        if (rise == nullptr) continue;
        const Crossing* set = first_within(crossings, rise->jd_ut, dark->end, false);
        // Still up when it gets light: the coming morning's sky.
        if (set == nullptr) {
            return seen(rise->jd_ut > dark->middle() ? VisibilityKind::MorningSky : VisibilityKind::NightIntoMorning,
                        rise->jd_ut);
        }
        return seen(VisibilityKind::InTheNight, rise->jd_ut, set->jd_ut);
    }
    return hidden;
}

} // namespace

PlanetsOfDay planets_of_day(double start_jd_ut, double end_jd_ut, double longitude_deg, double latitude_deg) {
    PlanetsOfDay day{};
    for (std::size_t i = 0; i < kPlanets.size(); ++i) day.planets[i].planet = kPlanets[i];
    if (!std::isfinite(start_jd_ut) || !std::isfinite(end_jd_ut) || !(end_jd_ut > start_jd_ut) ||
        end_jd_ut - start_jd_ut > 2.0 || !std::isfinite(longitude_deg) || !(std::fabs(latitude_deg) <= 90.0)) {
        return day;
    }
    const double mid = 0.5 * (start_jd_ut + end_jd_ut);
    // The window covers the nights on either side of the day.
    const double window_start = mid - 1.0;
    const double window_end = mid + 1.0;

    std::array<double, 3> jde{};
    std::array<EclipticVector, 3> earth{};
    for (std::size_t k = 0; k < 3; ++k) {
        jde[k] = jde_of(mid + static_cast<double>(k) - 1.0);
        earth[k] = earth_heliocentric_vector(jde[k]);
    }
    std::array<std::array<EclipticVector, 3>, kPlanets.size()> helio{};
    for (const Planet planet : kPlanets) {
        auto& h = helio[index_of(planet)];
        h[0] = planet_heliocentric(planet, jde[0]);
        h[2] = planet_heliocentric(planet, jde[2]);
        // Jupiter and beyond move so evenly that the middle of two days lies
        // within 0.3" of the series.
        h[1] = index_of(planet) >= index_of(Planet::Jupiter)
                   ? EclipticVector{0.5 * (h[0].x_au + h[2].x_au), 0.5 * (h[0].y_au + h[2].y_au),
                                    0.5 * (h[0].z_au + h[2].z_au)}
                   : planet_heliocentric(planet, jde[1]);
    }
    // Every planet's place on the three days, and the apparent Sun with it.
    std::array<std::array<PlanetPlace, 3>, kPlanets.size()> places{};
    for (const Planet planet : kPlanets) {
        const auto& h = helio[index_of(planet)];
        for (std::size_t k = 0; k < 3; ++k) {
            // The planet where its light left it, interpolated between the days.
            const double x = static_cast<double>(k) - 1.0 - light_time_days(h[k], earth[k]);
            const auto q = [&](double a, double b, double c) { return ThreeDays{{a, b, c}}.at(x); };
            const EclipticVector emitted{q(h[0].x_au, h[1].x_au, h[2].x_au), q(h[0].y_au, h[1].y_au, h[2].y_au),
                                         q(h[0].z_au, h[1].z_au, h[2].z_au)};
            places[index_of(planet)][k] = planet_place_from(planet, jde[k], earth[k], emitted);
        }
    }
    std::array<double, 3> sun_ra{}, sun_dec{};
    for (std::size_t k = 0; k < 3; ++k) {
        sun_ra[k] = places[0][k].sun_right_ascension_deg;
        sun_dec[k] = places[0][k].sun_declination_deg;
    }
    const double nutation_in_ra_deg = places[0][1].nutation_longitude_deg * cos_deg(places[0][1].true_obliquity_deg);
    const Sky sky{mid, longitude_deg, sin_deg(latitude_deg), cos_deg(latitude_deg), nutation_in_ra_deg};

    // The Sun and the night.
    const Track sun = track_of(sun_ra, sun_dec);
    const double sin_twilight = sin_deg(kNauticalTwilightAltitude_deg);
    const auto sun_height = [&](double t) { return sky.sin_altitude(sun, t) - sin_twilight; };
    const std::vector<Crossing> sun_crossings = threshold_crossings(sun_height, window_start, window_end);
    const DayEvent noon = transit(sky, sun, start_jd_ut, end_jd_ut);
    const double solar_noon = noon.status == EventStatus::Occurs ? noon.jd_ut : mid;
    Night night;
    const Crossing* dawn = last_before(sun_crossings, solar_noon, true);
    const Crossing* dusk = first_after(sun_crossings, solar_noon, false);
    if (dawn != nullptr && dawn->jd_ut < solar_noon - 0.5) dawn = nullptr;
    if (dusk != nullptr && dusk->jd_ut > solar_noon + 0.5) dusk = nullptr;
    const bool dark_at_noon = sun_height(solar_noon) < 0.0;
    night.polar = dark_at_noon;
    night.dark_at_all = dark_at_noon || sun_height(solar_noon - 0.5) < 0.0 || sun_height(solar_noon + 0.5) < 0.0;
    night.day = {start_jd_ut, end_jd_ut};
    if (dawn != nullptr) {
        const Crossing* fall = last_before(sun_crossings, dawn->jd_ut, false);
        night.morning = {fall != nullptr ? fall->jd_ut : window_start, dawn->jd_ut};
    }
    if (dusk != nullptr) {
        const Crossing* rise = first_after(sun_crossings, dusk->jd_ut, true);
        night.evening = {dusk->jd_ut, rise != nullptr ? rise->jd_ut : window_end};
    }
    const auto twilight_event = [&](const Crossing* c) -> DayEvent {
        if (c != nullptr) return {EventStatus::Occurs, c->jd_ut};
        return {dark_at_noon ? EventStatus::AlwaysBelow
                             : (night.dark_at_all ? EventStatus::NotThisDay : EventStatus::AlwaysAbove),
                0.0};
    };
    day.dawn = twilight_event(dawn);
    day.dusk = twilight_event(dusk);

    const double sin_rise = sin_deg(kPlanetRiseAltitude_deg);
    for (PlanetDay& p : day.planets) {
        const auto& place = places[index_of(p.planet)];
        const std::array<double, 3> ra{place[0].right_ascension_deg, place[1].right_ascension_deg,
                                       place[2].right_ascension_deg};
        const std::array<double, 3> dec{place[0].declination_deg, place[1].declination_deg, place[2].declination_deg};
        const PlanetPlace& middle = place[1];
        p.magnitude = middle.magnitude;
        p.elongation_deg = middle.elongation_deg;
        p.east_of_sun = std::remainder(middle.longitude_deg - middle.sun_longitude_deg, 360.0) > 0.0;
        p.constellation = constellation_index(middle.mean_right_ascension_deg, middle.mean_declination_deg, jde[1]);

        const Track track = track_of(ra, dec);
        const auto height = [&](double t) { return sky.sin_altitude(track, t) - sin_rise; };
        const std::vector<Crossing> crossings = threshold_crossings(height, window_start, window_end);
        const bool above_at_start = height(start_jd_ut) > 0.0;
        p.rise = crossing_on_day(crossings, true, start_jd_ut, end_jd_ut, above_at_start);
        p.set = crossing_on_day(crossings, false, start_jd_ut, end_jd_ut, above_at_start);
        p.culmination = transit(sky, track, start_jd_ut, end_jd_ut);
        if (p.culmination.status == EventStatus::Occurs) {
            const double sin_altitude = sky.sin_altitude(track, p.culmination.jd_ut);
            p.culmination_altitude_deg = std::asin(std::fmax(-1.0, std::fmin(1.0, sin_altitude))) / kRadPerDeg;
        }
        const auto up = [&](double t) { return height(t) > 0.0; };
        p.visibility = judge(night, crossings, up, window_start, p.elongation_deg);
    }
    return day;
}

} // namespace vespera
