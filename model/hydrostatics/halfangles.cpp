#include "model/hydrostatics/halfangles.h"

#include "model/hull/curves.h"
#include "model/hull/floaterror.h"
#include "model/hull/hullslice.h"

#include <cmath>
#include <vector>

namespace model {

namespace {

constexpr double kTurn = 6.283185;  // the short 2 pi the angles have always been divided by
constexpr double kDegreesPerTurn = 360;

double halfAngle(double halfWidth, double measuredFrom)
{
    if (measuredFrom == 0) return 0;
    return std::atan(halfWidth / measuredFrom) / kTurn * kDegreesPerTurn;
}

}  // namespace

double waterlineHalfWidthAt(const Design& design, double x)
{
    const int n = design.lineBound();
    if (n < 1) return 0;
    std::vector<Point3> points(n + 1);
    for (int i = 1; i <= n; ++i) points[i] = PointOnLineAtX(design, design.HullLines[i], x);

    const double length = design.HullLength;
    const double w = checked(design.WaterlineHeight / length, "waterline height");
    double h = 0;
    if (w < points[1].Y && w >= points[n].Y)
        for (int i = 1; i < n; ++i)
            if (crosses(points.data(), i, w)) h = crossingHalfBreadth(points[i], points[i + 1], w);
    return length * h;
}

void gethalfwidths(const Design& design, Hydrostatics& r)
{
    r.EntryHalfWidth = 0;
    r.ExitHalfWidth = 0;
    const double length = design.HullLength;
    r.EntryHalfWidth = waterlineHalfWidthAt(design, (r.EntryMeasuredFrom + r.WaterlineStart) / length);
    r.ExitHalfWidth = waterlineHalfWidthAt(design, (r.WaterlineEnd - r.ExitMeasuredFrom) / length);
}

void gethalfangles(Hydrostatics& r)
{
    r.EntryHalfAngle = halfAngle(r.EntryHalfWidth, r.EntryMeasuredFrom);
    r.ExitHalfAngle = halfAngle(r.ExitHalfWidth, r.ExitMeasuredFrom);
}

}  // namespace model
