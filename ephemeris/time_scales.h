// Time scales. `jd_ut` is a Julian Day in universal time, for everything tied
// to the Earth's rotation (sidereal time, rise and set); `jde` one in
// dynamical time (TT), for the orbits. Delta T links them.
#pragma once

#include <cstdint>

namespace vespera {

inline constexpr double kJ2000_jd = 2451545.0;     // 2000 January 1.5 TT
inline constexpr double kJdOfMjdZero = 2400000.5;  // MJD = JD - 2400000.5
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kUnixEpoch_jd = 2440587.5; // 1970 January 1, 0h UT
inline constexpr std::int64_t kUnixEpochDay = 2440588; // the day number of 1970 January 1

// TT - UT in seconds for the year of the instant `jd_ut`.
double delta_t_seconds(double jd_ut);

// The dynamical instant of a universal one.
inline double jde_of(double jd_ut) { return jd_ut + delta_t_seconds(jd_ut) / kSecondsPerDay; }

// Julian centuries from J2000.0 of a Julian Day in either scale.
inline double centuries_since_j2000(double jd) { return (jd - kJ2000_jd) / kDaysPerJulianCentury; }

// Mean sidereal time at Greenwich in degrees, 0 <= x < 360, for an instant
// given as days of UT since J2000.0 (Meeus, Astronomical Algorithms, 2nd ed., 12.4).
double greenwich_mean_sidereal_deg(double days_since_j2000_ut);

} // namespace vespera
