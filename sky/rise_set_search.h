// The hourly rise and set search (Montenbruck & Pfleger, Astronomy on the
// Personal Computer, rising and setting): the sine of the altitude less the
// sine of a threshold is sampled every hour of a span, and a parabola through
// each triple of samples gives the crossings. Free of engine state.
#pragma once

#include <cmath>

#include "ephemeris/root_finding.h"

namespace vespera {

// The parabola through (-1, ym), (0, yz), (+1, yp): its zero crossings
// within [-1, 1] (nz of them, z1 <= z2) and its extremum (xe, ye).
struct Parabola {
    int nz = 0;
    double z1 = 0.0;
    double z2 = 0.0;
    double xe = 0.0;
    double ye = 0.0;
};
Parabola quad(double ym, double yz, double yp);

// What the search found for one threshold over one span (a local day), in
// hours from the span's start.
struct Crossings {
    bool rise = false;
    bool set = false;
    bool above = false; // above the threshold at the start
    double rise_hours = 0.0;
    double set_hours = 0.0;
};

// The window centred on `hour` whose extremum lies at hour + xe: if `probe`
// puts the body across the threshold there, the two crossings on either
// side of it, by regula falsi on the probe. The brief passage may reach past
// the window, so each side is widened by up to two hours until the probe is
// back on the samples' side.
template <class Probe>
void probe_excursion(Probe&& probe, int hour, double xe, bool samples_above, double span_hours, Crossings& found) {
    constexpr double kSecond_hours = 1.0 / 3600.0;
    const double middle = hour + xe;
    const double at_middle = probe(middle);
    if (!((at_middle > 0.0) != samples_above) || at_middle == 0.0) return;
    const auto back_on_side = [&](double direction, double& t, double& value) {
        for (int widen = 0; widen <= 2; ++widen) {
            t = middle + direction * (std::fabs(direction > 0 ? 1.0 - xe : 1.0 + xe) + widen);
            value = probe(t);
            if ((value > 0.0) == samples_above && value != 0.0) return true;
        }
        return false;
    };
    double left = 0.0, at_left = 0.0, right = 0.0, at_right = 0.0;
    if (!back_on_side(-1.0, left, at_left) || !back_on_side(1.0, right, at_right)) return;
    const double first = zero_between(probe, left, at_left, middle, at_middle, kSecond_hours, 60);
    const double second = zero_between(probe, middle, at_middle, right, at_right, kSecond_hours, 60);
    // Up for a while from below, or down for a while from above; a crossing
    // outside the day belongs to the day before or after.
    double& first_time = samples_above ? found.set_hours : found.rise_hours;
    double& second_time = samples_above ? found.rise_hours : found.set_hours;
    bool& first_found = samples_above ? found.set : found.rise;
    bool& second_found = samples_above ? found.rise : found.set;
    if (first >= 0.0 && first <= span_hours) {
        first_time = first;
        first_found = true;
    }
    if (second >= 0.0 && second <= span_hours) {
        second_time = second;
        second_found = true;
    }
}

// Whether the parabola of one window has its extremum inside the window,
// on the same side of the threshold as all three samples but within `near`
// of it: there the hourly samples cannot tell whether the body touches the
// threshold between them.
inline bool extremum_near_threshold(const Parabola& q, double ym, double yz, double yp, double near) {
    const bool all_below = ym < 0.0 && yz < 0.0 && yp < 0.0;
    const bool all_above = ym > 0.0 && yz > 0.0 && yp > 0.0;
    if (!(all_below || all_above) || !(std::fabs(q.xe) < 1.0) || !(std::fabs(q.ye) < near)) return false;
    return all_below ? q.ye > yz : q.ye < yz; // a maximum below, a minimum above
}

// Samples the hours 0, 1, 2 ... in overlapping two-hour parabolas until a rise
// and a set are found or the span (24 hours, or 23 and 25 across a clock
// change) is over; crossings after the span's end belong to the next day.
// `sample(hour)` is the sine of the altitude less that of the threshold.
//
// Near the poles a body may cross the threshold and return within an hour.
// Where a window's extremum comes within `near` of the threshold without
// a crossing, `probe(hours)` (any measure of the body above its threshold,
// negative below, taken from a more accurate model) decides at the
// extremum; if the body does get across, both crossings are found with it.
template <class Sample, class Probe>
Crossings find_crossings(Sample&& sample, double span_hours, Probe&& probe, double near) {
    Crossings found;
    double ym = sample(0);
    found.above = ym > 0.0;
    for (int hour = 1; hour - 1 < span_hours && !(found.rise && found.set); hour += 2) {
        const double yz = sample(hour);
        const double yp = sample(hour + 1);
        const Parabola q = quad(ym, yz, yp);
        const bool first_in = hour + q.z1 <= span_hours;
        const bool second_in = hour + q.z2 <= span_hours;
        if (q.nz == 1 && first_in) {
            if (ym < 0.0) {
                found.rise_hours = hour + q.z1;
                found.rise = true;
            } else {
                found.set_hours = hour + q.z1;
                found.set = true;
            }
        } else if (q.nz == 2 && first_in) {
            const bool rise_first = q.ye >= 0.0;
            const double first = hour + q.z1;
            const double second = hour + q.z2;
            if (rise_first) {
                found.rise_hours = first;
                found.rise = true;
                if (second_in) {
                    found.set_hours = second;
                    found.set = true;
                }
            } else {
                found.set_hours = first;
                found.set = true;
                if (second_in) {
                    found.rise_hours = second;
                    found.rise = true;
                }
            }
        } else if (q.nz == 0 && extremum_near_threshold(q, ym, yz, yp, near)) {
            probe_excursion(probe, hour, q.xe, yz > 0.0, span_hours, found);
        }
        ym = yp;
    }
    return found;
}

// Without a second model: the hourly parabolas alone.
template <class Sample>
Crossings find_crossings(Sample&& sample, double span_hours) {
    return find_crossings(sample, span_hours, [](double) { return 0.0; }, 0.0);
}

// The hour of the highest point of the span: the highest hourly sample,
// refined by the parabola through it and its neighbours.
template <class Sample>
double highest_hour(Sample&& sample, double span_hours) {
    const int last = static_cast<int>(std::ceil(span_hours));
    int best = 0;
    for (int hour = 1; hour <= last; ++hour) {
        if (sample(hour) > sample(best)) best = hour;
    }
    if (best == 0 || best == last) return static_cast<double>(best);
    const Parabola q = quad(sample(best - 1), sample(best), sample(best + 1));
    const bool is_maximum = 0.5 * (sample(best + 1) + sample(best - 1)) < sample(best);
    if (!is_maximum || std::fabs(q.xe) > 1.0) return static_cast<double>(best);
    return static_cast<double>(best) + q.xe;
}

// Hours above the threshold within the span.
double hours_above(const Crossings& found, double span_hours);

} // namespace vespera
