#include "model/curves.h"
#include "model/hullslice.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;

// Every slice point, sampled all at once or line by line from the keel up,
// is the very point PointOnLineAtX gives, whether or not the lines share
// their X control values.
TEST(HullSlicer, SamplesAsEachLineEvaluatesAlone)
{
    Design d = testsupport::sevenLineKayak();
    const LineEvaluator first(d, d.HullLines[1]);
    for (bool shared : {true, false}) {
        // Nudged, one handle of the keel no longer shares.
        if (!shared) d.ControlPoints[d.CurveSegments[d.HullLines[7].Segments[1]].StartHandle].Position.X += 1e-9;
        EXPECT_EQ(LineEvaluator(d, d.HullLines[7]).sharesPlacesWith(first), shared);
        HullSlicer slicer(d);
        std::vector<Point3> points(d.LineCount + 1);
        HeightRange heights;
        auto expectLine = [&](int i, double t, const Point3& p) {
            const Point3 q = PointOnLineAtX(d, d.HullLines[i], t);
            EXPECT_TRUE(p.X == q.X && p.Y == q.Y && p.Z == q.Z) << "line " << i << " at " << t;
        };
        for (double t = -0.0005; t <= 1.001; t += 0.0137) {
            slicer.sample(t, points, d.HullLength, heights);
            for (int i = 1; i <= d.LineCount; ++i) expectLine(i, t, points[i]);
            for (int i = d.LineCount; i >= 1; --i) {
                Point3 p;
                slicer.sample(i, t + 1e-7, p);
                expectLine(i, t + 1e-7, p);
            }
        }
    }
}
