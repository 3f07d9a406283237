#include "model/picking.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

#include <cmath>

using model::Plane;
using model::Point2;
using model::Point3;

TEST(Picking, DistancesInEachPlaneAndOnScreen)
{
    const Point3 a{1, 2, 3, 0}, b{4, 6, 15, -1};
    const struct {
        Plane plane;
        double expected;
    } planes[] = {{Plane::XY, 5}, {Plane::XZ, std::sqrt(153.0)}, {Plane::ZY, std::sqrt(160.0)}};
    for (const auto& c : planes) {
        EXPECT_DOUBLE_EQ(model::PlaneDistance(a, b, c.plane), c.expected);
        EXPECT_DOUBLE_EQ(model::PlaneDistance(b, a, c.plane), c.expected);
        EXPECT_EQ(model::PlaneDistance(a, a, c.plane), 0);
    }
    // A handle straight above its anchor is on it in plan.
    EXPECT_EQ(model::PlaneDistance({0.5, 0.1, 0.2, 0}, {0.5, 0.9, 0.2, 0}, Plane::XZ), 0);

    // A point at (100, 20, 10) inches on a 200-inch hull, the mouse at (100, 10).
    const Point3 p{0.5, 0.1, 0.05, 0};
    const Point2 mouse{100, 10, 0};
    EXPECT_EQ(model::ScreenDistance(mouse, p, Plane::XZ, 200), 0);
    EXPECT_DOUBLE_EQ(model::ScreenDistance(mouse, p, Plane::XY, 200), 10);
    EXPECT_DOUBLE_EQ(model::ScreenDistance(mouse, p, Plane::ZY, 200), std::hypot(90.0, 10.0));
    EXPECT_DOUBLE_EQ(model::ScreenDistance(mouse, p), std::hypot(0.1 - 10, 0.5 - 100));

    EXPECT_EQ(model::Distance2D(Point2{0, 0, -1}, Point3{3, 4, 99, 0}), 5);
}

// Lines 1-3 of three points each; line 2's second segment ends at the X of
// point 10, which it uses only as a limit.
TEST(Picking, APanelUsesThePointsOfItsTwoLinesLimitsIncluded)
{
    testsupport::DesignBuilder b(100);
    b.polyline(std::vector<testsupport::Inches>{{0, 10, 0}, {100, 10, 0}});   // points 1-4
    b.polyline(std::vector<testsupport::Inches>{{0, 10, 5}, {100, 10, 5}});   // 5-8
    b.polyline(std::vector<testsupport::Inches>{{0, 0, 5}, {100, 0, 5}});     // 9-12
    const int limit = b.point({60, 0, 0});                                      // 13
    b.line({b.segment(9, 10, 11, 12, model::kCoversStartToEndLimit, limit)});  // line 4
    model::Design d = b.build();
    const model::HullPanel p12{1, 2, 0}, p23{2, 3, 0}, p34{3, 4, 1};
    const struct { int point; const model::HullPanel& panel; bool uses; } cases[] = {
        {1, p12, true},  {6, p12, true},  {6, p23, true}, {1, p23, false}, {0, p12, false},
        {13, p34, true}, {13, p23, false}, {12, p34, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(model::PanelUsesPoint(d, c.point, c.panel), c.uses) << c.point << " " << c.panel.LineA;

    // Lines and segments that do not exist are passed over, not followed.
    EXPECT_FALSE(model::PanelUsesPoint(d, 1, {0, 99, 0}));
    d.HullLines[1].Segments[1] = 77;
    EXPECT_FALSE(model::PanelUsesPoint(d, 2, p12));
    EXPECT_TRUE(model::PanelUsesPoint(d, 6, p12));
}
