// How reports show numbers: long numbers in groups of three, one number of
// decimals per kind of value.
#pragma once

#include <string>

namespace vespera::report {

inline constexpr int kAngleDecimals = 2;   // the Sun's altitudes: 0.01° is about 2 s of its motion
inline constexpr int kPercentDecimals = 1; // the Moon's lit share, an eclipse's coverage

// "152.054.253,6": groups with "." when the decimal separator is ",", else ",".
std::string grouped(double value, int decimals, char separator);

// "58,88°": an angle as every report writes it.
std::string angle_text(double angle_deg, char separator);

} // namespace vespera::report
