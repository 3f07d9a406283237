#include "views/waterlineplot.h"

#include "model/hull/curves.h"

#include <algorithm>
#include <cmath>

namespace views {

namespace {

constexpr int kPlotStride = 5;
constexpr double kCrossingStep = 0.1;  // of the hull length
// A corrupt end point far along the hull would otherwise keep the walk going
// for ever; a thousand hull lengths is more than any view shows.
constexpr int kMostCrossingSamples = 10000;

// The hull lines at x, points 1 to lineCount.
void pointsAt(const model::Design& d, double x, int lineCount, std::vector<model::Point3>& points)
{
    for (int k = 1; k <= lineCount; ++k)
        points[std::size_t(k)] = model::PointOnLineAtX(d, d.HullLines[std::size_t(k)], x);
}

void addCrossings(const std::vector<model::Point3>& p, int lineCount, double h, double x, double length,
                  std::vector<model::Point2>& out)
{
    if (!(h < p[1].Y && h >= p[std::size_t(lineCount)].Y)) return;
    for (int k = 1; k < lineCount; ++k) {
        const model::Point3& a = p[std::size_t(k)];
        const model::Point3& b = p[std::size_t(k) + 1];
        if (!(h < a.Y && h >= b.Y) || a.Y == b.Y || a.Z == b.Z) continue;
        const double z = a.Z + (h - a.Y) / (b.Y - a.Y) * (b.Z - a.Z);
        out.push_back({length * x, length * z, 0});
    }
}

}  // namespace

std::vector<Segment> planWaterlineSegments(const std::vector<double>& halfBreadths, int sliceCount, double length)
{
    std::vector<Segment> lines;
    const int last = std::min(sliceCount, int(halfBreadths.size()) - 1);
    double previous = 0;
    auto x = [&](int i) { return length * i / sliceCount; };
    for (int i = 1; i <= last; i += kPlotStride) {
        const double t = halfBreadths[std::size_t(i)];
        if (t != 0 && previous != 0) {
            lines.push_back({x(i), t, x(i - kPlotStride), previous});
            lines.push_back({x(i), -t, x(i - kPlotStride), -previous});
        }
        previous = t;
    }
    return lines;
}

std::vector<model::Point2> waterlineCrossings(const model::Design& d)
{
    std::vector<model::Point2> crossings;
    const int lineCount = d.lineBound();
    if (!d.hasPoint(model::kBowPoint) || !d.hasPoint(model::kSternPoint) || lineCount < 1 || !(d.HullLength > 0))
        return crossings;
    const double start = d.point(model::kBowPoint).X, end = d.point(model::kSternPoint).X;
    if (!std::isfinite(start) || !std::isfinite(end)) return crossings;
    const double h = d.WaterlineHeight / d.HullLength;
    std::vector<model::Point3> points(std::size_t(lineCount) + 1);
    // x advances by repeated addition, so a hull from 0 to 1 is sampled at
    // eleven places, the last just short of 1.
    int samples = 0;
    for (double x = start; x <= end && samples < kMostCrossingSamples; x += kCrossingStep, ++samples) {
        pointsAt(d, x, lineCount, points);
        addCrossings(points, lineCount, h, x, d.HullLength, crossings);
    }
    return crossings;
}

}  // namespace views
