#include "model/file/designcheck.h"

#include "model/file/designrows.h"
#include "model/hull/sections.h"

#include <initializer_list>

namespace model {

namespace {

using Fault = std::optional<std::string>;

bool within(int index, int count) { return index >= 0 && index <= count; }

bool allWithin(std::initializer_list<int> indices, int count)
{
    for (int i : indices)
        if (!within(i, count)) return false;
    return true;
}

Fault pointFault(const Design& d, int i)
{
    const ControlPoint& cp = d.ControlPoints[i];
    if (cp.Kind == kAnchor && cp.LinkCount > kMaxLinksPerPoint) return "too many links of a point";
    if (cp.Kind == kAnchor)
        for (int j = 1; j <= cp.LinkCount; ++j)
            if (!within(cp.Links[j], d.PointCount)) return "link outside the control points";
    if (cp.Kind == kHandle && !allWithin({cp.Anchor, cp.OppositeHandle}, d.PointCount))
        return "anchor or opposite handle outside the control points";
    return std::nullopt;
}

Fault curveFault(const Design& d)
{
    for (int i = 1; i <= d.PointCount; ++i)
        if (Fault f = pointFault(d, i)) return f;
    for (int i = 1; i <= d.SegmentCount; ++i) {
        const CurveSegment& s = d.CurveSegments[i];
        if (!allWithin({s.StartPoint, s.StartHandle, s.EndHandle, s.EndPoint, s.EndLimit, s.StartLimit}, d.PointCount))
            return "segment point outside the control points";
    }
    for (int i = 1; i <= d.LineCount; ++i) {
        const HullLine& line = d.HullLines[i];
        for (int k = 1; k <= line.SegmentCount; ++k)
            if (!within(line.Segments[k], d.SegmentCount)) return "line segment outside the segments";
    }
    return std::nullopt;
}

// Panel ends are not checked here: old files name ends from a fixed table
// that a design with fewer points does not have; their users skip them.
Fault panelFault(const Design& d)
{
    if (d.PanelsPerSide > kMaxPanelsPerSide) return "too many panels";
    for (int k = 1; k <= d.PanelsPerSide; ++k)
        if (!allWithin({d.HullPanels[k].LineA, d.HullPanels[k].LineB}, d.LineCount))
            return "panel line outside the hull lines";
    return std::nullopt;
}

Fault cockpitFault(const Design& d)
{
    const int records = rows::cockpitRecords(d.CockpitCount);
    if (records < 0) return "cockpit count out of range";
    for (int k = 1; k <= records; ++k) {
        const Cockpit& c = d.Cockpits[k];
        if (c.RimPointCount < 0 || c.RimPointCount > kRimPointSlots) return "rim point count out of range";
        for (int j = 1; j <= c.RimPointCount; ++j)
            if (!within(c.RimPoints[j], d.PointCount)) return "rim point outside the control points";
    }
    return std::nullopt;
}

double lineEntries(const Design& d)
{
    double entries = 0;
    for (int i = 1; i <= d.LineCount; ++i) entries += d.HullLines[i].SegmentCount;
    return entries;
}

Fault sizeFault(const Design& d)
{
    if (!(d.HullLength > 0)) return "hull length not positive";
    const double stations = d.StationCount;
    if (!(stations >= 1 && stations <= kMaxStationCount)) return "station count out of range";
    if (d.BulkheadCount > kMaxBulkheads) return "too many bulkheads";
    const double sections = stations + 1 + d.BulkheadCount + 1;
    if ((sections + kSamplesBesideSections) * (d.LineCount + lineEntries(d)) > kMaxLineSampleWork)
        return "too many lines and segments for the stations";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> designFault(const Design& d)
{
    for (auto check : {sizeFault, curveFault, panelFault, cockpitFault})
        if (Fault f = check(d)) return f;
    return std::nullopt;
}

}  // namespace model
