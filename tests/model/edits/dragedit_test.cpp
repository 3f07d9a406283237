#include "model/edits/dragedit.h"
#include "model/edits/picking.h"
#include "model/hull/curves.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

using model::MoveOutcome;
using model::Plane;
using model::PlanView;
using model::Point2;
using model::Point3;

namespace {

constexpr double L = 204;

// The seven-line kayak (points 1 and 14 at the ends) with line 2's middle anchor 7 carrying its handles 9 (smooth,
// opposite 10) and 10 (not smooth). In inches: 7 at (102, 13.5, 7), 9 at (61.2, 13.5, 7), 10 at (142.8, 13.5, 7).
model::Design linkedKayak()
{
    model::Design d = testsupport::sevenLineKayak();
    auto& p = d.ControlPoints;
    p[7].LinkCount = 2;
    p[7].Links = {0, 9, 10};
    p[9].Anchor = p[10].Anchor = 7;
    p[9].Smooth = 1;
    std::tie(p[9].OppositeHandle, p[10].OppositeHandle) = std::pair(10, 9);
    return d;
}

struct Drag : ::testing::Test {
    Point3 at(int point) const { return {d.point(point).X * L, d.point(point).Y * L, d.point(point).Z * L, 0}; }
    void place(int point, Point3 in) { d.ControlPoints[point].Position = {in.X / L, in.Y / L, in.Z / L, 0}; }
    int selected() const  // the one point flagged, 0 for none, -1 for several
    {
        int flagged = 0;
        for (int i = 1; i <= d.PointCount; ++i)
            if (d.point(i).Flag) flagged = flagged ? -1 : i;
        return flagged;
    }
    bool planDrag(Point2 from, Point2 to, double zoom = 1)
    {
        const bool picked = editor.pressPlan(d, PlanView::Top, from, zoom);
        editor.move(d, Plane::XZ, to);
        return picked;
    }
    void expectInches(std::initializer_list<std::pair<int, Point3>> points, double tolerance = 1e-9)
    {
        for (const auto& [point, e] : points) {
            const Point3 p = at(point);
            EXPECT_TRUE(std::abs(p.X - e.X) < tolerance && std::abs(p.Y - e.Y) < tolerance &&
                        std::abs(p.Z - e.Z) < tolerance)
                << "point " << point << " at " << p.X << ", " << p.Y << ", " << p.Z;
        }
    }
    // Whether the point lies on the sheer at its own X.
    bool onSheer(int point) const
    {
        const Point3 on = model::LineEvaluator(d, d.HullLines[model::kSheerLine]).pointAt(d.point(point).X);
        return d.point(point).Y == on.Y && d.point(point).Z == on.Z;
    }

    model::Design d = linkedKayak();
    bool dragActive = false;
    Point3 waterlineHandle;
    model::DragEditor editor{dragActive, waterlineHandle};
};

}  // namespace

// Reciprocals that doubles hold exactly, so "exactly at the radius" is exact.
TEST_F(Drag, ThePickRadiusIsStrictAtEveryZoomAndAPressClearsThePointsItMisses)
{
    for (double zoom : {0.5, 1.0, 2.0, 4.0}) {
        SCOPED_TRACE(zoom);
        EXPECT_FALSE(editor.pressPlan(d, PlanView::Top, {102 + 1 / zoom, at(7).Z}, zoom) || dragActive);
        EXPECT_TRUE(editor.pressPlan(d, PlanView::Top, {102 + 0.99 / zoom, at(7).Z}, zoom) && selected() == 7);
        editor.release(d, Plane::XZ);
        EXPECT_FALSE(editor.pressProfile(d, {102 + 1 / zoom, at(7).Y}, zoom, 0));
        EXPECT_TRUE(editor.pressProfile(d, {102, at(7).Y - 0.99 / zoom}, zoom, 0) && selected() == 7);
        editor.release(d, Plane::XY);
    }

    // Points flagged by an earlier press are cleared by the next, in either kind of view.
    for (const bool plan : {true, false}) {
        SCOPED_TRACE(plan);
        d.ControlPoints[3].Position.Flag = d.ControlPoints[30].Position.Flag = model::kTrue;
        ASSERT_TRUE(plan ? editor.pressPlan(d, PlanView::Top, {102, 7}, 4) : editor.pressProfile(d, {102, 13.5}, 4, 0));
        // The plan scan stops at the hit: 30 comes later.
        EXPECT_EQ(std::pair(selected(), int(d.point(3).Flag)), std::pair(plan ? -1 : 7, 0));
        editor.release(d, plan ? Plane::XZ : Plane::XY);
    }
}

// Point 2 (line 1, deck) at (102, 0) in plan; 7 moved to (102, 1); the keel's 33 at (102, 0) and line 5's handle 24
// at (20.4, 5.4) are in hull panels only; 12 on the sheer is in both kinds.
TEST_F(Drag, APlanPressTakesTheFirstPointOfItsPanelsInScanOrder)
{
    place(7, {102, 13.5, 1});
    const struct { const char* what; PlanView view; Point2 mouse; double zoom; std::uint8_t lockX2, lockZ2; int picked; }
        cases[] = {
        {"first in scan order, not the nearest", PlanView::Top, {102, 0.9}, 1, 0, 0, 2},
        {"held on both plan axes: skipped", PlanView::Top, {102, 0.9}, 1, 1, 1, 7},
        {"held on one axis: picked", PlanView::Top, {102, 0.9}, 1, 1, 0, 2},
        {"hull panels only in the bottom view", PlanView::Bottom, {102, 0.9}, 1, 0, 0, 33},
        {"the sheer in the top view", PlanView::Top, {102, 11.5}, 4, 0, 0, 12},
        {"the sheer in the bottom view", PlanView::Bottom, {102, 11.5}, 4, 0, 0, 12},
        {"a hull line is not in the top view", PlanView::Top, {20.4, 5.4}, 4, 0, 0, 0},
        {"and is in the bottom view", PlanView::Bottom, {20.4, 5.4}, 4, 0, 0, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto& two = d.ControlPoints[2];
        std::tie(two.LockX, two.LockZ, d.DesignChanged) = std::tuple(c.lockX2, c.lockZ2, false);
        const bool picked = editor.pressPlan(d, c.view, c.mouse, c.zoom);
        EXPECT_EQ(std::tuple(picked, selected(), dragActive, d.DesignChanged),
                  std::tuple(c.picked != 0, c.picked, c.picked != 0, c.picked != 0));
        editor.release(d, Plane::XZ);
    }
}

// The waterline handle is placed where the profile draws it before the press looks at it; it beats point 14 at (204,
// 12), and a bulkhead handle beats the points; the lowest bulkhead within reach wins.
TEST_F(Drag, AProfilePressTakesTheWaterlineThenABulkheadThenAPoint)
{
    d.WaterlineHeight = 12;
    d.BulkheadCount = 2;
    d.Bulkheads.assign(3, model::Section{});
    d.BulkheadHandles = {{}, {60, 20, 0}, {60.5, 20, 0}};
    waterlineHandle = {1, 1, 0, 0};  // stale, from before the data window moved the water

    EXPECT_TRUE(editor.pressProfile(d, {204, 12}, 1, 206));
    EXPECT_TRUE(waterlineHandle.Flag != 0 && selected() == 0);
    EXPECT_EQ(editor.move(d, Plane::XY, {150, 7.25}), MoveOutcome::WaterlineMoved);
    // The mouse never moves the handle along.
    EXPECT_EQ(std::tuple(d.WaterlineHeight, waterlineHandle.Y, waterlineHandle.X),
              std::tuple(7.25, 7.25, model::kWaterlineHandleShare * 206));
    EXPECT_TRUE(editor.release(d, Plane::XY).clearAutoDetect && waterlineHandle.Flag == 0);

    d.ControlPoints[4].Position = {60.4 / L, 20 / L, 0, 0};
    EXPECT_TRUE(editor.pressProfile(d, {60.4, 20}, 1, 206));
    EXPECT_TRUE(d.BulkheadHandles[1].Flag != 0 && d.BulkheadHandles[2].Flag == 0 && selected() == 0);
    EXPECT_EQ(editor.move(d, Plane::XY, {81.6, 30}), MoveOutcome::ShapeMoved);
    EXPECT_EQ(std::tuple(d.Bulkheads[1].X, d.BulkheadHandles[1].X, d.BulkheadHandles[1].Y), std::tuple(81.6 / L, 81.6, 20.0));
    const model::ReleaseOutcome dropped = editor.release(d, Plane::XY);
    // A bulkhead leaves the automatic waterline on.
    EXPECT_TRUE(dropped.rebuild && !dropped.clearAutoDetect && d.BulkheadHandles[1].Flag == 0);
    // Dropped past either end (points 1 and 14, at 0 and 204) it springs back; at an end it stays.
    for (auto [dropX, keptX] : {std::pair{-3.0, 81.6}, {204.5, 81.6}, {204.0, 204.0}}) {
        ASSERT_TRUE(editor.pressProfile(d, {d.BulkheadHandles[1].X, 20}, 1, 206));
        editor.move(d, Plane::XY, {dropX, 20});
        editor.release(d, Plane::XY);
        EXPECT_EQ(std::tuple(d.BulkheadHandles[1].X, d.Bulkheads[1].X), std::tuple(keptX, keptX / L)) << dropX;
    }

    // Point 1 at (0, 12) held in X and Y cannot be taken; held in X only it can.
    d.ControlPoints[1].LockX = d.ControlPoints[1].LockY = 1;
    EXPECT_FALSE(editor.pressProfile(d, {0.5, 12}, 1, 206));
    d.ControlPoints[1].LockY = 0;
    EXPECT_TRUE(editor.pressProfile(d, {0.5, 12}, 1, 206) && selected() == 1);
}

// Anchor 7 and its links 9 (moved to (61.2, 13, 5)) and 10 (to (142.8, 14, 8)) move by the mouse's offset; a link
// beyond point 14 at the drop sends all three back, also when another button was pressed during the drag.
TEST_F(Drag, ALinkedAnchorCarriesItsLinksAndReturnsWithThem)
{
    place(9, {61.2, 13, 5});
    place(10, {142.8, 14, 8});
    ASSERT_TRUE(planDrag({102, 7}, {112, 9}));
    expectInches({{7, {112, 13.5, 9}}, {9, {71.2, 13, 7}}, {10, {152.8, 14, 10}}});
    editor.release(d, Plane::XZ);

    ASSERT_TRUE(planDrag({112, 9}, {170, 9}));
    expectInches({{10, {210.8, 14, 10}}});
    EXPECT_FALSE(editor.pressPlan(d, PlanView::Bottom, {0, 0}, 1));
    EXPECT_EQ(std::pair(editor.MousePosition().X, selected()), std::pair(0.0, 7));
    editor.release(d, Plane::XZ);
    expectInches({{7, {112, 13.5, 9}}, {9, {71.2, 13, 7}}, {10, {152.8, 14, 10}}});
    EXPECT_EQ(selected(), 0);

    // Held in X, the anchor and its links move only up, each by the same amount.
    d.ControlPoints[7].LockX = 1;
    ASSERT_TRUE(editor.pressProfile(d, {112, 13.5}, 4, 0));
    editor.move(d, Plane::XY, {130, 15});
    expectInches({{7, {112, 15, 9}}, {9, {71.2, 14.5, 7}}, {10, {152.8, 15.5, 10}}});
}

// Handle 9 is dragged in each plane; its opposite 10 stays on the line from the handle through anchor 7, at the
// distance it had at the pick (40.8 in), and keeps its third coordinate.
TEST_F(Drag, ASmoothHandleKeepsItsOppositeInLineAndADropOutsideTheHullPutsItBack)
{
    const double chord = std::hypot(30.8, 10.0), along = 102 + 30.8 / chord * 40.8, up = 10 / chord * 40.8;
    const struct { Plane plane; Point2 to; Point3 opposite; } planes[] = {
        {Plane::XZ, {71.2, 17}, {along, 13.5, 7 - up}}, {Plane::XY, {71.2, 3.5}, {along, 13.5 + up, 7}}};
    for (const auto& c : planes) {
        SCOPED_TRACE(c.plane == Plane::XZ ? "plan" : "profile");
        d = linkedKayak();
        const bool plan = c.plane == Plane::XZ;
        const Point2 from{61.2, plan ? 7 : 13.5};
        ASSERT_TRUE(plan ? editor.pressPlan(d, PlanView::Top, from, 4) : editor.pressProfile(d, from, 4, 0));
        ASSERT_EQ(selected(), 9);
        EXPECT_NEAR(editor.OppositeHandleLength(), 40.8 / L, 1e-15);
        editor.move(d, c.plane, c.to);
        expectInches({{10, c.opposite}});
        editor.release(d, c.plane);
    }

    // Handle 9 at (61.2, 13.5, 3); its opposite 10 put 112.2 in from anchor 7. Dragged to (20, 7) the handle stays
    // in range but swings 10 beyond the stern: at the drop 9 goes back and 10 turns to face it again, still 112.2
    // from the anchor: 7 + (40.8, 4) / |(40.8, 4)| x 112.2.
    d = linkedKayak();
    place(9, {61.2, 13.5, 3});
    place(10, {214.2, 13.5, 7});
    ASSERT_TRUE(planDrag({61.2, 3}, {20, 7}, 4));
    expectInches({{10, {214.2, 13.5, 7}}});
    editor.release(d, Plane::XZ);
    const double faced = std::hypot(40.8, 4.0);
    expectInches({{9, {61.2, 13.5, 3}}, {10, {102 + 40.8 / faced * 112.2, 13.5, 7 + 4 / faced * 112.2}}});

    // A handle that is not smooth goes back alone; one dropped on either end's X stays.
    const Point3 nine = at(9), ten = at(10);
    for (const double x : {-0.5, 0.0, 204.0, 204.5}) {
        SCOPED_TRACE(x);
        place(10, ten);
        ASSERT_TRUE(planDrag({ten.X, ten.Z}, {x, 7}, 4));
        editor.release(d, Plane::XZ);
        expectInches({{10, x < 0 || x > 204 ? ten : Point3{x, 13.5, 7}}, {9, nine}});
    }

    // Handle 9 dropped onto anchor 7 gives no direction: its opposite stays put.
    d = linkedKayak();
    ASSERT_TRUE(planDrag({61.2, 7}, {102, 7}, 4));
    expectInches({{10, {142.8, 13.5, 7}}});
    editor.release(d, Plane::XZ);
    expectInches({{10, {142.8, 13.5, 7}}});
}

// Every move and drop puts 18 and 23 on line 3 at their own X; where line 3 does not reach, they keep their height
// and breadth.
TEST_F(Drag, PointsEighteenAndTwentyThreeFollowTheSheer)
{
    place(23, {250, 5, 3});
    ASSERT_TRUE(planDrag({102, 7}, {100, 8}));
    EXPECT_TRUE(onSheer(18));
    expectInches({{23, {250, 5, 3}}});
    place(18, {102, 0, 0});
    editor.release(d, Plane::XZ);
    expectInches({{18, {102, 11, 11.5}}}, 1e-12);  // line 3's middle anchor

    // 18 as a handle of the sheer: 23 must land on the sheer 18's snap leaves.
    d.CurveSegments[d.HullLines[model::kSheerLine].Segments[2]].StartHandle = 18;
    place(18, {150, 0, 0});
    place(23, {120, 0, 0});
    model::resnapSheerPoints(d);
    EXPECT_TRUE(onSheer(23));
}

TEST_F(Drag, ReleasesRebuildOnlyWithADesignAndClearTheAutoWaterlineAfterAPick)
{
    EXPECT_TRUE(editor.pressPlan(d, PlanView::Top, {102, 7}, 1));
    model::ReleaseOutcome r = editor.release(d, Plane::XZ);  // nothing moved: still a pick
    EXPECT_TRUE(r.rebuild && r.clearAutoDetect);
    EXPECT_FALSE(editor.pressPlan(d, PlanView::Top, {50, 50}, 1));
    EXPECT_EQ(editor.move(d, Plane::XZ, {60, 60}), MoveOutcome::None);
    r = editor.release(d, Plane::XZ);
    EXPECT_TRUE(r.rebuild && !r.clearAutoDetect);

    d.DesignLoaded = false;
    dragActive = true;
    EXPECT_FALSE(editor.pressProfile(d, {102, 13.5}, 1, 204));
    EXPECT_EQ(editor.MousePosition().X, 102);
    EXPECT_FALSE(editor.release(d, Plane::XY).rebuild || dragActive);
}

// The drags above cover the plan and profile planes; nothing drags in the section plane.
TEST(Picking, DistancesInTheSectionPlane)
{
    EXPECT_DOUBLE_EQ(model::PlaneDistance({1, 2, 3, 0}, {4, 6, 15, -1}, Plane::ZY), std::sqrt(160.0));
    // A point at (100, 20, 10) inches on a 200-inch hull, the mouse at (100, 10).
    EXPECT_DOUBLE_EQ(model::ScreenDistance({100, 10, 0}, {0.5, 0.1, 0.05, 0}, Plane::ZY, 200), std::hypot(90.0, 10.0));
}

// Lines 1-3 of three points each; line 2's second segment ends at the X of point 10, which it uses only as a limit.
TEST(Picking, APanelUsesThePointsOfItsTwoLinesLimitsIncluded)
{
    testsupport::DesignBuilder b(100);
    b.polyline(std::vector<testsupport::Inches>{{0, 10, 0}, {100, 10, 0}});   // points 1-4
    b.polyline(std::vector<testsupport::Inches>{{0, 10, 5}, {100, 10, 5}});   // 5-8
    b.polyline(std::vector<testsupport::Inches>{{0, 0, 5}, {100, 0, 5}});     // 9-12
    const int limit = b.point({60, 0, 0});                                      // 13
    b.line({b.segment(9, 10, 11, 12, model::kCoversStartToEndLimit, limit)});  // line 4
    const int start = b.point({40, 0, 0});                                      // 14
    b.line({b.segment(9, 10, 11, 12, model::kCoversStartLimitToEnd, start)});  // line 5
    model::Design d = b.build();
    const model::HullPanel p12{1, 2, 0}, p23{2, 3, 0}, p34{3, 4, 1}, p55{5, 5, 1};
    const struct { int point; const model::HullPanel& panel; bool uses; } cases[] = {
        {1, p12, true},  {6, p12, true},  {6, p23, true}, {1, p23, false}, {0, p12, false},
        {13, p34, true}, {13, p23, false}, {12, p34, true}, {14, p55, true}, {14, p34, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(model::PanelUsesPoint(d, c.point, c.panel), c.uses) << c.point << " " << c.panel.LineA;

    // Lines and segments that do not exist are passed over, not followed.
    EXPECT_FALSE(model::PanelUsesPoint(d, 1, {0, 99, 0}));
    d.CurveSegments[0] = d.CurveSegments[d.HullLines[1].Segments[1]];  // segment 0 is no segment
    for (const int past : {0, int(d.CurveSegments.size())}) {
        d.HullLines[1].Segments[1] = std::int16_t(past);
        d.HullLines[1].SegmentCount = 5;  // more than it holds
        EXPECT_FALSE(model::PanelUsesPoint(d, 2, p12)) << past;
        EXPECT_TRUE(model::PanelUsesPoint(d, 6, p12));
    }
}
