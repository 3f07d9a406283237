#pragma once
// A three-panel hull written straight into its sections, so every station's
// points are known exactly: panel 1 (deck) has a station where its lines meet,
// panel 2 (hull) one where they share only a height and more slots than
// panel 1, panel 3 (hull) lines that meet everywhere.

#include "model/design.h"

namespace testsupport {

inline model::Point3 smallHullPoint(int station, int line)
{
    const double x = station / 4.0;
    if (line == 1) return {x, 0.10, 0.001 * station, 0};
    if (line == 2) return station == 2 ? model::Point3{x, 0.10, 0.002, 0} : model::Point3{x, 0.08, 0.05, 0};
    return {x, station == 3 ? 0.08 : 0.0, 0.01, 0};  // lines 3 and 4 coincide
}

inline model::Design smallHull(double stationCount = 4)
{
    model::Design d;
    d.DesignLoaded = true;
    d.HullLength = 200;
    d.WaterlineHeight = 5;
    d.StationCount = stationCount;
    d.PointCount = 6;
    d.ControlPoints.assign(7, model::ControlPoint{});
    const model::Point3 points[] = {{}, {0.05, 0.1, 0.0}, {0.95, 0.12, 0.0}, {0.1, 0.05, 0.02},
                                    {0.9, 0.06, 0.03}, {0.2, 0.0, 0.01}, {0.8, 0.0, 0.01}};
    for (int i = 1; i <= 6; ++i) d.ControlPoints[i].Position = points[i];
    d.LineCount = 4;
    d.PanelsPerSide = 3;
    d.HullPanels = {{}, {1, 2, 0}, {2, 3, 1}, {3, 4, 1}};
    d.PanelEnds = {{0, 0, 0}, {0, 1, 2}, {0, 3, 4}, {0, 5, 6}};
    d.Sections.assign(model::stationBound(stationCount) + 1, model::Section{});
    for (std::size_t s = 0; s < d.Sections.size(); ++s) {
        d.Sections[s].X = s / stationCount;
        d.Sections[s].Pts.assign(5, model::Point3{});
        for (int j = 1; j <= 4; ++j) d.Sections[s].Pts[j] = smallHullPoint(int(s % 5), j);
    }
    return d;
}

}  // namespace testsupport
