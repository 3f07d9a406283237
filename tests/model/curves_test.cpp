#include "model/curves.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;
using testsupport::DesignBuilder;

namespace {

// What the solver's truncated constants (15-digit arc cosine, 7-digit 2 pi) cost in t.
constexpr double kTruncated = 1e-8;

}  // namespace

// Y runs 1, 2, 3, 4 over the control points, so it is linear in t: 1 + 3t.
TEST(CubicSolver, EveryBranch)
{
    const struct { const char* what; double x0, x1, x2, x3, x, t, tolerance; } cases[] = {
        // 5.2t^3 - 7.8t^2 + 3.6t = 0.5: roots 0.2598, 0.7402, 0.5 tried in that order, the last wins.
        {"three roots inside", 0, 1.2, -0.2, 1, 0.5, 0.5, kTruncated},
        // -0.5t^3 + 0.75t^2 + 0.75t = 0.5: roots -1, 0.5, 2.
        {"one of three inside", 0, 0.25, 0.75, 1, 0.5, 0.5, kTruncated},
        // 0.4t^3 - 0.6t^2 + 1.2t has one real root.
        {"one real root", 0, 0.4, 0.6, 1, 0.5, 0.5, 1e-12},
        // t = 0 at x = P0.X is never accepted, but t stays 0 anyway.
        {"root at the start", 0, 0.25, 0.75, 1, 0, 0, 0},
        // X linear in t defeats the closed form; bisection answers.
        {"linear", 0, 0.25, 0.5, 0.75, 0.3, 0.4, 1e-14},
        {"linear descending", 0.75, 0.5, 0.25, 0, 0.3, 0.6, 1e-14},
        // a = 0 exactly is replaced by 1e-06 and the closed form then finds nothing.
        {"quadratic", 0, 0.2, 0.5, 0.9, 0.45, -1, 0},
        // One real root beyond the segment's end: extrapolated, not clamped.
        {"beyond the end", 0, 0.4, 0.6, 1, 1.2, -1, 0},
    };
    for (const auto& c : cases) {
        const Point3 p0{c.x0, 1, 0, 0}, p1{c.x1, 2, 0, 0}, p2{c.x2, 3, 0, 0}, p3{c.x3, 4, 0, 0};
        const double t = BezierParamAtX(p0, p1, p2, p3, c.x);
        if (c.t >= 0) {
            EXPECT_NEAR(t, c.t, c.tolerance) << c.what;
        }
        const SegmentSolver solver(p0, p1, p2, p3);
        EXPECT_NEAR(solver.xAt(t), c.x, 1e-8) << c.what;
        const Point3 p = BezierPointAtX(p0, p1, p2, p3, c.x);
        EXPECT_EQ(p.X, c.x) << c.what;
        EXPECT_NEAR(p.Y, 1 + 3 * t, 1e-9) << c.what;
        EXPECT_EQ(p.Flag, 0);
    }
    // The closed form alone fails on the linear and quadratic segments.
    EXPECT_EQ(closedFormParamAtX({0, 0, 0, 0}, {0.25, 0, 0, 0}, {0.5, 0, 0, 0}, {0.75, 0, 0, 0}, 0.3), 0);
    EXPECT_EQ(closedFormParamAtX({0, 0, 0, 0}, {0.2, 0, 0, 0}, {0.5, 0, 0, 0}, {0.9, 0, 0, 0}, 0.45), 0);
}

// The closed form's results to the bit, so that any change to its constants
// (the 7-digit 2 pi among them) or to its order of operations shows.
TEST(CubicSolver, ExactToTheBit)
{
    const struct { double x0, x1, x2, x3, x, t; } cases[] = {
        {0, 1.2, -0.2, 1, 0.5, 0x1.fffffff498c83p-2},   {0, 0.25, 0.75, 1, 0.5, 0x1.ffffffb8c97d7p-2},
        {0, 1.2, -0.2, 1, 0.3, 0x1.b1e1b627bb38cp-4},   {0.1, 0.9, 0.05, 0.95, 0.6, 0x1.9d2d4e244a8dcp-1},
        {0, 0.4, 0.6, 1, 0.5, 0.5}};
    for (const auto& c : cases) {
        const Point3 p0{c.x0, 1, 0, 0}, p1{c.x1, 2, 0, 0}, p2{c.x2, 3, 0, 0}, p3{c.x3, 4, 0, 0};
        EXPECT_EQ(closedFormParamAtX(p0, p1, p2, p3, c.x), c.t) << c.x1 << " " << c.x;
        EXPECT_EQ(SegmentSolver(p0, p1, p2, p3).paramAt(c.x), c.t) << c.x1 << " " << c.x;
    }
}

namespace {

// Line 1: straight through (0, 0), (50, 5), (100, 10). Line 2: a kind-1
// segment over X 0..60 at Y 50 and a kind-2 one over 40..100 at Y 80.
// Line 3: a kind-1 segment whose limit lies before its start, and kind 7.
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
    EXPECT_NEAR(h.y(1, 0.25), 0.025, kTruncated);
    EXPECT_NEAR(h.y(1, 0.5), 0.05, kTruncated);  // the shared anchor: the later segment decides
    EXPECT_DOUBLE_EQ(h.y(2, 0.2), 0.5);          // only kind 1 covers
    EXPECT_DOUBLE_EQ(h.y(2, 0.4), 0.8);          // both cover, limits inclusive: the later wins
    EXPECT_DOUBLE_EQ(h.y(2, 0.9), 0.8);          // only kind 2 covers
    for (double x : {-0.1, 1.1}) EXPECT_EQ(PointOnLineAtX(h.design, h.design.HullLines[1], x).X, 0);
    EXPECT_EQ(h.y(3, 0.5), 0);  // a backwards limit and kind 7 cover nothing

    // Bad indices are skipped, not read.
    HullLine broken = h.design.HullLines[1];
    broken.Segments[1] = 999;
    broken.SegmentCount = 50;  // longer than its list
    EXPECT_NEAR(PointOnLineAtX(h.design, broken, 0.75).Y, 0.075, kTruncated);
    EXPECT_EQ(PointOnLineAtX(h.design, broken, 0.25).Y, 0);
}

TEST(PointOnLine, PreparedLineGivesBitIdenticalPoints)
{
    const Design d = testsupport::sevenLineKayak();
    for (int j = 1; j <= d.LineCount; ++j) {
        const LineEvaluator prepared(d, d.HullLines[j]);
        for (int i = -5; i <= 1005; ++i) {
            const Point3 a = PointOnLineAtX(d, d.HullLines[j], i * 0.001), b = prepared.pointAt(i * 0.001);
            ASSERT_EQ(a.Y, b.Y) << "line " << j << " x " << i * 0.001;
            ASSERT_EQ(a.Z, b.Z);
        }
    }
}
