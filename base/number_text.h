// Number-to-text conversions of the engine. The decimal separator is the
// caller's (the window passes its locale's); there is never digit grouping.
#pragma once

#include <cstdint>
#include <string>

namespace vespera {

// Nearest whole number, halves to the even neighbour (banker's rounding).
double round_half_even(double value);

// Rounds to `decimals` places, halves to even on the decimal value.
double round_half_even(double value, int decimals);

// Fixed pattern with `decimals` places: "0.0" is fixed(x, 1, sep). Never "-0,0".
std::string fixed(double value, int decimals, char separator);

// Pattern "00": at least two digits, a minus sign before them.
std::string two_digits(std::int64_t value);

// Pattern "##": no leading zeros, nothing at all for 0.
std::string digits_or_empty(std::int64_t value);

// The locale's ordinary text of a double: up to 15 significant digits, no
// trailing zeros, no exponent below 1e15 (2460434 -> "2460434", 0.5 -> "0,5").
std::string general(double value, char separator);

} // namespace vespera
