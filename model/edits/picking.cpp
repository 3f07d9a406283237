#include "model/edits/picking.h"

namespace model {

namespace {

double hypot2(double first, double second) { return std::sqrt(first * first + second * second); }

bool lineUsesPoint(const Design& design, int line, int point)
{
    if (!design.hasLine(line)) return false;
    const HullLine& l = design.HullLines[line];
    const int count = std::min<int>(l.SegmentCount, int(l.Segments.size()) - 1);
    for (int k = 1; k <= count; ++k) {
        const int s = l.Segments[k];
        if (s < 1 || s >= int(design.CurveSegments.size())) continue;
        const CurveSegment& c = design.CurveSegments[s];
        for (int ref : {c.StartPoint, c.StartHandle, c.EndHandle, c.EndPoint, c.EndLimit, c.StartLimit})
            if (ref == point) return true;
    }
    return false;
}

}  // namespace

double PlaneDistance(const Point3& a, const Point3& b, Plane plane)
{
    switch (plane) {
    case Plane::XY: return hypot2(b.Y - a.Y, b.X - a.X);
    case Plane::XZ: return hypot2(b.Z - a.Z, b.X - a.X);
    case Plane::ZY: return hypot2(b.Z - a.Z, b.Y - a.Y);
    }
    return 0;
}

double ScreenDistance(const Point2& mouse, const Point3& p, Plane plane, double hullLength)
{
    const double L = hullLength;
    switch (plane) {
    case Plane::XY: return hypot2(L * p.Y - mouse.Y, L * p.X - mouse.X);
    case Plane::XZ: return hypot2(L * p.Z - mouse.Y, L * p.X - mouse.X);
    case Plane::ZY: return hypot2(L * p.Y - mouse.Y, L * p.Z - mouse.X);
    }
    return 0;
}

double ScreenDistance(const Point2& mouse, const Point3& p) { return hypot2(p.Y - mouse.Y, p.X - mouse.X); }

bool PanelUsesPoint(const Design& design, int point, const HullPanel& panel)
{
    // Index 0 names no control point, so unused limit fields never match.
    if (point < 1) return false;
    return lineUsesPoint(design, panel.LineA, point) || lineUsesPoint(design, panel.LineB, point);
}

}  // namespace model
