#include "model/curves.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;
using testsupport::DesignBuilder;

namespace {

Point3 px(double x, double y = 0, double z = 0) { return {x, y, z, 0}; }

// What the solver's truncated constants cost in t.
constexpr double kTruncatedConstants = 1e-8;

double bezierX(double p0, double p1, double p2, double p3, double t)
{
    const double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

}  // namespace

TEST(CubicSolver, ThreeRootsInsideTakesTheLastInOrder)
{
    // X(t) = 5.2t^3 - 7.8t^2 + 3.6t is S-shaped: x = 0.5 has roots
    // 0.2598, 0.7402 and 0.5, tried in that order; the last accepted wins.
    // The 15-digit ArcCos constants and the 7-digit 2 pi cost about 1e-9 in t.
    const Point3 p0 = px(0, 0), p1 = px(1.2, 1), p2 = px(-0.2, 2), p3 = px(1, 3);
    EXPECT_NEAR(BezierParamAtX(p0, p1, p2, p3, 0.5), 0.5, kTruncatedConstants);
    EXPECT_NEAR(BezierPointAtX(p0, p1, p2, p3, 0.5).Y, 1.5, 3 * kTruncatedConstants);
}

TEST(CubicSolver, ThreeRootsWithOneInside)
{
    // -0.5t^3 + 0.75t^2 + 0.75t = 0.5 has roots -1, 0.5 and 2.
    const Point3 p0 = px(0, 0, 0), p1 = px(0.25, 0, 1), p2 = px(0.75, 0, 2), p3 = px(1, 0, 3);
    EXPECT_NEAR(closedFormParamAtX(p0, p1, p2, p3, 0.5), 0.5, kTruncatedConstants);
    const Point3 p = BezierPointAtX(p0, p1, p2, p3, 0.5);
    EXPECT_EQ(p.X, 0.5);
    EXPECT_NEAR(p.Z, 1.5, 3 * kTruncatedConstants);
    EXPECT_EQ(p.Flag, 0);
}

TEST(CubicSolver, OneRealRootIsUsedEvenOutsideTheSegment)
{
    // 0.4t^3 - 0.6t^2 + 1.2t has one real root for every x.
    const Point3 p0 = px(0, 0), p1 = px(0.4, 1), p2 = px(0.6, 2), p3 = px(1, 3);
    EXPECT_NEAR(BezierParamAtX(p0, p1, p2, p3, 0.5), 0.5, 1e-12);

    const double t = BezierParamAtX(p0, p1, p2, p3, 1.2);
    EXPECT_GT(t, 1);
    EXPECT_NEAR(bezierX(0, 0.4, 0.6, 1, t), 1.2, 1e-12);
    EXPECT_NEAR(BezierPointAtX(p0, p1, p2, p3, 1.2).Y, 3 * t, 1e-9);  // Y is linear in t here
}

TEST(CubicSolver, RootsAtTheEndsAreNeverAcceptedByTheThreeRootBranch)
{
    // At x = P0.X the root t = 0 is excluded; t stays 0 all the same.
    const Point3 p0 = px(0, 5), p1 = px(0.25, 6), p2 = px(0.75, 7), p3 = px(1, 8);
    EXPECT_EQ(BezierParamAtX(p0, p1, p2, p3, 0), 0);
    EXPECT_EQ(BezierPointAtX(p0, p1, p2, p3, 0).Y, 5);
    EXPECT_NEAR(BezierPointAtX(p0, p1, p2, p3, 1).Y, 8, 3 * kTruncatedConstants);
}

TEST(CubicSolver, LinearSegmentFallsBackToBracketedSearch)
{
    // X linear in t (a = b = 0): the closed form returns t = 0 for every x...
    const Point3 p0 = px(0, 0), p1 = px(0.25, 1), p2 = px(0.5, 2), p3 = px(0.75, 3);
    EXPECT_EQ(closedFormParamAtX(p0, p1, p2, p3, 0.3), 0);
    // ...so the bracketed search answers instead, exactly on the chord.
    EXPECT_NEAR(BezierParamAtX(p0, p1, p2, p3, 0.3), 0.4, 1e-14);
    EXPECT_NEAR(BezierPointAtX(p0, p1, p2, p3, 0.3).Y, 1.2, 1e-13);
    // Outside the segment's X range nothing is searched.
    EXPECT_EQ(BezierParamAtX(p0, p1, p2, p3, 0.9), 0);
}

TEST(CubicSolver, DescendingSegmentFallsBackToo)
{
    // Exactly linear, and descending: the bracket runs the other way.
    const Point3 p0 = px(0.75, 0), p1 = px(0.5, 1), p2 = px(0.25, 2), p3 = px(0, 3);
    EXPECT_EQ(closedFormParamAtX(p0, p1, p2, p3, 0.3), 0);
    EXPECT_NEAR(BezierPointAtX(p0, p1, p2, p3, 0.3).Y, 1.8, 1e-13);
}

TEST(CubicSolver, QuadraticSegmentIsSolvedToo)
{
    // a = 0 exactly (0.9 - 1.5 + 0.6): with a replaced by 1e-06 the closed
    // form finds no root inside the segment; the bracketed search does.
    const Point3 p0 = px(0), q1 = px(0.2), q2 = px(0.5), q3 = px(0.9);
    EXPECT_EQ(closedFormParamAtX(p0, q1, q2, q3, 0.45), 0);
    const double t = BezierParamAtX(p0, q1, q2, q3, 0.45);
    EXPECT_NEAR(bezierX(0, 0.2, 0.5, 0.9, t), 0.45, 1e-15);
}

namespace {

// Line 1: straight from (0, 0) to (100, 10) in (X, Y); a kind-1 segment
// covering X 0..60 at Y = 50 and a kind-2 segment covering 40..100 at Y = 80.
struct CoverageHull {
    Design design;
    int straightLine, limitedLine, skippedLine;
    CoverageHull()
    {
        DesignBuilder b(100);
        straightLine = b.polyline(std::vector<testsupport::Inches>{{0, 0, 0}, {50, 5, 0}, {100, 10, 0}});
        const int a0 = b.point({0, 50, 0}), a1 = b.point({30, 50, 0}, kHandle), a2 = b.point({70, 50, 0}, kHandle),
                  a3 = b.point({100, 50, 0});
        const int limitAt60 = b.point({60, 0, 0}, 2);
        const int c0 = b.point({0, 80, 0}), c1 = b.point({25, 80, 0}, kHandle), c2 = b.point({75, 80, 0}, kHandle),
                  c3 = b.point({100, 80, 0});
        const int limitAt40 = b.point({40, 0, 0}, 2);
        limitedLine = b.line({b.segment(a0, a1, a2, a3, kCoversStartToEndLimit, limitAt60),
                              b.segment(c0, c1, c2, c3, kCoversStartLimitToEnd, limitAt40)});
        // A kind-1 segment whose limit lies before its start covers nothing,
        // and kind 7 covers nothing at all.
        skippedLine = b.line({b.segment(c3, c2, c1, c0, kCoversStartToEndLimit, limitAt40),
                              b.segment(a0, a1, a2, a3, 7)});
        design = b.build();
    }
};

}  // namespace

TEST(PointOnLine, SharedAnchorIsDecidedByTheLaterSegment)
{
    CoverageHull h;
    const auto& line = h.design.HullLines[h.straightLine];
    EXPECT_NEAR(PointOnLineAtX(h.design, line, 0.25).Y, 0.025, kTruncatedConstants);
    EXPECT_NEAR(PointOnLineAtX(h.design, line, 0.5).Y, 0.05, kTruncatedConstants);
    EXPECT_NEAR(PointOnLineAtX(h.design, line, 0.75).Y, 0.075, kTruncatedConstants);
}

TEST(PointOnLine, SegmentKindsAndLimits)
{
    CoverageHull h;
    const auto& line = h.design.HullLines[h.limitedLine];
    EXPECT_DOUBLE_EQ(PointOnLineAtX(h.design, line, 0.2).Y, 0.5);   // only kind 1 covers
    EXPECT_DOUBLE_EQ(PointOnLineAtX(h.design, line, 0.5).Y, 0.8);   // both cover: later wins
    EXPECT_DOUBLE_EQ(PointOnLineAtX(h.design, line, 0.6).Y, 0.8);
    EXPECT_DOUBLE_EQ(PointOnLineAtX(h.design, line, 0.9).Y, 0.8);   // only kind 2 covers
    EXPECT_DOUBLE_EQ(PointOnLineAtX(h.design, line, 0.4).Y, 0.8);   // limit inclusive
}

TEST(PointOnLine, UncoveredXGivesTheZeroPoint)
{
    CoverageHull h;
    for (double x : {-0.1, 1.1}) {
        const Point3 p = PointOnLineAtX(h.design, h.design.HullLines[h.straightLine], x);
        EXPECT_EQ(p.X, 0);
        EXPECT_EQ(p.Y, 0);
        EXPECT_EQ(p.Z, 0);
    }
    const Point3 p = PointOnLineAtX(h.design, h.design.HullLines[h.skippedLine], 0.5);
    EXPECT_EQ(p.X, 0);
    EXPECT_EQ(p.Y, 0);
}

TEST(PointOnLine, BadIndicesAreSkippedNotRead)
{
    CoverageHull h;
    HullLine broken = h.design.HullLines[h.straightLine];
    broken.Segments[1] = 999;
    EXPECT_NEAR(PointOnLineAtX(h.design, broken, 0.75).Y, 0.075, kTruncatedConstants);
    EXPECT_EQ(PointOnLineAtX(h.design, broken, 0.25).Y, 0);
    broken.SegmentCount = 50;  // longer than its list
    EXPECT_NO_THROW(PointOnLineAtX(h.design, broken, 0.75));
}

TEST(PointOnLine, PreparedLineGivesBitIdenticalPoints)
{
    const Design d = testsupport::sevenLineKayak();
    for (int j = 1; j <= d.LineCount; ++j) {
        const LineEvaluator prepared(d, d.HullLines[j]);
        for (int i = -5; i <= 1005; ++i) {
            const double x = i * 0.001;
            const Point3 a = PointOnLineAtX(d, d.HullLines[j], x), b = prepared.pointAt(x);
            ASSERT_EQ(a.X, b.X);
            ASSERT_EQ(a.Y, b.Y) << "line " << j << " x " << x;
            ASSERT_EQ(a.Z, b.Z);
        }
    }
}
