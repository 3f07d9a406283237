#include "model/hull/hullslice.h"

#include "model/hull/geometry.h"

#include <cmath>

namespace model {

namespace {
constexpr double kAreaDivisor = 2.0;
}  // namespace

HullSlicer::HullSlicer(const Design& design, LineSampleCache& cache) : cache_(cache)
{
    const int n = design.lineBound();
    lines_.reserve(n + 1);
    lines_.emplace_back();
    for (int i = 1; i <= n; ++i) lines_.emplace_back(design, design.HullLines[i]);
    cache_.update(lines_);
}

int HullSlicer::sliceAt(double t)
{
    const int k = cache_.sliceAt(t, lastSlice_);
    if (k >= 0) lastSlice_ = k;
    return k;
}

Waterline waterlineAt(const Point3* points, int n, double w)
{
    if (points[1].Y <= w) return Waterline::kAbove;
    if (points[n].Y > w || points[1].Y == points[n].Y) return Waterline::kBelow;
    return Waterline::kCuts;
}

double crossingHalfBreadth(const Point3& upper, const Point3& lower, double w)
{
    return upper.Z + (w - upper.Y) / (lower.Y - upper.Y) * (lower.Z - upper.Z);
}

double wetArea(const Point3* points, int n, int i, double t, double w, double z)
{
    // W(1) = (t, w, 0), W(2) = (t, w, z), W(j) = P(i + j - 2) up to W(m).
    const Point3 centre{t, w, 0, 0}, crossing{t, w, z, 0};
    const int m = n - i + 2;
    auto W = [&](int j) -> const Point3& { return j == 1 ? centre : (j == 2 ? crossing : points[i + j - 2]); };
    double s = 0;
    for (int j = 1; j <= m - 1; ++j) s = (W(j + 1).Y * W(j).Z + s) - W(j).Y * W(j + 1).Z;
    s = (s + W(1).Y * W(m).Z) - W(m).Y * W(1).Z;
    return std::abs(s) / kAreaDivisor;
}

double wetGirth(const Point3* points, const double* edges, int n, int i, double t, double w, double z)
{
    double sum = 0;
    sum += Distance3D({t, w, z, 0}, points[i + 1]);
    for (int k = i + 1; k < n; ++k) sum += edges[k];
    return sum;
}

}  // namespace model
