#pragma once
// Small vector routines shared by the hydrostatics, curve evaluation and
// panel development. Angles are radians; Flags are ignored.

#include "model/hull/records.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace model {

// Bit for bit: -0 differs from 0, and a NaN equals the same NaN.
inline bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

inline constexpr double kPi15 = 3.14159265358979;      // 15-digit pi used by ArcCos
inline constexpr double kHalfPi15 = 1.5707963267949;   // 15-digit pi / 2 used by ArcCos

double Distance3D(const Point3& a, const Point3& b);
// Area of the polygon pts[1..n] projected on the Y-Z plane.
double SectionArea(int n, const std::vector<Point3>& pts);
double ArcCos(double x);
double DotProduct(const Point3& a, const Point3& b);
double VectorLength(const Point3& v);
double AngleBetween(const Point3& a, const Point3& b);
Point3 Normalise(const Point3& v);

}  // namespace model
