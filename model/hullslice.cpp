#include "model/hullslice.h"

#include "model/geometry.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace model {

namespace {
constexpr double kTrapezoidDivisor = 2.0;
}  // namespace

void HeightRange::add(double height)
{
    if (!seen || height < lowest) lowest = height;
    if (!seen || height > highest) highest = height;
    seen = true;
}

HullSlicer::HullSlicer(const Design& design)
{
    const int n = design.lineBound();
    lines_.reserve(n + 1);
    lines_.emplace_back(design, HullLine{});
    for (int i = 1; i <= n; ++i) lines_.emplace_back(design, design.HullLines[i]);
    leader_.assign(n + 1, 0);
    places_.assign(n + 1, {});
    for (int i = 1; i <= n; ++i) {
        leader_[i] = i;
        for (int j = 1; j < i; ++j)
            if (leader_[j] == j && lines_[i].sharesPlacesWith(lines_[j])) {
                leader_[i] = j;
                break;
            }
    }
}

LineEvaluator::Place HullSlicer::placeOf(int i, double t)
{
    SharedPlace& shared = places_[leader_[i]];
    if (!shared.valid || std::bit_cast<std::uint64_t>(shared.x) != std::bit_cast<std::uint64_t>(t))
        shared = {true, t, lines_[leader_[i]].locate(t)};
    return shared.place;
}

void HullSlicer::sample(double t, std::vector<Point3>& points, double length, HeightRange& heights)
{
    for (int i = 1; i < int(lines_.size()); ++i) {
        const LineEvaluator::Place place = placeOf(i, t);
        points[i] = lines_[i].pointAt(t, place);
        if (place.piece >= 0) heights.add(length * points[i].Y);
    }
}

void HullSlicer::sample(int i, double t, Point3& point) { point = lines_[i].pointAt(t, placeOf(i, t)); }

Waterline waterlineAt(const std::vector<Point3>& points, int n, double w)
{
    if (points[1].Y <= w) return Waterline::kAbove;
    if (points[n].Y > w || points[1].Y == points[n].Y) return Waterline::kBelow;
    return Waterline::kCuts;
}

double crossingHalfBreadth(const Point3& upper, const Point3& lower, double w)
{
    return upper.Z + (w - upper.Y) / (lower.Y - upper.Y) * (lower.Z - upper.Z);
}

int wetPolygon(const std::vector<Point3>& points, int n, int i, double t, double w, double z,
               std::vector<Point3>& wet)
{
    wet[1] = {t, w, 0, 0};
    wet[2] = {t, w, z, 0};
    int m = 2;
    for (int k = i + 1; k <= n; ++k) wet[++m] = points[k];
    return m;
}

double girth(const std::vector<Point3>& points, int first, int last)
{
    double sum = 0;
    for (int k = first; k < last; ++k) sum += Distance3D(points[k], points[k + 1]);
    return sum;
}

double halfSectionArea(const std::vector<Point3>& points, int n)
{
    double area = 0;
    for (int i = 0; i < n; ++i)
        area += std::abs(points[i + 1].Y - points[i].Y) * (points[i].Z + points[i + 1].Z) / kTrapezoidDivisor;
    return area;
}

}  // namespace model
