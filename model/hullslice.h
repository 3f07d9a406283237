#pragma once
// What both hydrostatic passes and the half widths do to one cross-section:
// sample every hull line at a position along the hull, find where the
// waterline crosses the outline, and build the wet polygon below it.

#include "model/curves.h"
#include "model/design.h"

#include <vector>

namespace model {

inline constexpr double kSliceStep = 0.001;  // a slice's length as a fraction of the hull
inline constexpr double kBothSides = 2.0;    // a half-section stands for both sides

// The lowest and highest heights seen, in inches.
struct HeightRange {
    bool seen = false;
    double lowest = 0;
    double highest = 0;
    void add(double height);
};

// The design's hull lines, prepared for many evaluations. Lines whose
// segments share their X control values solve each X once between them.
class HullSlicer {
public:
    explicit HullSlicer(const Design& design);
    int lineCount() const { return int(lines_.size()) - 1; }
    // Fills points(1..N) at normalised X `t` (points must hold N + 1); adds
    // the heights (times `length`) of the lines that cover t to `heights`.
    void sample(double t, std::vector<Point3>& points, double length, HeightRange& heights);
    // Line i alone.
    void sample(int i, double t, Point3& point);

private:
    struct SharedPlace {
        bool valid = false;
        double x = 0;
        LineEvaluator::Place place;
    };
    LineEvaluator::Place placeOf(int i, double t);

    std::vector<LineEvaluator> lines_;  // 1..N; 0 unused
    std::vector<int> leader_;           // per line, the first line sharing its places
    std::vector<SharedPlace> places_;   // per leader, its last place
};

enum class Waterline { kAbove, kBelow, kCuts };

// Where the waterline w lies against the section P(1..n): above line 1 (or
// at its height), below the keel, or cutting the outline. A section whose top
// and keel are at one height is never cut.
Waterline waterlineAt(const std::vector<Point3>& points, int n, double w);

// Whether the segment from P(i) to P(i+1) goes from above w to at or under it.
inline bool crosses(const std::vector<Point3>& points, int i, double w)
{
    return points[i].Y > w && points[i + 1].Y <= w;
}

// Half-breadth where height w lies on the segment from `upper` to `lower`.
double crossingHalfBreadth(const Point3& upper, const Point3& lower, double w);

// The wet polygon W(1..m) of a crossing in segment i of P(1..n): the centre
// line and the crossing at the waterline, then P(i+1) to P(n). W must hold
// n + 3 points; returns m.
int wetPolygon(const std::vector<Point3>& points, int n, int i, double t, double w, double z,
               std::vector<Point3>& wet);

// Sum of Distance3D over the consecutive points first..last.
double girth(const std::vector<Point3>& points, int first, int last);

// Half-section area of P(0..n): horizontal trapezoid strips between the
// centre plane and the outline.
double halfSectionArea(const std::vector<Point3>& points, int n);

}  // namespace model
