#include "tools/lineplotter.h"

namespace hulls {

namespace {

std::optional<int> offset(std::optional<int> index, int by)
{
    return index ? std::optional<int>(*index + by) : std::nullopt;
}

}  // namespace

LinePlotter::LinePlotter(PointTable& points, std::vector<model::CurveSegment>& segments, double length)
    : points_(points), segments_(segments), length_(length)
{
}

Inches LinePlotter::inches(int point) const
{
    const model::Point3& p = points_[point].Position;
    return {p.X * length_, p.Y * length_, p.Z * length_};
}

int LinePlotter::anchor(Inches at, bool onCentrePlane, std::optional<int> index)
{
    model::ControlPoint cp;
    cp.Position = {at.x / length_, at.y / length_, onCentrePlane ? 0.0 : at.z / length_, 0};
    cp.Kind = model::kAnchor;
    cp.LockZ = onCentrePlane ? 1 : 0;
    return index ? points_.place(*index, cp) : points_.add(cp);
}

int LinePlotter::handle(int anchor, Slope slope, double reach, int sign, bool onCentrePlane,
                        std::optional<int> index)
{
    const Inches a = inches(anchor);
    const double dx = sign * reach;
    model::ControlPoint cp;
    cp.Position = {(a.x + dx) / length_, (a.y + slope.dy * dx) / length_,
                   onCentrePlane ? 0.0 : (a.z + slope.dz * dx) / length_, 0};
    cp.Kind = model::kHandle;
    cp.Anchor = std::int16_t(anchor);
    cp.LockZ = onCentrePlane ? 1 : 0;
    const int i = index ? points_.place(*index, cp) : points_.add(cp);

    // Dragging an anchor carries its handles with it.
    model::ControlPoint& owner = points_[anchor];
    owner.Links.push_back(std::int16_t(i));
    owner.LinkCount = std::int16_t(owner.Links.size() - 1);
    return i;
}

void LinePlotter::pairHandles(int back, int ahead)
{
    points_[back].OppositeHandle = std::int16_t(ahead);
    points_[ahead].OppositeHandle = std::int16_t(back);
    points_[back].Smooth = 1;
    points_[ahead].Smooth = 1;
}

int LinePlotter::segment(int p0, int p1, int p2, int p3, std::int16_t kind, int limit)
{
    segments_.push_back(model::makeSegment(p0, p1, p2, p3, kind, limit));
    return int(segments_.size());
}

std::vector<int> LinePlotter::line(int from, const EndTangent& leave, const std::vector<Knot>& knots,
                                   const EndTangent& arrive, int to, bool onCentrePlane)
{
    std::vector<int> result;
    int start = from;
    int startHandle = handle(from, leave.slope, leave.reach, +1, onCentrePlane, {});
    for (const Knot& k : knots) {
        const int a = anchor(k.at, onCentrePlane, k.index);
        const int back = handle(a, k.slope, k.reachBack, -1, onCentrePlane, offset(k.index, 1));
        const int ahead = handle(a, k.slope, k.reachAhead, +1, onCentrePlane, offset(k.index, 2));
        pairHandles(back, ahead);
        result.push_back(segment(start, startHandle, back, a));
        start = a;
        startHandle = ahead;
    }
    const int endHandle = handle(to, arrive.slope, arrive.reach, -1, onCentrePlane, {});
    result.push_back(segment(start, startHandle, endHandle, to));
    return result;
}

}  // namespace hulls
