#include "tests/tools/hullchecks.h"

#include "model/curves.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace hullchecks {

namespace {

constexpr double kTolerance = 1e-9;       // normalised: a billionth of the length
// The closed form's seven-digit 2 pi costs it about 1e-8 of the length.
constexpr double kSolverTolerance = 1e-6;
constexpr double kOffThirds = 0.05;       // least cubic term, as a share of the segment's X span
constexpr int kSamplesPerStation = 20;
constexpr int kSolverSamples = 41;
constexpr std::size_t kMostFaults = 12;   // enough to see the pattern

class Collector {
public:
    explicit Collector(Faults& faults) : faults_(faults) {}
    template <typename... Parts>
    void add(const Parts&... parts)
    {
        if (faults_.size() >= kMostFaults) return;
        std::ostringstream text;
        (text << ... << parts);
        faults_.push_back(text.str());
    }

private:
    Faults& faults_;
};

struct Section {
    double x;
    std::vector<model::Point3> pts;  // 1..LineCount
};

Section sectionAt(const std::vector<model::LineEvaluator>& lines, double x)
{
    Section s{x, {model::Point3{}}};
    for (const auto& line : lines) s.pts.push_back(line.pointAt(x));
    return s;
}

std::vector<model::LineEvaluator> evaluators(const model::Design& d)
{
    std::vector<model::LineEvaluator> lines;
    for (int i = 1; d.hasLine(i); ++i) lines.emplace_back(d, d.HullLines[i]);
    return lines;
}

void checkSection(const model::Design& d, const Section& s, Collector& out)
{
    const double L = d.HullLength;
    const int n = d.LineCount;
    for (int i = 1; i < n; ++i) {
        if (s.pts[i].Y < s.pts[i + 1].Y - kTolerance)
            out.add("at ", s.x * L, " in line ", i + 1, " (Y ", s.pts[i + 1].Y * L, ") is above line ", i, " (Y ",
                    s.pts[i].Y * L, ")");
        const bool deck = i < model::kSheerLine;
        const double inner = deck ? s.pts[i].Z : s.pts[i + 1].Z;
        const double outer = deck ? s.pts[i + 1].Z : s.pts[i].Z;
        if (inner > outer + kTolerance)
            out.add("at ", s.x * L, " in line ", deck ? i : i + 1, " (Z ", inner * L, ") is outside line ",
                    deck ? i + 1 : i, " (Z ", outer * L, ")");
    }
    const bool inside = s.x > d.point(model::kBowPoint).X && s.x < d.point(model::kSternPoint).X;
    if (inside && s.pts[1].Y <= s.pts[n].Y) out.add("at ", s.x * L, " in the section has no depth");
}

struct Bezier {
    model::Point3 p[4];
};

Bezier bezierOf(const model::Design& d, const model::CurveSegment& s)
{
    return {{d.point(s.StartPoint), d.point(s.StartHandle), d.point(s.EndHandle), d.point(s.EndPoint)}};
}

double bezierX(const Bezier& b, double t)
{
    const double u = 1 - t;
    return u * u * u * b.p[0].X + 3 * u * u * t * b.p[1].X + 3 * u * t * t * b.p[2].X + t * t * t * b.p[3].X;
}

void checkSegment(const model::Design& d, int index, Collector& out)
{
    const model::CurveSegment& s = d.CurveSegments[index];
    const Bezier b = bezierOf(d, s);
    const double x[4] = {b.p[0].X, b.p[1].X, b.p[2].X, b.p[3].X};
    if (!(x[0] < x[1] && x[1] < x[2] && x[2] < x[3]))
        out.add("segment ", index, ": X of its control points does not increase strictly");

    double from = 0, to = 0;
    if (!model::segmentRange(d, s, from, to)) {
        out.add("segment ", index, ": covers nothing");
        return;
    }
    for (int k = 0; k < kSolverSamples; ++k) {
        const double xs = from + (to - from) * k / (kSolverSamples - 1);
        const double t = model::closedFormParamAtX(b.p[0], b.p[1], b.p[2], b.p[3], xs);
        if (t < -kSolverTolerance || t > 1 + kSolverTolerance || std::abs(bezierX(b, t) - xs) > kSolverTolerance)
            out.add("segment ", index, ": the closed form misses X ", xs * d.HullLength, " in (t ", t, ")");
    }
}

model::Point3 minus(const model::Point3& a, const model::Point3& b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z, 0}; }

bool joins(const model::CurveSegment& a, const model::CurveSegment& b)
{
    const int end = a.Kind == model::kCoversStartToEndLimit ? a.EndLimit : a.EndPoint;
    const int start = b.Kind == model::kCoversStartLimitToEnd ? b.StartLimit : b.StartPoint;
    return end == start;
}

void checkJoin(const model::Design& d, int line, int k, Collector& out)
{
    const model::HullLine& hl = d.HullLines[line];
    const model::CurveSegment& a = d.CurveSegments[hl.Segments[k]];
    const model::CurveSegment& b = d.CurveSegments[hl.Segments[k + 1]];
    if (!joins(a, b)) {
        out.add("line ", line, ": segments ", k, " and ", k + 1, " do not meet");
        return;
    }
    if (a.Kind != model::kCoversStartToEnd || b.Kind != model::kCoversStartToEnd) return;
    const model::Point3& anchor = d.point(a.EndPoint);
    const model::Point3 u = minus(anchor, d.point(a.EndHandle));
    const model::Point3 v = minus(d.point(b.StartHandle), anchor);
    const model::Point3 cross = {u.Y * v.Z - u.Z * v.Y, u.Z * v.X - u.X * v.Z, u.X * v.Y - u.Y * v.X, 0};
    const double lengths = std::hypot(u.X, u.Y, u.Z) * std::hypot(v.X, v.Y, v.Z);
    const double dot = u.X * v.X + u.Y * v.Y + u.Z * v.Z;
    if (std::hypot(cross.X, cross.Y, cross.Z) > kTolerance * lengths || dot <= 0)
        out.add("line ", line, ": kink at point ", a.EndPoint);
}

void checkHandle(const model::Design& d, int i, Collector& out)
{
    const model::ControlPoint& h = d.ControlPoints[i];
    if (!d.hasPoint(h.Anchor) || d.ControlPoints[h.Anchor].Kind != model::kAnchor) {
        out.add("handle ", i, ": its anchor ", h.Anchor, " is not an anchor");
        return;
    }
    const auto& links = d.ControlPoints[h.Anchor].Links;
    if (std::find(links.begin() + 1, links.end(), i) == links.end())
        out.add("handle ", i, ": anchor ", h.Anchor, " does not carry it");
    if (h.Smooth == 1) {
        const int o = h.OppositeHandle;
        if (!d.hasPoint(o) || d.ControlPoints[o].Anchor != h.Anchor || d.ControlPoints[o].OppositeHandle != i)
            out.add("handle ", i, ": opposite ", o, " is not its partner");
    }
}

void checkAnchor(const model::Design& d, int i, Collector& out)
{
    const model::ControlPoint& a = d.ControlPoints[i];
    if (a.LinkCount != int(a.Links.size()) - 1) out.add("anchor ", i, ": LinkCount disagrees with its links");
    for (std::size_t k = 1; k < a.Links.size(); ++k) {
        const int l = a.Links[k];
        if (!d.hasPoint(l) || d.ControlPoints[l].Kind != model::kHandle || d.ControlPoints[l].Anchor != i)
            out.add("anchor ", i, ": link ", l, " is not one of its handles");
    }
}

// A handle a segment uses must sit next to its own anchor there.
void checkSegmentHandles(const model::Design& d, int index, Collector& out)
{
    const model::CurveSegment& s = d.CurveSegments[index];
    if (d.ControlPoints[s.StartHandle].Anchor != s.StartPoint || d.ControlPoints[s.EndHandle].Anchor != s.EndPoint)
        out.add("segment ", index, ": a handle belongs to another anchor");
}

}  // namespace

std::vector<double> samplePositions(const model::Design& d)
{
    const int stations = model::stationBound(d.StationCount);
    std::vector<double> xs;
    for (int s = 0; s <= stations; ++s)
        for (int k = 0; k < (s < stations ? kSamplesPerStation : 1); ++k)
            xs.push_back((s + double(k) / kSamplesPerStation) / d.StationCount);
    return xs;
}

Faults lineOrderFaults(const model::Design& d)
{
    Faults faults;
    Collector out(faults);
    const auto lines = evaluators(d);
    for (double x : samplePositions(d)) checkSection(d, sectionAt(lines, x), out);
    return faults;
}

Faults segmentFaults(const model::Design& d)
{
    Faults faults;
    Collector out(faults);
    for (int i = 1; d.hasLine(i); ++i)
        for (int k = 1; k <= d.HullLines[i].SegmentCount; ++k) checkSegment(d, d.HullLines[i].Segments[k], out);
    return faults;
}

Faults thirdsFaults(const model::Design& d)
{
    Faults faults;
    Collector out(faults);
    for (int s = 1; s <= d.SegmentCount; ++s) {
        const Bezier b = bezierOf(d, d.CurveSegments[s]);
        const double span = b.p[3].X - b.p[0].X;
        const double cubic = ((b.p[3].X - 3 * b.p[2].X) + 3 * b.p[1].X) - b.p[0].X;
        if (std::abs(cubic) < kOffThirds * std::abs(span))
            out.add("segment ", s, ": handles too close to the thirds (cubic term ", cubic / span, ")");
    }
    return faults;
}

Faults fairnessFaults(const model::Design& d)
{
    Faults faults;
    Collector out(faults);
    for (int i = 1; d.hasLine(i); ++i)
        for (int k = 1; k < d.HullLines[i].SegmentCount; ++k) checkJoin(d, i, k, out);
    return faults;
}

Faults handleRecordFaults(const model::Design& d)
{
    Faults faults;
    Collector out(faults);
    for (int i = 1; d.hasPoint(i); ++i) {
        if (d.ControlPoints[i].Kind == model::kHandle) checkHandle(d, i, out);
        if (d.ControlPoints[i].Kind == model::kAnchor) checkAnchor(d, i, out);
    }
    for (int s = 1; s <= d.SegmentCount; ++s) checkSegmentHandles(d, s, out);
    return faults;
}

}  // namespace hullchecks
