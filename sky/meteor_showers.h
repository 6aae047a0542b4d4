// The major annual meteor showers and the instants of their maxima: the
// maximum's solar longitude (J2000.0) from the IMO's Working List of Visual
// Meteor Showers (International Meteor Organization, Meteor Shower Calendar,
// Table 5, the calendars of the 2020s), with its zenithal hourly rates.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vespera {

struct MeteorShower {
    std::string_view name;       // German
    std::string_view iau_code;
    double maximum_solar_longitude_deg; // J2000.0
    int zenithal_hourly_rate;
};

inline constexpr std::array<MeteorShower, 7> kMeteorShowers = {{
    {"Quadrantiden", "QUA", 283.15, 80},
    {"Lyriden", "LYR", 32.32, 18},
    {"Eta-Aquariiden", "ETA", 45.5, 50},
    {"Perseiden", "PER", 140.0, 100},
    {"Orioniden", "ORI", 208.0, 20},
    {"Leoniden", "LEO", 235.27, 15},
    {"Geminiden", "GEM", 262.2, 150},
}};

// The list describes the streams of the present (its 2006 and 2020s
// editions agree within 0.01 deg); it serves a few decades on either side and
// says nothing outside them.
inline constexpr int kMeteorListFirstYear = 1950;
inline constexpr int kMeteorListLastYear = 2100;

// The Sun's geometric longitude referred to the equinox J2000.0, degrees,
// [0, 360): the quantity meteor shower maxima are given in.
double solar_longitude_j2000_deg(double jd_ut);

// The instant of a shower's maximum in a Gregorian year (UT), if the list
// covers the year.
std::optional<double> meteor_maximum_jd_ut(const MeteorShower& shower, int year);

} // namespace vespera
