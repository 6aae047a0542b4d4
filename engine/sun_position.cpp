// The Sun's altitude, culmination altitude and distance for the engine's day and clock.
#include <cmath>

#include "engine/clsCalendar.h"
#include "base/number_text.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace {

constexpr double kCivilTwilightAltitude_deg = -6.0;
constexpr double kSunriseAltitude_deg = -0.833;

} // namespace

double clsCalendar::clock_hours() const {
    const std::int64_t seconds = clock_ ? static_cast<std::int64_t>(clock_().count()) : 0;
    const std::int64_t h = seconds / 3600;
    const std::int64_t m = (seconds % 3600) / 60;
    const std::int64_t s = seconds % 60;
    return static_cast<double>(h) + (static_cast<double>(m) + static_cast<double>(s) / 60.0) / 60.0;
}

double clsCalendar::sun_distance_km() const {
    return vespera::sun_distance_au(vespera::jde_of(static_cast<double>(f_.JD))) * vespera::kAstronomicalUnit_km;
}

void clsCalendar::Sonne_Position() {
    guarded_void("Sonne_Position", [&] {
        // The clock shows local civil time; the orbit wants universal time.
        f_.sun_altitude_deg = vespera::sun_altitude_deg(jd_ut_of_clock(clock_hours()), f_.Longitude, f_.Latitude);
    });
}

// `local_hour` is a clock time of the engine's day at the engine's place, as
// the rise and set times are.
double clsCalendar::Sonne_KulminationHoehe(double local_hour) {
    return guarded("Sonne_KulminationHoehe", 0.0, [&] {
        f_.culmination_altitude_deg = vespera::sun_altitude_deg(jd_ut_of_clock(local_hour), f_.Longitude, f_.Latitude);
        f_.culmination_pending = false;
        return f_.culmination_altitude_deg;
    });
}

const char* clsCalendar::sun_altitude_part(double altitude_deg) {
    if (altitude_deg < kCivilTwilightAltitude_deg) return "Nacht";
    if (altitude_deg < kSunriseAltitude_deg) return "Dämmerung";
    return "Tag";
}

std::string clsCalendar::Sonne_Hoehe() {
    return guarded("Sonne_Hoehe", std::string{}, [&] {
        const double altitude = f_.sun_altitude_deg;
        return vespera::fixed(altitude, 4, decimal_separator_) + "° (" + sun_altitude_part(altitude) + ")";
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
