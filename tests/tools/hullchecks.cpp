#include "tests/tools/templatecase.h"

#include "model/hull/curves.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace hullchecks {

namespace {

using model::Point3;

constexpr double kTolerance = 1e-9;  // normalised: a billionth of the length
constexpr double kSolverTolerance = 1e-6;  // the closed form's seven-digit 2 pi costs about 1e-8
constexpr double kOffThirds = 0.05;  // least cubic term, as a share of the segment's X span
constexpr int kSamplesPerStation = 20, kSolverSamples = 41, kMostFaults = 12;

struct Faults {
    std::ostringstream text;
    int count = 0;
    template <typename... Parts>
    void add(const Parts&... parts)
    {
        if (count++ < kMostFaults) ((text << ... << parts) << '\n');
    }
};

Point3 minus(const Point3& a, const Point3& b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z, 0}; }

// Tangent continuity: the handles either side of an anchor on one line through it, on opposite sides.
bool straightThrough(const Point3& back, const Point3& at, const Point3& ahead)
{
    const Point3 u = minus(at, back), v = minus(ahead, at);
    const double cross = std::hypot(u.Y * v.Z - u.Z * v.Y, u.Z * v.X - u.X * v.Z, u.X * v.Y - u.Y * v.X);
    return cross <= kTolerance * std::hypot(u.X, u.Y, u.Z) * std::hypot(v.X, v.Y, v.Z) &&
           u.X * v.X + u.Y * v.Y + u.Z * v.Z > 0;
}

}  // namespace

std::string lineOrder(const model::Design& d)
{
    Faults out;
    std::vector<model::LineEvaluator> lines;
    for (int i = 1; d.hasLine(i); ++i) lines.emplace_back(d, d.HullLines[i]);
    const int stations = model::stationBound(d.StationCount), n = d.LineCount;
    for (int s = 0; s <= stations; ++s) {
        for (int k = 0; k < (s < stations ? kSamplesPerStation : 1); ++k) {
            const double x = (s + double(k) / kSamplesPerStation) / d.StationCount, at = x * d.HullLength;
            std::vector<Point3> p{{}};
            for (const auto& line : lines) p.push_back(line.pointAt(x));
            for (int i = 1; i < n; ++i) {
                if (p[i].Y < p[i + 1].Y - kTolerance) out.add("at ", at, " line ", i + 1, " is above line ", i);
                const int inner = i < model::kSheerLine ? i : i + 1, outer = i < model::kSheerLine ? i + 1 : i;
                if (p[inner].Z > p[outer].Z + kTolerance) out.add("at ", at, " line ", inner, " is outside ", outer);
            }
            if (x > d.point(model::kBowPoint).X && x < d.point(model::kSternPoint).X && p[1].Y <= p[n].Y)
                out.add("at ", at, " the section has no depth");
        }
    }
    return out.text.str();
}

std::string segments(const model::Design& d)
{
    Faults out;
    for (int s = 1; s <= d.SegmentCount; ++s) {
        const model::CurveSegment& c = d.CurveSegments[s];
        const Point3 p[4] = {d.point(c.StartPoint), d.point(c.StartHandle), d.point(c.EndHandle), d.point(c.EndPoint)};
        if (!(p[0].X < p[1].X && p[1].X < p[2].X && p[2].X < p[3].X)) out.add("segment ", s, ": X not increasing");
        if (std::abs(((p[3].X - 3 * p[2].X) + 3 * p[1].X) - p[0].X) < kOffThirds * std::abs(p[3].X - p[0].X))
            out.add("segment ", s, ": handles too close to the thirds");
        double from = 0, to = 0;
        if (!model::segmentRange(d, c, from, to)) out.add("segment ", s, ": covers nothing");
        for (int k = 0; from < to && k < kSolverSamples; ++k) {
            const double x = from + (to - from) * k / (kSolverSamples - 1);
            const double t = model::closedFormParamAtX(p[0], p[1], p[2], p[3], x), u = 1 - t;
            const double at = u * u * u * p[0].X + 3 * u * t * (u * p[1].X + t * p[2].X) + t * t * t * p[3].X;
            if (t < -kSolverTolerance || t > 1 + kSolverTolerance || std::abs(at - x) > kSolverTolerance)
                out.add("segment ", s, ": the closed form misses X ", x * d.HullLength, " (t ", t, ")");
        }
    }
    return out.text.str();
}

std::string handles(const model::Design& d)
{
    Faults out;
    const auto& cp = d.ControlPoints;
    for (int i = 1; d.hasPoint(i); ++i) {
        const model::ControlPoint& p = cp[i];
        if (p.Kind == model::kAnchor) {
            if (p.LinkCount != int(p.Links.size()) - 1) out.add("anchor ", i, ": LinkCount disagrees with its links");
            for (std::size_t k = 1; k < p.Links.size(); ++k)
                if (!d.hasPoint(p.Links[k]) || cp[p.Links[k]].Kind != model::kHandle || cp[p.Links[k]].Anchor != i)
                    out.add("anchor ", i, ": link ", p.Links[k], " is not one of its handles");
        } else if (!d.hasPoint(p.Anchor) || cp[p.Anchor].Kind != model::kAnchor ||
                   std::find(cp[p.Anchor].Links.begin() + 1, cp[p.Anchor].Links.end(), i) == cp[p.Anchor].Links.end()) {
            out.add("handle ", i, ": its anchor ", p.Anchor, " does not carry it");
        } else if (p.Smooth == 1 && (!d.hasPoint(p.OppositeHandle) || cp[p.OppositeHandle].Anchor != p.Anchor ||
                                     cp[p.OppositeHandle].OppositeHandle != i)) {
            out.add("handle ", i, ": opposite ", p.OppositeHandle, " is not its partner");
        }
    }
    for (int s = 1; s <= d.SegmentCount; ++s) {
        const model::CurveSegment& c = d.CurveSegments[s];
        if (cp[c.StartHandle].Anchor != c.StartPoint || cp[c.EndHandle].Anchor != c.EndPoint)
            out.add("segment ", s, ": a handle belongs to another anchor");
    }
    for (int i = 1; d.hasLine(i); ++i) {
        for (int k = 1; k < d.HullLines[i].SegmentCount; ++k) {
            const model::CurveSegment& a = d.CurveSegments[d.HullLines[i].Segments[k]];
            const model::CurveSegment& b = d.CurveSegments[d.HullLines[i].Segments[k + 1]];
            const int end = a.Kind == model::kCoversStartToEndLimit ? a.EndLimit : a.EndPoint;
            if (end != (b.Kind == model::kCoversStartLimitToEnd ? b.StartLimit : b.StartPoint))
                out.add("line ", i, ": segments ", k, " and ", k + 1, " do not meet");
            else if (a.Kind == model::kCoversStartToEnd && b.Kind == model::kCoversStartToEnd &&
                     !straightThrough(d.point(a.EndHandle), d.point(a.EndPoint), d.point(b.StartHandle)))
                out.add("line ", i, ": kink at point ", a.EndPoint);
        }
    }
    return out.text.str();
}

}  // namespace hullchecks
