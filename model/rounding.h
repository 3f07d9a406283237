#pragma once
// Rounding to a number of decimals and to whole numbers, halves to the even
// neighbour. Results that cannot be held raise FloatError.

#include <cstdint>

namespace model {

// `value` rounded to `decimals` (0 or more) decimals: the nearest decimal of
// that many places to the exact binary value, an exact half to the even digit.
double roundTo(double value, int decimals);

// The nearest whole number, halves to even, as a 16-bit integer.
std::int16_t roundToInt16(double value);

}  // namespace model
