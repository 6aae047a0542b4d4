// Solar eclipses from the accurate Sun and Moon of the ephemeris: whether a
// new moon eclipses the Sun somewhere (the shadow's axis against the Earth),
// and the circumstances at a place (the Moon's disk against the Sun's as the
// place sees them).
//
// Local circumstances: the Moon topocentric (sea level on the IAU 1976
// ellipsoid), the Sun apparent; the contacts are the instants at which the
// distance of the centres equals the sum (first and last contact) or the
// difference (second and third) of the radii, the maximum the instant of the
// least distance. The Moon's radius is that of NASA's eclipse predictions
// (Espenak, Five Millennium Canon of Solar Eclipses, NASA/TP-2006-214141):
// k = 0.272488 Earth radii for the partial phase, 0.272281 for the total or
// annular one; the Sun's semidiameter is 959.63" at 1 au. Magnitude follows
// the same source: the fraction of the Sun's diameter covered, and for a
// place that sees the eclipse total or annular the ratio of the diameters.
//
// Instants are Julian Days of UT; "no eclipse" is a kind, not an error. Any
// input that is not finite gives no eclipse.
#pragma once

#include <limits>

namespace vespera {

enum class SolarEclipseKind {
    None,
    Partial,
    Annular,
    Total,
    Hybrid, // only globally: total at greatest eclipse, annular at the path's ends
};

// The Sun's centre at rising and setting: refraction and semidiameter.
inline constexpr double kSunriseAltitude_deg = -0.833;

struct EclipseContact {
    double jd_ut = std::numeric_limits<double>::quiet_NaN();
    double sun_altitude_deg = std::numeric_limits<double>::quiet_NaN(); // geometric, of the centre
    bool sun_up() const { return sun_altitude_deg > kSunriseAltitude_deg; }
};

struct LocalSolarEclipse {
    SolarEclipseKind kind = SolarEclipseKind::None; // as the place sees it; None: no eclipse here
    double new_moon_jd_ut = std::numeric_limits<double>::quiet_NaN();
    EclipseContact first;   // partial phase begins
    EclipseContact second;  // total or annular phase begins (those kinds only)
    EclipseContact maximum; // least distance of the centres
    EclipseContact third;   // total or annular phase ends
    EclipseContact last;    // partial phase ends
    double magnitude = 0.0;   // at maximum, see above
    double obscuration = 0.0; // fraction of the Sun's area covered at maximum
    // The Sun stands above the horizon at some moment between first and
    // last contact: the eclipse can be seen here, maybe only in part.
    bool visible = false;
};

struct GlobalSolarEclipse {
    SolarEclipseKind kind = SolarEclipseKind::None;
    double new_moon_jd_ut = std::numeric_limits<double>::quiet_NaN();
    // The instant at which the axis of the Moon's shadow passes closest to
    // the Earth's centre, and that distance in equatorial radii (positive
    // when the axis passes north of the centre).
    double greatest_jd_ut = std::numeric_limits<double>::quiet_NaN();
    double gamma = std::numeric_limits<double>::quiet_NaN();
    // Where the eclipse is greatest at that instant: on the axis for a
    // central eclipse, else the point of the Earth nearest the axis.
    double latitude_deg = std::numeric_limits<double>::quiet_NaN();
    double longitude_deg = std::numeric_limits<double>::quiet_NaN(); // east positive
    double magnitude = 0.0;
};

// Julian Day (UT) of the new moon nearest an instant (Meeus ch. 49).
double new_moon_nearest(double jd_ut);

// The eclipse of the new moon at `new_moon_jd_ut` as seen from a place.
LocalSolarEclipse local_solar_eclipse(double new_moon_jd_ut, double latitude_deg, double longitude_deg);

// Whether, and how, that new moon eclipses the Sun anywhere on Earth.
GlobalSolarEclipse global_solar_eclipse(double new_moon_jd_ut);

} // namespace vespera
