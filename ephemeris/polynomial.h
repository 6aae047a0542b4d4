// A polynomial from its coefficients, lowest power first.
#pragma once

#include <initializer_list>

namespace vespera {

inline double polynomial(double x, std::initializer_list<double> coefficients) {
    double sum = 0.0;
    double power = 1.0;
    for (const double c : coefficients) {
        sum += c * power;
        power *= x;
    }
    return sum;
}

} // namespace vespera
