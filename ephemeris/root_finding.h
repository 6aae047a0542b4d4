// The zero of a function between two arguments where it changes sign:
// regula falsi with the Illinois rule, which keeps the bracket shrinking
// from both sides. Serves every search for an instant (eclipse contacts,
// brief appearances of the Sun and the Moon near the pole).
#pragma once

#include <cmath>

namespace vespera {

// f(a) = fa and f(b) = fb of opposite sign; stops when the bracket is
// narrower than `tolerance` or after `max_steps` evaluations.
template <class F>
double zero_between(F&& f, double a, double fa, double b, double fb, double tolerance, int max_steps = 100) {
    int side = 0;
    for (int i = 0; i < max_steps && std::fabs(b - a) > tolerance; ++i) {
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

} // namespace vespera
