#include <benchmark/benchmark.h>

#include "ephemeris/coordinates.h"
#include "ephemeris/moon.h"

namespace {

constexpr double kStart_jde = 2460676.5; // 2025 January 1, 0h TD

// The apparent Moon, as an eclipse or rise search asks it once per step;
// a new instant each time, 37 minutes apart.
void BM_MoonApparent(benchmark::State& state) {
    double jde = kStart_jde;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vespera::moon_apparent(jde));
        jde += 0.0257;
    }
}
BENCHMARK(BM_MoonApparent);

// The Moon's topocentric place at Berlin and its distance from a fixed
// direction, one step of an eclipse-contact search.
void BM_MoonTopocentricSeparation(benchmark::State& state) {
    const vespera::ObserverGeocentric berlin = vespera::observer_geocentric(52.52, 34.0);
    double jde = kStart_jde;
    double hour_angle_deg = 0.0;
    for (auto _ : state) {
        const vespera::MoonApparent moon = vespera::moon_apparent(jde);
        const vespera::TopocentricEquatorial topocentric = vespera::topocentric_equatorial(
            moon.right_ascension_deg, moon.declination_deg, moon.distance_km, hour_angle_deg, berlin);
        benchmark::DoNotOptimize(
            vespera::angular_separation_deg(topocentric.right_ascension_deg, topocentric.declination_deg, 280.0, -23.0));
        jde += 0.0257;
        hour_angle_deg += 9.3;
    }
}
BENCHMARK(BM_MoonTopocentricSeparation);

} // namespace
