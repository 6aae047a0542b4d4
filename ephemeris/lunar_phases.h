// New and full moons: Meeus, Astronomical Algorithms, 2nd ed., ch. 49, the
// mean phase with its periodic and planetary corrections.
#pragma once

namespace vespera {

struct LunarPhase {
    double jde;                      // dynamical time
    double argument_of_latitude_deg; // the Moon's F at the phase, 0..360 (eclipse limits)
};

// New moon (full_moon false, k whole) or full moon (k whole + 0.5) of
// lunation k; k = 0 is the new moon of 6 January 2000.
LunarPhase lunar_phase(double k, bool full_moon);

// Whether a new or full moon may be eclipsed at all: Meeus ch. 54 rules
// out |sin F| > 0.36. From thirty centuries before or after 2000 on, the
// series' F and the Moon of ch. 47 part by more than that test's margin, so
// there it rules out nothing.
bool may_be_eclipsed(const LunarPhase& phase);

// The lunation k (whole for a new moon, whole + 0.5 for a full moon) whose
// phase lies nearest the dynamical instant `jde`; NaN for an instant that is
// not finite or lies beyond a billion days.
double nearest_lunation(double jde, bool full_moon);

// The mean phase of 49.1 for any k (whole: new moon, + 0.25 first quarter,
// + 0.5 full moon, + 0.75 last quarter).
double mean_lunar_phase_jde(double k);

// The true quarter lies within this many days of its mean phase.
inline constexpr double kQuarterFromMean_days = 1.5;

// First quarter (quarter_k = k + 0.25) or last quarter (k + 0.75) of
// lunation k, dynamical time: the instant at which the Moon's apparent
// longitude (ch. 47) leads the Sun's (ch. 25) by 90 or 270 degrees, as
// Meeus defines the phases (ch. 49), searched from the mean phase of 49.1.
double lunar_quarter_jde(double quarter_k);

} // namespace vespera
