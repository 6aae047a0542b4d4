// Rise, set and twilight of the Sun and the Moon over one local day at one
// place: the hourly search of rise_set_search.h over the sine of the body's
// altitude. The Sun and Moon are the low-precision ones of the ephemeris that
// the search has always sampled; the accurate ones decide only where a body
// barely reaches its threshold between two samples.
#pragma once

#include <array>
#include <cstddef>

#include "sky/rise_set_search.h"
#include "zones/local_day.h"

namespace vespera {

// Threshold altitudes in radians, index 1..4: rise/set, civil, nautical and
// astronomical twilight. The Sun's first entry allows for refraction and the
// semi-diameter; the Moon's also for its parallax, so it lies above the horizon.
inline constexpr std::array<double, 5> kSunThreshold_rad = {0.0, -0.0145385926525, -0.104719755, -0.20943951,
                                                            -0.314159265};
inline constexpr std::array<double, 5> kMoonThreshold_rad = {0.0, 0.002617993875, -0.104719755, -0.20943951,
                                                             -0.314159265};

// The sine of one body's altitude at the hours 0..26 from one local midnight
// at one place. Every rise, set, twilight and culmination result of that day
// reads the same samples, so they are computed once and kept; a different
// day, zone or place makes them stale by key. Samples are filled on demand:
// a search that has found its rise and set stops early, and the next result
// of the day reuses what it computed.
struct AltitudeSamples {
    bool valid = false;
    bool moon = false;
    double date_mjd = 0.0; // local midnight in universal time
    double longitude_deg = 0.0;
    double latitude_deg = 0.0;
    double cos_latitude = 0.0;
    double sin_latitude = 0.0;
    int filled = 0; // sin_altitude[0 .. filled - 1] hold values
    std::array<double, 27> sin_altitude{};
    double at(int hour);
};

// The last day's samples of the Sun and of the Moon.
class DaySamples {
public:
    AltitudeSamples& of(bool moon, double date_mjd, double longitude_deg, double latitude_deg);

private:
    AltitudeSamples sun_;
    AltitudeSamples moon_;
};

// The search for one threshold (index 1..4) over one local day.
Crossings day_crossings(DaySamples& samples, bool moon, std::size_t threshold_index, const LocalDay& day,
                        double longitude_deg, double latitude_deg);

// Hours after midnight of the Sun's culmination: midway between rise and set
// (`found`, at the rise/set threshold); without that pair (polar day and
// night, or a set before the rise) the highest point of the day.
double culmination_hours(DaySamples& samples, const Crossings& found, const LocalDay& day, double longitude_deg,
                         double latitude_deg);

} // namespace vespera
