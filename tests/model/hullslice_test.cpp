#include "model/curves.h"
#include "model/geometry.h"
#include "model/hullslice.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace model;

namespace {

bool samePoint(const Point3& p, const Point3& q) { return p.X == q.X && p.Y == q.Y && p.Z == q.Z; }

}  // namespace

// Every slice point, read from the samples or solved alone between slices,
// is the very point PointOnLineAtX gives, whether or not the lines share
// their X control values; a second slicer of the same lines solves nothing
// again, an edit re-solves only its own line.
TEST(HullSlicer, SamplesAsEachLineEvaluatesAlone)
{
    Design d = testsupport::sevenLineKayak();
    const LineEvaluator first(d, d.HullLines[1]);
    LineSampleCache cache;
    const int keelHandle = d.CurveSegments[d.HullLines[7].Segments[1]].StartHandle;
    // Nudged in X, one handle of the keel no longer shares; nudged in Y, it still does.
    for (auto [dx, dy, shared, solved] : {std::tuple{0.0, 0.0, true, 7}, {0.0, 0.0, true, 0}, {1e-9, 0.0, false, 1},
                                         {0.0, 1e-9, false, 1}}) {
        d.ControlPoints[keelHandle].Position.X += dx;
        d.ControlPoints[keelHandle].Position.Y += dy;
        EXPECT_EQ(LineEvaluator(d, d.HullLines[7]).sharesPlacesWith(first), shared);
        HullSlicer slicer(d, cache);
        EXPECT_EQ(cache.linesSolved(), solved);
        for (int k = 0; k < cache.sliceCount(); k += 37) {
            const double t = cache.sliceX(k);
            EXPECT_EQ(slicer.sliceAt(t), k);
            EXPECT_EQ(slicer.sliceAt(t + 1e-7), -1);
            for (int i = 1; i <= d.LineCount; ++i) {
                EXPECT_TRUE(samePoint(cache.row(k)[i], PointOnLineAtX(d, d.HullLines[i], t))) << i << " at " << t;
                EXPECT_TRUE(samePoint(slicer.sample(i, t + 1e-7), PointOnLineAtX(d, d.HullLines[i], t + 1e-7)));
            }
        }
    }
}

// The wet measures, taken in place, are SectionArea and the girth of the wet
// polygon built out, to the bit; the kept outline measures are the slice's own.
TEST(HullSlicer, WetAndOutlineMeasuresAreThePolygonsOwn)
{
    const Design d = testsupport::sevenLineKayak();
    LineSampleCache cache;
    HullSlicer slicer(d, cache);
    const int n = d.LineCount, k = 500;
    const Point3* p = cache.row(k);
    const double t = cache.sliceX(k);
    double girth = 0, area = 0;
    for (int i = 1; i < n; ++i) girth += Distance3D(p[i], p[i + 1]);
    for (int i = 0; i < n; ++i) area += std::abs(p[i + 1].Y - p[i].Y) * (p[i].Z + p[i + 1].Z) / 2;
    EXPECT_EQ(cache.girth(k), girth);
    EXPECT_EQ(cache.halfArea(k), area);
    EXPECT_EQ(p[0].Y, p[1].Y);
    for (int i = 1; i < n; ++i) {
        const double w = (p[i].Y + p[i + 1].Y) / 2, z = crossingHalfBreadth(p[i], p[i + 1], w);
        std::vector<Point3> wet{{}, {t, w, 0, 0}, {t, w, z, 0}};
        for (int j = i + 1; j <= n; ++j) wet.push_back(p[j]);
        const int m = int(wet.size()) - 1;
        double wetGirthBuilt = 0;
        for (int j = 2; j < m; ++j) wetGirthBuilt += Distance3D(wet[j], wet[j + 1]);
        EXPECT_EQ(wetArea(p, n, i, t, w, z), SectionArea(m, wet)) << i;
        EXPECT_EQ(wetGirth(p, cache.edges(k), n, i, t, w, z), wetGirthBuilt) << i;
    }
}
