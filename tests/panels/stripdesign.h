#pragma once
// Designs of one panel written straight into the sections, so a test sets
// each edge point exactly: line 1 and line 2 at the inner stations, and the
// two tips as control points 1 and 2.

#include "model/design.h"

#include <functional>

namespace panelstest {

struct EdgePoints {
    model::Point3 a;  // line 1, inches (X is set from the station)
    model::Point3 b;  // line 2
};

// Stations 0 .. stations; `edges` gives both lines' Y and Z at station s.
inline model::Design stripDesign(double length, int stations, const std::function<EdgePoints(int)>& edges,
                                 model::Point3 tip1, model::Point3 tip2, std::int16_t stitchSpacing = 0)
{
    model::Design d;
    d.HullLength = length;
    d.StationCount = stations;
    d.StitchSpacing = stitchSpacing;
    d.PanelsPerSide = 1;
    d.LineCount = 2;
    d.PanelEnds = {{0, 0, 0}, {0, 1, 2}};
    d.PointCount = 2;
    d.ControlPoints.resize(3);
    auto normalised = [length](model::Point3 p) { return model::Point3{p.X / length, p.Y / length, p.Z / length, 0}; };
    d.ControlPoints[1].Position = normalised(tip1);
    d.ControlPoints[2].Position = normalised(tip2);
    d.Sections.resize(stations + 1);
    for (int s = 0; s <= stations; ++s) {
        const double x = length * s / stations;
        EdgePoints e = edges(s);
        e.a.X = e.b.X = x;
        d.Sections[s].X = double(s) / stations;
        d.Sections[s].Pts = {{}, normalised(e.a), normalised(e.b)};
    }
    return d;
}

}  // namespace panelstest
