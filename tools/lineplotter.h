#pragma once
// Lays hull lines out as anchors, handles and Bezier segments. Positions go
// in as inches and are stored divided by the hull length.

#include "tools/hullshape.h"
#include "tools/pointtable.h"

#include "model/hull/records.h"

#include <vector>

namespace hulls {

class LinePlotter {
public:
    LinePlotter(PointTable& points, std::vector<model::CurveSegment>& segments, double length);

    // An anchor at the next free index, or at a reserved one.
    int anchor(Inches at, bool onCentrePlane, std::optional<int> index = {});

    // The segments of a line from one existing anchor to another through the
    // knots, in order along the line (1-based segment indices).
    std::vector<int> line(int from, const EndTangent& leave, const std::vector<Knot>& knots,
                          const EndTangent& arrive, int to, bool onCentrePlane);

    // A segment over four existing points.
    int segment(int p0, int p1, int p2, int p3, std::int16_t kind = 0, int limit = 0);

    Inches inches(int point) const;

private:
    // A handle `reach` inches along X from its anchor, towards the stern
    // when `sign` is +1, on the tangent given by `slope`.
    int handle(int anchor, Slope slope, double reach, int sign, bool onCentrePlane, std::optional<int> index);
    void pairHandles(int back, int ahead);

    PointTable& points_;
    std::vector<model::CurveSegment>& segments_;
    double length_;
};

}  // namespace hulls
