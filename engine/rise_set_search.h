// The hourly rise and set search (Montenbruck & Pfleger, Astronomy on the
// Personal Computer, rising and setting): the sine of the altitude less the
// sine of a threshold is sampled every hour of a span, and a parabola through
// each triple of samples gives the crossings. Free of engine state.
#pragma once

#include <cmath>

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

// Samples the hours 0, 1, 2 ... in overlapping two-hour parabolas until a rise
// and a set are found or the span (24 hours, or 23 and 25 across a clock
// change) is over; crossings after the span's end belong to the next day.
// `sample(hour)` is the sine of the altitude less that of the threshold.
template <class Sample>
Crossings find_crossings(Sample&& sample, double span_hours) {
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
        }
        ym = yp;
    }
    return found;
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
