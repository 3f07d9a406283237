#include "model/curves.h"
#include "model/hullslice.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

void expectSamePoint(const Point3& a, const Point3& b)
{
    EXPECT_EQ(a.X, b.X);
    EXPECT_EQ(a.Y, b.Y);
    EXPECT_EQ(a.Z, b.Z);
}

// Every slice point, sampled all at once or line by line in any order, is
// the very point PointOnLineAtX gives.
void expectSlicesMatchLineEvaluation(const Design& d)
{
    HullSlicer slicer(d);
    std::vector<Point3> points(d.LineCount + 1);
    HeightRange heights;
    for (double t = -0.0005; t <= 1.001; t += 0.0137) {
        slicer.sample(t, points, d.HullLength, heights);
        for (int i = 1; i <= d.LineCount; ++i) expectSamePoint(points[i], PointOnLineAtX(d, d.HullLines[i], t));
        for (int i = d.LineCount; i >= 1; --i) {
            Point3 p;
            slicer.sample(i, t + 1e-7, p);
            expectSamePoint(p, PointOnLineAtX(d, d.HullLines[i], t + 1e-7));
        }
    }
}

}  // namespace

TEST(HullSlicer, LinesSharingTheirXControlValuesSolveAlike)
{
    Design d = testsupport::sevenLineKayak();
    const LineEvaluator first(d, d.HullLines[1]), keel(d, d.HullLines[7]);
    EXPECT_TRUE(keel.sharesPlacesWith(first));
    expectSlicesMatchLineEvaluation(d);

    // Nudge one handle of the keel: it no longer shares, and still matches.
    d.ControlPoints[d.CurveSegments[d.HullLines[7].Segments[1]].StartHandle].Position.X += 1e-9;
    EXPECT_FALSE(LineEvaluator(d, d.HullLines[7]).sharesPlacesWith(first));
    expectSlicesMatchLineEvaluation(d);
}
