#include "model/hull/geometry.h"

#include "model/hull/floaterror.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {
double square(double v) { return v * v; }
}  // namespace

double Distance3D(const Point3& a, const Point3& b)
{
    return checked(std::sqrt((square(b.X - a.X) + square(b.Y - a.Y)) + square(b.Z - a.Z)), "Distance3D");
}

double SectionArea(int n, const std::vector<Point3>& pts)
{
    double s = 0;
    for (int i = 1; i <= n - 1; ++i) s = (pts[i + 1].Y * pts[i].Z + s) - pts[i].Y * pts[i + 1].Z;
    if (n >= 1) s = (s + pts[1].Y * pts[n].Z) - pts[n].Y * pts[1].Z;
    return checked(std::abs(s) / 2, "SectionArea");
}

double ArcCos(double x)
{
    if (x == -1) return kPi15;
    if (x == 1) return 0;
    if (!(x > -1 && x < 1)) throw FloatError("ArcCos: argument outside -1 to 1");
    return kHalfPi15 - std::atan(x / std::sqrt(1 - x * x));
}

double DotProduct(const Point3& a, const Point3& b)
{
    return checked((a.X * b.X + a.Y * b.Y) + a.Z * b.Z, "DotProduct");
}

double VectorLength(const Point3& v)
{
    return checked(std::sqrt((square(v.X) + square(v.Y)) + square(v.Z)), "VectorLength");
}

double AngleBetween(const Point3& a, const Point3& b)
{
    if (VectorLength(a) * VectorLength(b) == 0) return 0;
    const double cosine = DotProduct(a, b) / (VectorLength(b) * VectorLength(a));
    // Parallel vectors can round a hair past 1; that is still parallel.
    return ArcCos(std::clamp(cosine, -1.0, 1.0));
}

Point3 Normalise(const Point3& v)
{
    const double len = VectorLength(v);
    if (len == 0) return {};
    return {v.X / len, v.Y / len, v.Z / len, 0};
}

}  // namespace model
