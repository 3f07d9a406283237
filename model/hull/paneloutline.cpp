#include "model/hull/paneloutline.h"

#include "model/hull/curves.h"

#include <utility>

namespace model {

namespace {

// Loop guard: a limit solved outside the segment can give a huge range.
constexpr long kMaxSamplesPerSegment = 100000;

bool segmentPointsExist(const Design& d, const CurveSegment& s)
{
    return d.hasPoint(s.StartPoint) && d.hasPoint(s.StartHandle) && d.hasPoint(s.EndHandle) &&
           d.hasPoint(s.EndPoint);
}

// The parameter range [a, b] the segment is drawn over; none for a kind that
// covers nothing or a limit that is not a control point.
std::optional<std::pair<double, double>> drawnRange(const Design& d, const CurveSegment& s)
{
    const Point3 &p0 = d.point(s.StartPoint), &p1 = d.point(s.StartHandle), &p2 = d.point(s.EndHandle),
                 &p3 = d.point(s.EndPoint);
    switch (s.Kind) {
    case kCoversStartToEnd: return std::pair{0.0, 1.0};
    case kCoversStartToEndLimit:
        if (!d.hasPoint(s.EndLimit)) return std::nullopt;
        return std::pair{0.0, BezierParamAtX(p0, p1, p2, p3, d.point(s.EndLimit).X)};
    case kCoversStartLimitToEnd:
        if (!d.hasPoint(s.StartLimit)) return std::nullopt;
        return std::pair{BezierParamAtX(p0, p1, p2, p3, d.point(s.StartLimit).X), 1.0};
    default: return std::nullopt;
    }
}

bool hasSegments(const Design& d, int line)
{
    return d.hasLine(line) && d.HullLines[line].SegmentCount >= 1 && d.HullLines[line].Segments.size() > 1;
}

const CurveSegment* segmentOf(const Design& d, const HullLine& line, int j)
{
    if (j < 1 || j >= int(line.Segments.size())) return nullptr;
    const int index = line.Segments[j];
    if (index < 1 || index >= int(d.CurveSegments.size())) return nullptr;
    return &d.CurveSegments[index];
}

}  // namespace

void sampleSegment(const Design& d, const CurveSegment& s, bool reversed, std::vector<Point3>& samples)
{
    const double step = d.CurveStep;
    if (!(step > 0) || !segmentPointsExist(d, s)) return;
    const auto range = drawnRange(d, s);
    if (!range) return;
    const auto [a, b] = *range;
    const Point3 &p0 = d.point(s.StartPoint), &p1 = d.point(s.StartHandle), &p2 = d.point(s.EndHandle),
                 &p3 = d.point(s.EndPoint);
    long count = 0;
    if (!reversed) {
        for (double t = a; t <= b && count < kMaxSamplesPerSegment; t += step, ++count)
            samples.push_back(BezierPointAtParam(p0, p1, p2, p3, t));
    } else {
        for (double t = b; t >= a && count < kMaxSamplesPerSegment; t -= step, ++count)
            samples.push_back(BezierPointAtParam(p0, p1, p2, p3, t));
    }
}

std::optional<PanelOutline> panelOutline(const Design& d, int panel)
{
    if (panel < 1 || panel > d.PanelsPerSide || panel >= int(d.HullPanels.size())) return std::nullopt;
    const HullPanel& p = d.HullPanels[panel];
    if (!hasSegments(d, p.LineA) || !hasSegments(d, p.LineB)) return std::nullopt;
    const HullLine& a = d.HullLines[p.LineA];
    const HullLine& b = d.HullLines[p.LineB];
    const CurveSegment* first = segmentOf(d, a, 1);
    if (!first || !d.hasPoint(first->StartPoint)) return std::nullopt;

    PanelOutline outline{d.point(first->StartPoint), {}};
    for (int j = 1; j <= a.SegmentCount; ++j)
        if (const CurveSegment* s = segmentOf(d, a, j)) sampleSegment(d, *s, false, outline.samples);
    for (int j = b.SegmentCount; j >= 1; --j)
        if (const CurveSegment* s = segmentOf(d, b, j)) sampleSegment(d, *s, true, outline.samples);
    return outline;
}

}  // namespace model
