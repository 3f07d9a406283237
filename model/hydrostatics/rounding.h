#pragma once
// Rounding to a number of decimals and to whole numbers, halves to the even
// neighbour. Results that cannot be held raise FloatError.

#include <cstdint>

namespace model {

// `value` rounded to `decimals` (0 or more) decimals: value x 10^decimals to
// the nearest whole number, a half to the even one, divided back.
double roundTo(double value, int decimals);

// The nearest whole number, halves to even, as a 16-bit integer.
std::int16_t roundToInt16(double value);

}  // namespace model
