#include "panels/development.h"

#include "model/hull/floaterror.h"
#include "model/hull/geometry.h"
#include "panels/vectors.h"

#include <algorithm>
#include <cmath>

namespace panels {

using model::Point3;

namespace {

constexpr Point3 kUnitX{1, 0, 0, 0};
constexpr Point3 kUnitZ{0, 0, 1, 0};
// Turning about a pivot subtracts and adds points: within this bound no sum
// of two can overflow.
constexpr double kFarthestPoint = 1e300;  // inches

Point3 minus(const Point3& a, const Point3& b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z, 0}; }

// A point of the panel in inches. A point that is not a number, or too far
// out to turn, stops the development here rather than as a NaN in an angle.
Point3 scaled(const Point3& p, double factor)
{
    const Point3 q{factor * p.X, factor * p.Y, factor * p.Z, 0};
    for (double c : {q.X, q.Y, q.Z})
        if (!(std::abs(c) <= kFarthestPoint)) throw model::FloatError("panel point out of range");
    return q;
}

// v scaled by a power of two to a largest part between 1 and 2. The scaling
// is exact, so directions come out bit for bit as unscaled, but no product
// of two such vectors can overflow, however far out the panel lies.
Point3 toUnitSize(const Point3& v)
{
    const double largest = std::max({std::abs(v.X), std::abs(v.Y), std::abs(v.Z)});
    if (largest == 0) return v;
    const int exponent = std::ilogb(largest);
    return {std::ldexp(v.X, -exponent), std::ldexp(v.Y, -exponent), std::ldexp(v.Z, -exponent), 0};
}

Point3 unit(const Point3& v) { return model::Normalise(toUnitSize(v)); }

// The unit normal of the two edges, as Normalise(EdgeCross(e1, e2)).
Point3 unitNormal(const Edge& e1, const Edge& e2)
{
    return unit(CrossProduct(toUnitSize(minus(e1.Head, e1.Tail)), toUnitSize(minus(e2.Head, e2.Tail))));
}

// The last inner station whose section exists.
int lastStation(const model::Design& d)
{
    return std::min(model::stationBound(d.StationCount) - 1, int(d.Sections.size()) - 1);
}

// The two edge points of panel k at station s, when that section holds both lines.
const std::vector<Point3>* edgesAt(const model::Design& d, int s, int k)
{
    const std::vector<Point3>& pts = d.Sections[s].Pts;
    return k + 1 < int(pts.size()) ? &pts : nullptr;
}

bool edgesDiffer(const Point3& a, const Point3& b) { return a.Y != b.Y || a.Z != b.Z; }

// Stations where the two edges differ, each as line k's point then line k + 1's.
std::vector<Point3> gather(const model::Design& d, int k, int stitchEvery)
{
    std::vector<Point3> points{1};
    const double length = d.HullLength;
    for (int s = 1; s <= lastStation(d); ++s) {
        const std::vector<Point3>* pts = edgesAt(d, s, k);
        if (!pts || !edgesDiffer((*pts)[k], (*pts)[k + 1])) continue;
        const std::int16_t mark = stitchEvery != 0 && s % stitchEvery == 0 ? model::kTrue : model::kFalse;
        for (int line : {k, k + 1}) {
            Point3 p = scaled((*pts)[line], length);
            p.Flag = mark;
            points.push_back(p);
        }
    }
    return points;
}

// The strip's points while it is turned, one list per axis: every step turns
// all points developed so far, and separate lists let that run on several
// points at once. Index 0 is unused, as in the panel's point list.
class Strip {
public:
    explicit Strip(const std::vector<Point3>& p)
    {
        for (const Point3& q : p) {
            x_.push_back(q.X);
            y_.push_back(q.Y);
            z_.push_back(q.Z);
        }
    }
    int last() const { return int(x_.size()) - 1; }
    Point3 operator[](int i) const { return {x_[i], y_[i], z_[i], 0}; }

    // Turns P(1) .. P(to) about the axis through `pivot`.
    void turn(int to, const Point3& pivot, const Point3& axis, double theta)
    {
        AxisRotation(axis, theta).turn(&x_[1], &y_[1], &z_[1], to, pivot);
    }
    // Moves every point so that P(1) lands on the origin, P(1) itself last.
    void toOrigin()
    {
        const Point3 origin = (*this)[1];
        for (int j = last(); j >= 1; --j) {
            x_[j] -= origin.X;
            y_[j] -= origin.Y;
            z_[j] -= origin.Z;
        }
    }
    // Back into the panel's points, keeping their stitch marks.
    void copyTo(std::vector<Point3>& p) const
    {
        for (int j = 1; j <= last(); ++j) p[j] = {x_[j], y_[j], z_[j], p[j].Flag};
    }

private:
    std::vector<double> x_, y_, z_;
};

// Turns everything developed so far into the plane of the newest triangle
// P(i-2), P(i-1), P(i). Both normals follow the strip's winding, which
// alternates with i, so they face the same side of the surface; a pair taken
// against the winding would fold the strip back over itself.
void unfoldStep(Strip& p, int i)
{
    const bool odd = i % 2 == 1;
    const Point3 newNormal = odd ? unitNormal({p[i], p[i - 2]}, {p[i], p[i - 1]})
                                 : unitNormal({p[i], p[i - 1]}, {p[i], p[i - 2]});
    const Point3 oldNormal = odd ? unitNormal({p[i - 1], p[i - 2]}, {p[i - 1], p[i - 3]})
                                 : unitNormal({p[i - 1], p[i - 3]}, {p[i - 1], p[i - 2]});
    const Point3 pivot = odd ? p[i - 1] : p[i - 2];
    // AngleBetween clamps a cosine that rounding pushed past ±1, so parallel
    // normals give 0 or pi rather than a NaN.
    p.turn(i - 3, pivot, model::Normalise(CrossProduct(newNormal, oldNormal)), model::AngleBetween(newNormal, oldNormal));
}

// Turns the whole strip so that `from` points along `onto`, about `pivot`.
void turnOnto(Strip& p, const Point3& onto, const Point3& from, const Point3& pivot)
{
    p.turn(p.last(), pivot, model::Normalise(CrossProduct(onto, from)), model::AngleBetween(onto, from));
}

void layFlat(Strip& p)
{
    turnOnto(p, kUnitZ, unitNormal({p[3], p[2]}, {p[3], p[1]}), p[3]);
    turnOnto(p, kUnitX, unit(minus(p[p.last()], p[1])), p[1]);
    p.toOrigin();
}

DevelopedPanel developPanel(const model::Design& d, int k, int stitchEvery)
{
    DevelopedPanel panel;
    panel.points = gather(d, k, stitchEvery);
    const int n = panel.count() + 1;  // the second tip closes the strip
    if (n < 3 || k >= int(d.PanelEnds.size())) return panel;
    const auto& ends = d.PanelEnds[k];
    if (!d.hasPoint(ends[1]) || !d.hasPoint(ends[2])) return panel;

    std::vector<Point3>& p = panel.points;
    const std::int16_t firstMark = p[1].Flag;
    p[1] = scaled(d.point(ends[1]), d.HullLength);
    p[1].Flag = firstMark;
    p.push_back(scaled(d.point(ends[2]), d.HullLength));
    Strip strip(p);
    for (int i = 4; i <= n; ++i) unfoldStep(strip, i);
    layFlat(strip);
    strip.copyTo(p);
    panel.laidFlat = true;
    return panel;
}

}  // namespace

int stitchInterval(const model::Design& d)
{
    const double every = std::floor(d.StitchSpacing / (d.HullLength / d.StationCount));
    // An interval beyond the last station marks nothing, as none does.
    if (!std::isfinite(every) || std::abs(every) > std::max(lastStation(d), 0)) return 0;
    return int(every);
}

DevelopedPanels DevelopPanels(const model::Design& d)
{
    DevelopedPanels panels(std::max<int>(d.PanelsPerSide, 0) + 1);
    const int stitchEvery = stitchInterval(d);
    for (int k = 1; k < int(panels.size()); ++k) panels[k] = developPanel(d, k, stitchEvery);
    return panels;
}

}  // namespace panels
