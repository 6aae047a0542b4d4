#include "sky/rise_set_search.h"

#include <cmath>

namespace vespera {

Parabola quad(double ym, double yz, double yp) {
    Parabola result;
    const double a = 0.5 * (yp + ym) - yz;
    const double b = 0.5 * (yp - ym);
    const double c = yz;
    if (a == 0.0) {
        // Three collinear samples: a straight line, one crossing at most.
        result.ye = c;
        if (b != 0.0) {
            const double z = -c / b;
            if (std::fabs(z) <= 1.0) {
                result.nz = 1;
                result.z1 = z;
                result.z2 = z;
            }
        }
        return result;
    }
    result.xe = -b / (2.0 * a);
    result.ye = (a * result.xe + b) * result.xe + c;
    const double dis = b * b - 4.0 * a * c;
    if (dis > 0.0) {
        const double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
        result.z1 = result.xe - dx;
        result.z2 = result.xe + dx;
        if (std::fabs(result.z1) <= 1.0) ++result.nz;
        if (std::fabs(result.z2) <= 1.0) ++result.nz;
        if (result.z1 < -1.0) result.z1 = result.z2;
    }
    return result;
}

double hours_above(const Crossings& found, double span_hours) {
    if (found.rise && found.set) {
        // A set before the rise: up at the start, down for a while, up again.
        return found.set_hours >= found.rise_hours ? found.set_hours - found.rise_hours
                                                   : found.set_hours + span_hours - found.rise_hours;
    }
    if (found.rise) return span_hours - found.rise_hours;
    if (found.set) return found.set_hours;
    return found.above ? span_hours : 0.0;
}

} // namespace vespera
