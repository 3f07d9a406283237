#pragma once
// Unit conversions of the hydrostatic results and their read-out. The values
// are the program's own truncated ones; results depend on them to the bit.

namespace model {

inline constexpr double kCubicFeetPerCubicInch = 0.000578703704;
inline constexpr double kPoundsPerCubicFootOfWater = 64.0;
inline constexpr double kSquareFeetPerSquareInch = 0.00694444444;
inline constexpr double kGallonsPerCubicFoot = 7.48051948;
inline constexpr double kInchesPerFoot = 12.0;

}  // namespace model
