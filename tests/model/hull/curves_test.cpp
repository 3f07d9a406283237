#include "model/hull/curves.h"
#include "model/hull/floaterror.h"
#include "model/hull/geometry.h"
#include "model/hull/hullslice.h"
#include "model/hull/maxbeam.h"
#include "model/hull/paneloutline.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace model;
using testsupport::boxHull;
using testsupport::DesignBuilder;

namespace {

// What the solver's truncated constants (15-digit arc cosine, 7-digit 2 pi) cost in t.
constexpr double kTruncated = 1e-8;

bool samePoint(const Point3& p, const Point3& q) { return p.X == q.X && p.Y == q.Y && p.Z == q.Z; }

// The samples of one segment whose X grows linearly with t over 0..1 of a 90-inch hull, so a sample's X is its
// parameter; point 5 marks X = 0.25.
std::vector<Point3> samples(std::int16_t kind, int limit, bool reversed, double step = kDefaultCurveStep)
{
    testsupport::DesignBuilder b(90);
    const int p0 = b.point({0, 0, 0}), p1 = b.point({30, 3, 3}), p2 = b.point({60, 6, 6}), p3 = b.point({90, 9, 9});
    b.point({22.5, 0, 0});
    b.line({b.segment(p0, p1, p2, p3, kind, limit)});
    Design d = b.build();
    d.CurveStep = step;
    std::vector<Point3> out;
    sampleSegment(d, d.CurveSegments[1], reversed, out);
    return out;
}

}  // namespace

// Y runs 1, 2, 3, 4 over the control points, so it is linear in t: 1 + 3t. Where the closed form answers, its t is
// pinned to the bit, so that any change to its constants (the 7-digit 2 pi among them) or order of operations shows.
TEST(CubicSolver, EveryBranch)
{
    enum Answer { ClosedForm, Bisection, Unpinned };
    const struct { const char* what; double x0, x1, x2, x3, x, t; Answer by; } cases[] = {
        // 5.2t^3 - 7.8t^2 + 3.6t = 0.5: roots 0.2598, 0.7402, 0.5 tried in that order, the last wins.
        {"three roots inside", 0, 1.2, -0.2, 1, 0.5, 0x1.fffffff498c83p-2, ClosedForm},
        {"another x", 0, 1.2, -0.2, 1, 0.3, 0x1.b1e1b627bb38cp-4, ClosedForm},
        {"one of three inside", 0, 0.25, 0.75, 1, 0.5, 0x1.ffffffb8c97d7p-2, ClosedForm},  // roots -1, 0.5, 2
        {"not from 0", 0.1, 0.9, 0.05, 0.95, 0.6, 0x1.9d2d4e244a8dcp-1, ClosedForm},
        {"one real root", 0, 0.4, 0.6, 1, 0.5, 0.5, ClosedForm},  // 0.4t^3 - 0.6t^2 + 1.2t
        {"root at the start", 0, 0.25, 0.75, 1, 0, 0, Unpinned},  // t = 0 at x = P0.X is never accepted, but stays 0
        // X linear in t defeats the closed form; bisection answers.
        {"linear", 0, 0.25, 0.5, 0.75, 0.3, 0.4, Bisection},
        {"linear descending", 0.75, 0.5, 0.25, 0, 0.3, 0.6, Bisection},
        {"quadratic", 0, 0.2, 0.5, 0.9, 0.45, -1, Bisection},  // a = 0 exactly becomes 1e-06: the closed form fails
        {"beyond the end", 0, 0.4, 0.6, 1, 1.2, -1, Unpinned},  // one real root past the end: extrapolated
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Point3 p0{c.x0, 1, 0, 0}, p1{c.x1, 2, 0, 0}, p2{c.x2, 3, 0, 0}, p3{c.x3, 4, 0, 0};
        const SegmentSolver solver(p0, p1, p2, p3);
        const double t = BezierParamAtX(p0, p1, p2, p3, c.x), closedForm = closedFormParamAtX(p0, p1, p2, p3, c.x);
        if (c.by == ClosedForm) {
            EXPECT_EQ(std::tuple(t, closedForm, solver.paramAt(c.x)), std::tuple(c.t, c.t, c.t));
        } else if (c.t >= 0) {
            EXPECT_NEAR(t, c.t, 1e-14);
        }
        if (c.by == Bisection) {
            EXPECT_EQ(closedForm, 0);
        }
        EXPECT_NEAR(solver.xAt(t), c.x, 1e-8);
        const Point3 p = BezierPointAtX(p0, p1, p2, p3, c.x);
        EXPECT_EQ(p.X, c.x);
        EXPECT_NEAR(p.Y, 1 + 3 * t, 1e-9);
    }
}

namespace {

// Line 1: straight through (0, 0), (50, 5), (100, 10). Line 2: a kind-1 segment over X 0..60 at Y 50 and a kind-2 one
// over 40..100 at Y 80. Line 3: a kind-1 segment whose limit lies before its start, and kind 7.
struct CoverageHull {
    Design design = build();
    static Design build()
    {
        DesignBuilder b(100);
        b.polyline(std::vector<testsupport::Inches>{{0, 0, 0}, {50, 5, 0}, {100, 10, 0}});
        const int a0 = b.point({0, 50, 0}), a1 = b.point({30, 50, 0}, kHandle), a2 = b.point({70, 50, 0}, kHandle),
                  a3 = b.point({100, 50, 0});
        const int at60 = b.point({60, 0, 0}, 2);
        const int c0 = b.point({0, 80, 0}), c1 = b.point({25, 80, 0}, kHandle), c2 = b.point({75, 80, 0}, kHandle),
                  c3 = b.point({100, 80, 0});
        const int at40 = b.point({40, 0, 0}, 2);
        b.line({b.segment(a0, a1, a2, a3, kCoversStartToEndLimit, at60),
                b.segment(c0, c1, c2, c3, kCoversStartLimitToEnd, at40)});
        b.line({b.segment(c3, c2, c1, c0, kCoversStartToEndLimit, at40), b.segment(a0, a1, a2, a3, 7)});
        return b.build();
    }
    double y(int line, double x) const { return PointOnLineAtX(design, design.HullLines[line], x).Y; }
};

}  // namespace

TEST(PointOnLine, CoverageByKindAndTheLastCoveringSegment)
{
    const CoverageHull h;
    // At 0.5 the shared anchor: the later segment decides.
    for (auto [x, y] : {std::pair{0.25, 0.025}, {0.5, 0.05}}) EXPECT_NEAR(h.y(1, x), y, kTruncated);
    // Only kind 1 covers 0.2, both 0.4 (limits inclusive: the later wins), only kind 2 0.9.
    for (auto [x, y] : {std::pair{0.2, 0.5}, {0.4, 0.8}, {0.9, 0.8}}) EXPECT_DOUBLE_EQ(h.y(2, x), y);
    for (double x : {-0.1, 1.1}) EXPECT_EQ(PointOnLineAtX(h.design, h.design.HullLines[1], x).X, 0);
    EXPECT_EQ(h.y(3, 0.5), 0);  // a backwards limit and kind 7 cover nothing

    // Bad indices are skipped, not read.
    HullLine broken = h.design.HullLines[1];
    broken.Segments[1] = 999;
    broken.SegmentCount = 50;  // longer than its list
    EXPECT_NEAR(PointOnLineAtX(h.design, broken, 0.75).Y, 0.075, kTruncated);
    EXPECT_EQ(PointOnLineAtX(h.design, broken, 0.25).Y, 0);
}

// A result too large to hold is an error, never an infinity; a large but
// holdable one is the plain value.
TEST(Geometry, ResultsTooLargeToHoldRaise)
{
    const double unit = std::ldexp(1.0, 500);  // squares to 2^1000, short of overflow
    const Point3 big{1e200, 0, 0, 0}, near{3 * unit, 4 * unit, 0, 0};
    const std::vector<Point3> wide{{}, {0, 0, 0, 0}, {0, 1e200, 0, 0}, {0, 0, 1e200, 0}};
    EXPECT_THROW(Distance3D({}, big), FloatError);
    EXPECT_THROW(Distance3D(big, {-1e200, 0, 0, 0}), FloatError);
    EXPECT_THROW(SectionArea(3, wide), FloatError);
    EXPECT_THROW(DotProduct(big, big), FloatError);
    EXPECT_THROW(VectorLength(big), FloatError);
    EXPECT_THROW(AngleBetween(big, near), FloatError);
    EXPECT_EQ(std::tuple(Distance3D({}, near), VectorLength(near), DotProduct(near, {unit, 0, 0, 0})),
              std::tuple(5 * unit, 5 * unit, 3 * unit * unit));
}

TEST(Geometry, NormaliseSectionAreaAndAngles)
{
    // Distance3D, a zero vector's Normalise and AngleBetween's clamp: see the hydrostatics and panel development.
    const Point3 n = Normalise({3, 0, 4, -1});
    EXPECT_TRUE(n.X == 0.6 && n.Z == 0.8 && n.Flag == 0);

    std::vector<Point3> tri{{}, {5, 0, 0, 0}, {7, 1, 0, 0}, {9, 0, 1, 0}};
    EXPECT_EQ(std::tuple(SectionArea(3, tri), SectionArea(3, {{}, tri[3], tri[2], tri[1]}), SectionArea(2, tri)),
              std::tuple(0.5, 0.5, 0.0));  // either direction

    // Angles use the fifteen-digit constants.
    EXPECT_EQ(std::pair(ArcCos(-1), ArcCos(0)), std::pair(3.14159265358979, 1.5707963267949));
    EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), 1e-13);
    EXPECT_THROW(ArcCos(1.0000001), FloatError);
    EXPECT_EQ(std::pair(AngleBetween({0, 0, 0, 0}, {1, 2, 3, 0}), AngleBetween({1, 0, 0, 0}, {0, 1, 0, 0})),
              std::pair(0.0, 1.5707963267949));
}

TEST(SampleSegment, LimitedSegmentsStopAtTheirLastWholeStep)
{
    const auto forward = samples(kCoversStartLimitToEnd, 5, false);  // 0.25, 0.35 .. 0.95
    const auto reversed = samples(kCoversStartLimitToEnd, 5, true);  // 1, 0.9 .. 0.3
    ASSERT_TRUE(forward.size() == 8u && reversed.size() == 8u);
    for (auto [x, expected] : {std::pair{forward.front().X, 0.25}, {forward.back().X, 0.95}, {reversed.back().X, 0.3}})
        EXPECT_NEAR(x, expected, 1e-9);
    EXPECT_EQ(samples(kCoversStartToEndLimit, 1, false).size(), 1u);  // a limit at the start point
    // Nothing for a kind that covers nothing or a step that never ends.
    EXPECT_TRUE(samples(3, 0, false).empty() && samples(kCoversStartToEnd, 0, false, 0).empty() &&
                samples(kCoversStartToEnd, 0, true, -0.1).empty());
}

TEST(PanelOutline, RunsAlongTheFirstLineAndBackAlongTheSecondAndGivesTheBeam)
{
    Design d = boxHull(100, 20, 10, 5);
    const auto outline = panelOutline(d, 1);  // deck centre line to sheer
    ASSERT_TRUE(outline);
    ASSERT_EQ(outline->samples.size(), 22u);  // eleven samples of each whole segment
    EXPECT_EQ(std::tuple(outline->samples[0].Z, outline->samples[11].X), std::tuple(0.0, 1.0));  // the sheer's far
    EXPECT_DOUBLE_EQ(outline->samples[11].Z, 0.1);                                                // end, reversed
    EXPECT_NEAR(outline->samples[21].X, 0, 1e-12);

    // The beam is twice the widest sample of the deck panels, not of hull panels or those neither deck nor hull.
    EXPECT_EQ(MaxBeam(d), 20);
    for (auto& cp : d.ControlPoints) cp.Position.Z *= 1.5;
    EXPECT_DOUBLE_EQ(MaxBeam(d), 30);
    for (int isHull : {1, 2}) {
        for (auto& p : d.HullPanels) p.IsHull = std::int16_t(isHull);
        EXPECT_EQ(MaxBeam(d), 0) << isHull;
    }

    // No outline when a bounding line is missing or empty.
    EXPECT_FALSE(panelOutline(d, 0) || panelOutline(d, 4));
    d.HullLines[2].SegmentCount = 0;
    d.HullPanels[3].LineB = 9;
    EXPECT_FALSE(panelOutline(d, 1) || panelOutline(d, 3));
}

// Every slice point, read from the samples or solved alone between slices, is the very point PointOnLineAtX gives,
// whether or not the lines share their X control values; a second slicer of the same lines solves nothing again, an
// edit re-solves only its own line.
TEST(HullSlicer, SamplesAsEachLineEvaluatesAloneAndMeasuresItsPolygons)
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
            EXPECT_EQ(std::pair(slicer.sliceAt(t), slicer.sliceAt(t + 1e-7)), std::pair(k, -1));
            for (int i = 1; i <= d.LineCount; ++i) {
                EXPECT_TRUE(samePoint(cache.row(k)[i], PointOnLineAtX(d, d.HullLines[i], t))) << i << " at " << t;
                EXPECT_TRUE(samePoint(slicer.sample(i, t + 1e-7), PointOnLineAtX(d, d.HullLines[i], t + 1e-7)));
            }
        }
    }

    // The wet measures, taken in place, are SectionArea and the girth of the wet polygon built out, to the bit; the
    // kept outline measures are the slice's own.
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
