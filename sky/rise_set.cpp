#include "sky/rise_set.h"

#include <cmath>

#include "base/fault.h"
#include "ephemeris/angles.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/low_precision_hourly.h"
#include "ephemeris/moon.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

constexpr double kLatitudeRadPerDeg = 0.0174532925;
constexpr double kMjdJ2000 = 51544.5;

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
    if (!moon) return sun_altitude_deg(jd_ut, longitude_deg, latitude_deg) - table_deg;
    const MoonHorizon m = moon_horizon(jd_ut, longitude_deg, latitude_deg);
    const double threshold_deg = threshold_index == 1 ? 0.7275 * m.horizontal_parallax_deg - 0.5667 : table_deg;
    return m.geocentric_altitude_deg - threshold_deg;
}

// The sine of the altitude of the Sun or the Moon at an instant (MJD of UT).
double sin_altitude(bool moon, double mjd_ut, double longitude_deg, double cos_latitude, double sin_latitude) {
    const double days = mjd_ut - kMjdJ2000;
    const double t = days / kDaysPerJulianCentury;
    const EquatorialPlace place = moon ? mini_moon(t) : mini_sun(t);
    const double hour_angle_deg = greenwich_mean_sidereal_deg(days) + longitude_deg - 15.0 * place.ra_hours;
    return sin_latitude * sin_deg(place.dec_deg) +
           cos_latitude * cos_deg(place.dec_deg) * cos_deg(hour_angle_deg);
}

} // namespace

double AltitudeSamples::at(int hour) {
    while (filled <= hour) {
        sin_altitude[checked_index(filled, sin_altitude.size())] =
            vespera::sin_altitude(moon, date_mjd + filled / 24.0, longitude_deg, cos_latitude, sin_latitude);
        ++filled;
    }
    return sin_altitude[checked_index(hour, sin_altitude.size())];
}

AltitudeSamples& DaySamples::of(bool moon, double date_mjd, double longitude_deg, double latitude_deg) {
    AltitudeSamples& kept = moon ? moon_ : sun_;
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

Crossings day_crossings(DaySamples& samples, bool moon, std::size_t threshold_index, const LocalDay& day,
                        double longitude_deg, double latitude_deg) {
    AltitudeSamples& kept = samples.of(moon, day.midnight_mjd_ut, longitude_deg, latitude_deg);
    const double threshold = std::sin((moon ? kMoonThreshold_rad : kSunThreshold_rad)[threshold_index]);
    const auto sample = [&](int hour) { return kept.at(hour) - threshold; };
    const auto probe = [&](double hours) {
        return accurate_height_deg(moon, threshold_index, kJdOfMjdZero + day.midnight_mjd_ut + hours / 24.0,
                                   longitude_deg, latitude_deg);
    };
    return find_crossings(sample, day.span_hours, probe, kNearThreshold);
}

double culmination_hours(DaySamples& samples, const Crossings& found, const LocalDay& day, double longitude_deg,
                         double latitude_deg) {
    if (found.rise && found.set && found.set_hours >= found.rise_hours) {
        return found.rise_hours + (found.set_hours - found.rise_hours) / 2.0;
    }
    AltitudeSamples& kept = samples.of(false, day.midnight_mjd_ut, longitude_deg, latitude_deg);
    const double threshold = std::sin(kSunThreshold_rad[1]);
    return highest_hour([&](int hour) { return kept.at(hour) - threshold; }, day.span_hours);
}

} // namespace vespera
