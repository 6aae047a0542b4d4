// The two searches behind every eclipse contact: the least value of a smooth
// function on an interval, and the crossing of zero between two instants of
// opposite sign. Instants are Julian Days; both stop within kTolerance_days.
#pragma once

#include <cmath>

#include "ephemeris/root_finding.h"

namespace vespera::eclipse_search {

inline constexpr double kTolerance_days = 1e-6; // 0.09 s

// Golden-section search for the least value of f on [a, b].
template <class F>
double least_on(F&& f, double a, double b) {
    constexpr double kInverseGolden = 0.6180339887498949;
    double c = b - kInverseGolden * (b - a);
    double d = a + kInverseGolden * (b - a);
    double fc = f(c);
    double fd = f(d);
    for (int i = 0; i < 80 && b - a > kTolerance_days; ++i) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - kInverseGolden * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + kInverseGolden * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2.0;
}

// The zero of f between a and b, where f(a) = fa and f(b) = fb differ in sign.
template <class F>
double zero_between(F&& f, double a, double fa, double b, double fb) {
    return vespera::zero_between(f, a, fa, b, fb, kTolerance_days);
}

// Steps from `from` by `step` (either sign) while f stays negative, at most
// until `limit`; the zero of the first step that turns f non-negative, or
// `limit` when f never does.
template <class F>
double first_crossing(F&& f, double from, double step, double limit) {
    double t = from;
    double ft = f(t);
    while ((step > 0.0 ? t < limit : t > limit)) {
        double next = t + step;
        if (step > 0.0 ? next > limit : next < limit) next = limit;
        const double f_next = f(next);
        if (std::isnan(f_next)) return limit;
        if (!(f_next < 0.0)) return zero_between(f, t, ft, next, f_next);
        t = next;
        ft = f_next;
    }
    return limit;
}

} // namespace vespera::eclipse_search
