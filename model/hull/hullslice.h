#pragma once
// What both hydrostatic passes and the half widths do to one cross-section:
// find where the waterline crosses the outline and measure the wet part
// below it; and the hull lines at the slices, from the sample cache.

#include "model/hull/curves.h"
#include "model/hull/design.h"
#include "model/hull/linesamplecache.h"

#include <vector>

namespace model {

inline constexpr double kBothSides = 2.0;  // a half-section stands for both sides

// The design's hull lines at the hydrostatics' slices: the cache is brought
// up to date when the slicer is made; single lines at other X are solved.
class HullSlicer {
public:
    HullSlicer(const Design& design, LineSampleCache& cache);
    int lineCount() const { return int(lines_.size()) - 1; }
    LineSampleCache& slices() { return cache_; }
    // The slice at exactly t, or -1; slices are asked for in increasing X.
    int sliceAt(double t);
    // Line i alone at normalised X t.
    Point3 sample(int i, double t) const { return lines_[i].pointAt(t); }

private:
    std::vector<LineEvaluator> lines_;  // 1..N; 0 unused
    LineSampleCache& cache_;
    int lastSlice_ = -1;
};

enum class Waterline { kAbove, kBelow, kCuts };

// Where the waterline w lies against the section P(1..n): above line 1 (or
// at its height), below the keel, or cutting the outline. A section whose top
// and keel are at one height is never cut.
Waterline waterlineAt(const Point3* points, int n, double w);

// Whether the segment from P(i) to P(i+1) goes from above w to at or under it.
inline bool crosses(const Point3* points, int i, double w)
{
    return points[i].Y > w && points[i + 1].Y <= w;
}

// Half-breadth where height w lies on the segment from `upper` to `lower`.
double crossingHalfBreadth(const Point3& upper, const Point3& lower, double w);

// The wet polygon of a crossing in segment i of P(1..n) at slice X t is the
// centre line and the crossing at the waterline, then P(i+1) to P(n). Its
// area (SectionArea's sum over that polygon, in that order) and its girth
// from the crossing down, given P's edge lengths.
double wetArea(const Point3* points, int n, int i, double t, double w, double z);
double wetGirth(const Point3* points, const double* edges, int n, int i, double t, double w, double z);

}  // namespace model
