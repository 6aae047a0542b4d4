#include "sky/sky_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "ephemeris/calendar.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/moon.h"
#include "ephemeris/root_finding.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"
#include "sky/meteor_showers.h"

namespace vespera {

std::string_view german_name(Body body) {
    switch (body) {
    case Body::Mercury: return "Merkur";
    case Body::Venus: return "Venus";
    case Body::Mars: return "Mars";
    case Body::Jupiter: return "Jupiter";
    case Body::Saturn: return "Saturn";
    case Body::Uranus: return "Uranus";
    case Body::Neptune: return "Neptun";
    case Body::Moon: return "Mond";
    case Body::Earth: return "Erde";
    case Body::None: break;
    }
    return "";
}

std::string_view event_id(SkyEventKind kind) {
    switch (kind) {
    case SkyEventKind::Conjunction: return "konjunktion";
    case SkyEventKind::InferiorConjunction: return "untere_konjunktion";
    case SkyEventKind::SuperiorConjunction: return "obere_konjunktion";
    case SkyEventKind::Opposition: return "opposition";
    case SkyEventKind::GreatestElongationEast: return "groesste_elongation_ost";
    case SkyEventKind::GreatestElongationWest: return "groesste_elongation_west";
    case SkyEventKind::Perigee: return "perigaeum";
    case SkyEventKind::Apogee: return "apogaeum";
    case SkyEventKind::Perihelion: return "perihel";
    case SkyEventKind::Aphelion: return "aphel";
    case SkyEventKind::CloseApproach: return "begegnung";
    case SkyEventKind::MeteorShower: return "meteorstrom";
    }
    return "";
}

namespace {

constexpr double kSecond_days = 1.0 / 86400.0;
constexpr double kLongestSpan_days = 550.0;
// Daily samples: the fastest relative motion (the Moon against a planet,
// about 15 degrees a day) changes sign between two samples only once.
constexpr double kStep_days = 1.0;
// Extremes are refined on the difference across this much time.
constexpr double kSlopeHalfWidth_days = 1.0 / 24.0;

// Heliocentric vectors of the Earth and the planets at regular instants of
// TT, interpolated between them by four-point Lagrange. The slower a body,
// the wider its nodes: the interpolation stays within 0.5" of the series
// (Mercury at perihelion, daily nodes) at a fraction of its cost.
class NodeSeries {
public:
    NodeSeries(double first_jde, double last_jde, double spacing_days, const std::function<EclipticVector(double)>& at)
        : first_(first_jde - 2.0 * spacing_days), spacing_(spacing_days) {
        const auto count = static_cast<std::size_t>(std::ceil((last_jde - first_) / spacing_) + 3.0);
        nodes_.reserve(count);
        for (std::size_t i = 0; i < count; ++i) nodes_.push_back(at(first_ + static_cast<double>(i) * spacing_));
    }

    EclipticVector at(double jde) const {
        const double x = (jde - first_) / spacing_;
        const double last_start = static_cast<double>(nodes_.size()) - 4.0;
        const double start = std::clamp(std::floor(x) - 1.0, 0.0, last_start);
        const auto i = static_cast<std::size_t>(start);
        const double u = x - start; // the nodes at 0, 1, 2, 3
        const std::array<double, 4> w = {-(u - 1.0) * (u - 2.0) * (u - 3.0) / 6.0, u * (u - 2.0) * (u - 3.0) / 2.0,
                                         -u * (u - 1.0) * (u - 3.0) / 2.0, u * (u - 1.0) * (u - 2.0) / 6.0};
        EclipticVector r{0.0, 0.0, 0.0};
        for (std::size_t k = 0; k < 4; ++k) {
            r.x_au += w[k] * nodes_[i + k].x_au;
            r.y_au += w[k] * nodes_[i + k].y_au;
            r.z_au += w[k] * nodes_[i + k].z_au;
        }
        return r;
    }

private:
    double first_;
    double spacing_;
    std::vector<EclipticVector> nodes_;
};

// Node spacing by planet, days: Mercury's 88-day orbit wants daily nodes,
// Neptune's moves less in a month than Mercury's in a day.
constexpr std::array<double, kPlanets.size()> kNodeSpacing_days = {1.0, 2.0, 2.0, 8.0, 8.0, 16.0, 16.0};

class PlanetTable {
public:
    PlanetTable(double first_jde, double last_jde)
        : earth_(first_jde, last_jde, 1.0, [](double jde) { return earth_heliocentric_vector(jde); }) {
        for (const Planet p : kPlanets) {
            planets_.emplace_back(first_jde, last_jde, kNodeSpacing_days[index_of(p)],
                                  [p](double jde) { return planet_heliocentric(p, jde); });
        }
    }

    EclipticVector earth(double jde) const { return earth_.at(jde); }
    EclipticVector planet(Planet p, double jde) const { return planets_[index_of(p)].at(jde); }

    PlanetPlace place(Planet p, double jde) const {
        const EclipticVector e = earth(jde);
        EclipticVector emitted = planet(p, jde);
        for (int round = 0; round < 2; ++round) emitted = planet(p, jde - light_time_days(emitted, e));
        return planet_place_from(p, jde, e, emitted);
    }

private:
    NodeSeries earth_;
    std::vector<NodeSeries> planets_;
};

using Function = std::function<double(double)>;

// Daily samples of a quantity at from - 1, from, from + 1 ... (UT), and the
// quantity itself for refining what the samples bracket.
struct Sampled {
    const std::vector<double>& samples;
    double first_jd_ut;
    Function exact;
};

// Every instant in [from, to) where the quantity goes from negative to
// positive (or either way, with `both`), skipping the jumps of a wrapped
// angle (a step larger than `jump`).
template <class Found>
void zeros(const Sampled& q, double from, double to, bool both, double jump, Found&& found) {
    for (std::size_t i = 0; i + 1 < q.samples.size(); ++i) {
        const double a = q.first_jd_ut + static_cast<double>(i) * kStep_days;
        if (a >= to) break;
        const double fa = q.samples[i];
        const double fb = q.samples[i + 1];
        const bool crosses = (fa < 0.0 && fb >= 0.0) || (both && fa >= 0.0 && fb < 0.0);
        if (!crosses || !(std::fabs(fb - fa) < jump)) continue;
        const double t = zero_between(q.exact, a, fa, a + kStep_days, fb, kSecond_days);
        if (t >= from && t < to) found(t);
    }
}

// Every maximum (or minimum) of the quantity in [from, to): a zero of its
// slope, bracketed by the daily samples' differences.
template <class Found>
void extremes(const Sampled& q, double from, double to, bool maximum, Found&& found) {
    const double sign = maximum ? -1.0 : 1.0;
    std::vector<double> slopes(q.samples.size(), 0.0);
    for (std::size_t i = 1; i + 1 < q.samples.size(); ++i) slopes[i] = sign * (q.samples[i + 1] - q.samples[i - 1]);
    slopes.front() = slopes.size() > 1 ? slopes[1] : 0.0;
    slopes.back() = slopes.size() > 1 ? slopes[slopes.size() - 2] : 0.0;
    const Function slope = [&](double t) {
        return sign * (q.exact(t + kSlopeHalfWidth_days) - q.exact(t - kSlopeHalfWidth_days));
    };
    // The samples' differences span two days: refine over the two steps around a change.
    for (std::size_t i = 1; i + 1 < slopes.size(); ++i) {
        if (!(slopes[i] < 0.0 && slopes[i + 1] >= 0.0)) continue;
        const double a = q.first_jd_ut + static_cast<double>(i - 1) * kStep_days;
        const double b = a + 3.0 * kStep_days;
        const double fa = slope(a);
        const double fb = slope(b);
        if (!(fa < 0.0 && fb >= 0.0)) continue;
        const double t = zero_between(slope, a, fa, b, fb, kSecond_days);
        if (t >= from && t < to) found(t);
    }
}


// The planets' places and the Moon's on every day of the span and a day on
// either side: what the searches bracket their events with.
struct DailyPlaces {
    double first_jd_ut;
    std::array<std::vector<PlanetPlace>, kPlanets.size()> planets;
    std::vector<MoonApparent> moon;
    std::vector<double> earth_distance_au;

    DailyPlaces(const PlanetTable& table, double from, double to) : first_jd_ut(from - kStep_days) {
        const auto days = static_cast<std::size_t>(std::ceil((to - first_jd_ut) / kStep_days)) + 2;
        for (std::size_t i = 0; i < days; ++i) {
            const double jde = jde_of(first_jd_ut + static_cast<double>(i) * kStep_days);
            for (const Planet p : kPlanets) planets[index_of(p)].push_back(table.place(p, jde));
            moon.push_back(moon_apparent(jde));
            earth_distance_au.push_back(length(table.earth(jde)));
        }
    }
    template <class F>
    std::vector<double> each(std::size_t count, F&& f) const {
        std::vector<double> v(count);
        for (std::size_t i = 0; i < count; ++i) v[i] = f(i);
        return v;
    }
    std::size_t days() const { return moon.size(); }
};

void planet_sun_events(const PlanetTable& table, const DailyPlaces& daily, Planet p, double from, double to,
                       std::vector<SkyEvent>& out) {
    const auto place = [&](double t) { return table.place(p, jde_of(t)); };
    const auto& days = daily.planets[index_of(p)];
    const auto from_sun_of = [](const PlanetPlace& q) {
        return std::remainder(q.longitude_deg - q.sun_longitude_deg, 360.0);
    };
    const auto from_opposition_of = [](const PlanetPlace& q) {
        return std::remainder(q.longitude_deg - q.sun_longitude_deg - 180.0, 360.0);
    };
    const Function from_sun = [&](double t) { return from_sun_of(place(t)); };
    const std::vector<double> from_sun_days =
        daily.each(days.size(), [&](std::size_t i) { return from_sun_of(days[i]); });
    zeros(Sampled{from_sun_days, daily.first_jd_ut, from_sun}, from, to, true, 90.0, [&](double t) {
        SkyEvent e;
        e.jd_ut = t;
        e.body = body_of(p);
        if (is_inferior(p)) {
            const double sun_distance = length(table.earth(jde_of(t)));
            e.kind = place(t).distance_au < sun_distance ? SkyEventKind::InferiorConjunction
                                                         : SkyEventKind::SuperiorConjunction;
        } else {
            e.kind = SkyEventKind::Conjunction;
        }
        out.push_back(e);
    });
    if (is_inferior(p)) {
        const Function elongation = [&](double t) { return place(t).elongation_deg; };
        const std::vector<double> samples =
            daily.each(days.size(), [&](std::size_t i) { return days[i].elongation_deg; });
        extremes(Sampled{samples, daily.first_jd_ut, elongation}, from, to, true, [&](double t) {
            SkyEvent e;
            e.jd_ut = t;
            e.body = body_of(p);
            e.kind = from_sun(t) > 0.0 ? SkyEventKind::GreatestElongationEast : SkyEventKind::GreatestElongationWest;
            e.value = elongation(t);
            e.unit = ValueUnit::Degrees;
            out.push_back(e);
        });
    } else {
        const Function from_opposition = [&](double t) { return from_opposition_of(place(t)); };
        const std::vector<double> samples =
            daily.each(days.size(), [&](std::size_t i) { return from_opposition_of(days[i]); });
        zeros(Sampled{samples, daily.first_jd_ut, from_opposition}, from, to, true, 90.0, [&](double t) {
            SkyEvent e;
            e.jd_ut = t;
            e.body = body_of(p);
            e.kind = SkyEventKind::Opposition;
            out.push_back(e);
        });
    }
}

using EclipticAt = std::function<Ecliptic(double)>;

// Conjunctions in apparent longitude of two bodies closer than `limit_deg`.
void close_approaches(const std::vector<Ecliptic>& first_days, const std::vector<Ecliptic>& second_days,
                      const EclipticAt& first, const EclipticAt& second, Body first_body, Body second_body,
                      double limit_deg, double first_jd_ut, double from, double to, std::vector<SkyEvent>& out) {
    std::vector<double> apart_days(first_days.size());
    for (std::size_t i = 0; i < apart_days.size(); ++i) {
        apart_days[i] = std::remainder(first_days[i].longitude_deg - second_days[i].longitude_deg, 360.0);
    }
    const Function apart = [&](double t) {
        return std::remainder(first(t).longitude_deg - second(t).longitude_deg, 360.0);
    };
    zeros(Sampled{apart_days, first_jd_ut, apart}, from, to, true, 90.0, [&](double t) {
        const Ecliptic a = first(t);
        const Ecliptic b = second(t);
        const double separation = angular_separation_deg(a.longitude_deg, a.latitude_deg, b.longitude_deg,
                                                         b.latitude_deg);
        if (separation >= limit_deg) return;
        SkyEvent e;
        e.jd_ut = t;
        e.kind = SkyEventKind::CloseApproach;
        e.body = first_body;
        e.other = second_body;
        e.value = separation;
        e.unit = ValueUnit::Degrees;
        out.push_back(e);
    });
}

void moon_events(const DailyPlaces& daily, double from, double to, std::vector<SkyEvent>& out) {
    const Function distance = [](double t) { return moon_geocentric(jde_of(t)).distance_km; };
    const std::vector<double> samples =
        daily.each(daily.days(), [&](std::size_t i) { return daily.moon[i].distance_km; });
    for (const bool perigee : {true, false}) {
        extremes(Sampled{samples, daily.first_jd_ut, distance}, from, to, !perigee, [&](double t) {
            SkyEvent e;
            e.jd_ut = t;
            e.body = Body::Moon;
            e.kind = perigee ? SkyEventKind::Perigee : SkyEventKind::Apogee;
            e.value = distance(t);
            e.unit = ValueUnit::Kilometres;
            if (perigee) {
                const double jde = jde_of(t);
                const double full_jde = lunar_phase(nearest_lunation(jde, true), true).jde;
                const double full_jd_ut = full_jde - delta_t_seconds(full_jde) / kSecondsPerDay;
                if (std::fabs(full_jd_ut - t) <= kSupermoonWindow_days) {
                    e.supermoon = true;
                    e.full_moon_jd_ut = full_jd_ut;
                }
            }
            out.push_back(e);
        });
    }
}

void earth_events(const DailyPlaces& daily, double from, double to, std::vector<SkyEvent>& out) {
    const Function distance = [](double t) { return sun_distance_au(jde_of(t)); };
    for (const bool perihelion : {true, false}) {
        extremes(Sampled{daily.earth_distance_au, daily.first_jd_ut, distance}, from, to, !perihelion, [&](double t) {
            SkyEvent e;
            e.jd_ut = t;
            e.body = Body::Earth;
            e.kind = perihelion ? SkyEventKind::Perihelion : SkyEventKind::Aphelion;
            e.value = distance(t);
            e.unit = ValueUnit::AstronomicalUnits;
            out.push_back(e);
        });
    }
}

bool meteor_events(double from, double to, std::vector<SkyEvent>& out) {
    bool complete = true;
    const auto first_year = static_cast<int>(civil_date(static_cast<std::int64_t>(std::floor(from + 0.5))).year);
    const auto last_year = static_cast<int>(civil_date(static_cast<std::int64_t>(std::floor(to + 0.5))).year);
    for (int year = first_year; year <= last_year; ++year) {
        for (std::size_t i = 0; i < kMeteorShowers.size(); ++i) {
            const std::optional<double> t = meteor_maximum_jd_ut(kMeteorShowers[i], year);
            if (!t) {
                complete = false;
                continue;
            }
            if (*t < from || *t >= to) continue;
            SkyEvent e;
            e.jd_ut = *t;
            e.kind = SkyEventKind::MeteorShower;
            e.shower = i;
            e.value = kMeteorShowers[i].maximum_solar_longitude_deg;
            e.unit = ValueUnit::Degrees;
            const double jde = jde_of(*t);
            e.moon_illuminated_fraction = moon_illuminated_fraction(jde);
            e.moon_waxing = moon_waxing(jde);
            out.push_back(e);
        }
    }
    return complete;
}

constexpr std::array<Planet, 5> kBrightPlanets = {Planet::Mercury, Planet::Venus, Planet::Mars, Planet::Jupiter,
                                                  Planet::Saturn};

} // namespace

SkyEventList sky_events(double from_jd_ut, double to_jd_ut) {
    SkyEventList list;
    if (!std::isfinite(from_jd_ut) || !std::isfinite(to_jd_ut) || !(to_jd_ut > from_jd_ut) ||
        to_jd_ut - from_jd_ut > kLongestSpan_days) {
        return list;
    }
    // The samples reach two days beyond the span, the slopes an hour more.
    const PlanetTable table(jde_of(from_jd_ut) - 2.0, jde_of(to_jd_ut) + 3.0);
    const DailyPlaces daily(table, from_jd_ut, to_jd_ut);
    std::vector<SkyEvent>& out = list.events;
    for (const Planet p : kPlanets) planet_sun_events(table, daily, p, from_jd_ut, to_jd_ut, out);

    const auto ecliptic_days = [&](Planet p) {
        std::vector<Ecliptic> v;
        for (const PlanetPlace& q : daily.planets[index_of(p)]) v.push_back({q.longitude_deg, q.latitude_deg});
        return v;
    };
    std::array<std::vector<Ecliptic>, kPlanets.size()> planet_days;
    for (const Planet p : kPlanets) planet_days[index_of(p)] = ecliptic_days(p);
    std::vector<Ecliptic> moon_days;
    for (const MoonApparent& m : daily.moon) moon_days.push_back({m.longitude_deg, m.latitude_deg});

    const auto planet_at = [&](Planet p) -> EclipticAt {
        return [&table, p](double t) {
            const PlanetPlace q = table.place(p, jde_of(t));
            return Ecliptic{q.longitude_deg, q.latitude_deg};
        };
    };
    const EclipticAt moon_at = [](double t) {
        const MoonApparent m = moon_apparent(jde_of(t));
        return Ecliptic{m.longitude_deg, m.latitude_deg};
    };
    for (const Planet p : kBrightPlanets) {
        close_approaches(moon_days, planet_days[index_of(p)], moon_at, planet_at(p), Body::Moon, body_of(p),
                         kMoonPlanetApproach_deg, daily.first_jd_ut, from_jd_ut, to_jd_ut, out);
    }
    for (std::size_t a = 0; a < kPlanets.size(); ++a) {
        for (std::size_t b = a + 1; b < kPlanets.size(); ++b) {
            close_approaches(planet_days[a], planet_days[b], planet_at(kPlanets[a]), planet_at(kPlanets[b]),
                             body_of(kPlanets[a]), body_of(kPlanets[b]), kPlanetPairApproach_deg, daily.first_jd_ut,
                             from_jd_ut, to_jd_ut, out);
        }
    }
    moon_events(daily, from_jd_ut, to_jd_ut, out);
    earth_events(daily, from_jd_ut, to_jd_ut, out);
    list.meteor_showers_complete = meteor_events(from_jd_ut, to_jd_ut, out);
    std::sort(out.begin(), out.end(), [](const SkyEvent& a, const SkyEvent& b) { return a.jd_ut < b.jd_ut; });
    return list;
}

} // namespace vespera
