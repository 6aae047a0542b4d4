// Lunar eclipses from the accurate Sun and Moon of the ephemeris: the Moon's
// passage through the Earth's penumbra and umbra at one full moon, and which
// of its phases a place sees with the Moon above the horizon.
//
// The shadow is Danjon's (A. Danjon, 1951; Meeus, Astronomical Algorithms,
// 2nd ed., ch. 54, discusses it beside Chauvenet's 2 % rule): the Earth's
// radius is enlarged by 1/85 for its atmosphere (and reduced by 1/594 for
// its flattening), so that with Pm the Moon's horizontal parallax, Ps the
// Sun's and Ss the Sun's semidiameter
//   penumbral radius = 1.01 Pm + Ss + Ps,
//   umbral radius    = 1.01 Pm - Ss + Ps,
// as in NASA's lunar eclipse predictions (Espenak & Meeus, Five Millennium
// Canon of Lunar Eclipses, NASA/TP-2009-214172, "Enlargement of Earth's
// Shadows"). The Moon's radius is k = 0.2725076 Earth radii (IAU).
// The shadow's centre lies opposite the apparent Sun.
//
// Contacts: P1 and P4 where the Moon's limb touches the penumbra from
// outside, U1 and U4 the umbra from outside, U2 and U3 the umbra from inside;
// the maximum is the least distance of the Moon's centre from the shadow's.
// Magnitudes are the fraction of the Moon's diameter inside the umbra or the
// penumbra at the maximum. Instants are Julian Days of UT; a phase that does
// not happen has NaN; "no eclipse" is a kind, not an error.
#pragma once

#include <array>
#include <limits>

namespace vespera {

enum class LunarEclipseKind { None, Penumbral, Partial, Total };

enum class LunarContact { P1, U1, U2, Maximum, U3, U4, P4 };
inline constexpr std::size_t kLunarContactCount = 7;

struct LunarEclipse {
    LunarEclipseKind kind = LunarEclipseKind::None;
    double full_moon_jd_ut = std::numeric_limits<double>::quiet_NaN(); // the full moon examined
    // By LunarContact: P1, U1, U2, maximum, U3, U4, P4.
    std::array<double, kLunarContactCount> contact_jd_ut{
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::quiet_NaN()};
    double umbral_magnitude = 0.0;    // negative when the umbra stays off the Moon
    double penumbral_magnitude = 0.0;

    double at(LunarContact c) const { return contact_jd_ut[static_cast<std::size_t>(c)]; }
};

// Julian Day (UT) of the full moon nearest an instant (Meeus ch. 49).
double full_moon_nearest(double jd_ut);

// The eclipse, if any, at the full moon nearest `jd_ut`.
LunarEclipse lunar_eclipse_near(double jd_ut);

// The Moon above the horizon of a place: its upper limb, refraction included,
// as at moonrise; the altitudes are topocentric, of the centre, no refraction.
inline constexpr double kMoonriseAltitude_deg = -0.833;

struct LunarEclipseSeen {
    // By LunarContact; NaN where the phase does not happen.
    std::array<double, kLunarContactCount> moon_altitude_deg{
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::quiet_NaN()};
    bool moon_up(LunarContact c) const {
        return moon_altitude_deg[static_cast<std::size_t>(c)] > kMoonriseAltitude_deg;
    }
    // The Moon is above the horizon at some moment between P1 and P4.
    bool visible = false;
};

LunarEclipseSeen lunar_eclipse_seen_from(const LunarEclipse& eclipse, double latitude_deg, double longitude_deg);

} // namespace vespera
