#pragma once
// Shared by the hydrostatics tests: hulls of straight lines, running a design
// and the tolerances the slice integration allows.

#include "model/hydrostatics.h"
#include "tests/support/designbuilder.h"

#include <cmath>
#include <vector>

// 1000 rounded additions of equal slices.
inline constexpr double kSumTolerance = 1e-12;
// The closed-form cubic places a point of a sloping straight line within
// about 5e-10 hull lengths of it; sums over the slices agree to 1e-8.
inline constexpr double kSolverTolerance = 1e-8;
inline double pointTolerance(double length) { return 1e-9 * length; }

#define EXPECT_REL(actual, expected, tolerance) EXPECT_NEAR((actual), (expected), std::abs(expected) * (tolerance))

inline model::Hydrostatics hydrostaticsOf(model::Design& d, model::HydroInputs inputs = {})
{
    model::Hydrostatics h;
    model::runHydrostatics(d, inputs, h);
    return h;
}

// Lines of straight segments through their anchors (x, height, half-breadth),
// inches; line 1 runs straight from the bow point (its first anchor) to the
// stern point (its last).
inline model::Design straightLines(double length, const std::vector<std::vector<testsupport::Inches>>& lines,
                                   double waterline)
{
    testsupport::DesignBuilder b(length);
    b.polyline(std::vector<int>{b.pointAt(model::kBowPoint, lines[0].front()),
                                b.pointAt(model::kSternPoint, lines[0].back())});
    for (std::size_t k = 1; k < lines.size(); ++k) b.polyline(lines[k]);
    return b.waterline(waterline).build();
}

// One hull line's place in a cross-section: height and half-breadth.
struct SectionPoint {
    double y, z;
};

// A box section: deck centre, sheer, chine, keel.
inline std::vector<SectionPoint> boxSection(double beam, double depth)
{
    return {{depth, 0}, {depth, beam / 2}, {0, beam / 2}, {0, 0}};
}

// Line k runs straight from bow to stern at section[k]: a prism. With
// `bowShare` 0 every half-breadth grows from 0 at the bow instead: a wedge in plan.
inline model::Design prismHull(double length, const std::vector<SectionPoint>& section, double waterline,
                               double bowShare = 1)
{
    std::vector<std::vector<testsupport::Inches>> lines;
    for (const SectionPoint& s : section) lines.push_back({{0, s.y, s.z * bowShare}, {length, s.y, s.z}});
    return straightLines(length, lines, waterline);
}
