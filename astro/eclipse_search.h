// The two searches behind every eclipse contact: the least value of a smooth
// function on an interval, and the crossing of zero between two instants of
// opposite sign. Instants are Julian Days; both stop within kTolerance_days.
#pragma once

#include <cmath>

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

// The zero of f between a and b, where f(a) = fa and f(b) = fb differ in
// sign: regula falsi with the Illinois rule, which keeps the bracket
// shrinking from both sides.
template <class F>
double zero_between(F&& f, double a, double fa, double b, double fb) {
    int side = 0;
    for (int i = 0; i < 100 && std::fabs(b - a) > kTolerance_days; ++i) {
        const double c = (fa * b - fb * a) / (fa - fb);
        if (!std::isfinite(c)) break;
        const double fc = f(c);
        if (fc == 0.0) return c;
        if ((fc < 0.0) == (fb < 0.0)) {
            b = c;
            fb = fc;
            if (side == -1) fa /= 2.0;
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1) fb /= 2.0;
            side = 1;
        }
    }
    return (a + b) / 2.0;
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
