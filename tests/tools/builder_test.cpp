// The pieces that turn a hull description into a design.

#include "tools/hullbuilder.h"
#include "tools/lineplotter.h"
#include "tools/pointtable.h"
#include "tools/templatelist.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace hulls;

namespace {

TEST(PointTable, HandsOutFreeIndicesAroundTheReservedOnes)
{
    PointTable table({2, 3, 5});
    EXPECT_EQ(table.add({}), 1);
    EXPECT_EQ(table.add({}), 4);
    EXPECT_EQ(table.place(3, {}), 3);
    EXPECT_THROW(table.place(3, {}), std::logic_error);
    EXPECT_THROW(table.place(6, {}), std::logic_error);
    // 2 and 5 are still missing.
    EXPECT_THROW(table.finish(), std::logic_error);
    table.place(2, {});
    table.place(5, {});
    EXPECT_EQ(table.finish().size(), 6u);
}

TEST(PointTable, SnapshotLeavesGapsWhereFinishRefuses)
{
    PointTable table({3});
    table.add({});
    table.add({});
    table.add({});  // takes 4
    EXPECT_EQ(table.snapshot().size(), 5u);
    EXPECT_THROW(table.finish(), std::logic_error);
}

class PlottedLine : public ::testing::Test {
protected:
    static constexpr double kLength = 100;
    PointTable table{{1, 2}};
    std::vector<model::CurveSegment> segments;
    LinePlotter plot{table, segments, kLength};
};

TEST_F(PlottedLine, KnotHandlesLieOnTheTangentAndFollowTheirAnchor)
{
    const int from = plot.anchor({0, 10, 0}, false, 1);
    const int to = plot.anchor({100, 10, 0}, false, 2);
    const Knot knot{{50, 4, 6}, {0.1, -0.2}, 10, 20};
    const auto line = plot.line(from, {{-0.5, 0.3}, 10}, {knot}, {{0.5, -0.3}, 10}, to, false);
    ASSERT_EQ(line.size(), 2u);

    const model::CurveSegment& a = segments[0];
    const model::CurveSegment& b = segments[1];
    ASSERT_EQ(a.EndPoint, b.StartPoint);
    const Inches back = plot.inches(a.EndHandle), at = plot.inches(a.EndPoint), ahead = plot.inches(b.StartHandle);
    EXPECT_DOUBLE_EQ(back.x, 40);
    EXPECT_DOUBLE_EQ(ahead.x, 70);
    EXPECT_NEAR(back.y, 4 - 0.1 * 10, 1e-12);
    EXPECT_NEAR(ahead.z, 6 - 0.2 * 20, 1e-12);
    EXPECT_NEAR(at.y - back.y, (ahead.y - at.y) / 2, 1e-12);

    const model::ControlPoint& anchor = table[a.EndPoint];
    ASSERT_EQ(anchor.LinkCount, 2);
    EXPECT_EQ(anchor.Links[1], a.EndHandle);
    EXPECT_EQ(anchor.Links[2], b.StartHandle);
    EXPECT_EQ(table[a.EndHandle].OppositeHandle, b.StartHandle);
    EXPECT_EQ(table[b.StartHandle].OppositeHandle, a.EndHandle);
    EXPECT_EQ(table[a.EndHandle].Smooth, 1);
    // An end handle has no partner to keep in line.
    EXPECT_EQ(table[a.StartHandle].Smooth, 0);
    EXPECT_EQ(table[a.StartHandle].Anchor, from);
}

TEST_F(PlottedLine, CentrePlaneLinesStayAtZeroHalfBreadth)
{
    const int from = plot.anchor({0, 10, 3}, true, 1);
    const int to = plot.anchor({100, 10, 3}, true, 2);
    plot.line(from, {{-0.5, 0.3}, 10}, {{{50, 0, 5}, {0, 0.4}, 20, 20}}, {{0.5, -0.3}, 10}, to, true);
    const auto points = table.finish();
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_EQ(points[i].Position.Z, 0) << i;
        EXPECT_EQ(points[i].LockZ, 1) << i;
    }
}

TEST(BuildDesign, RefusesDescriptionsItCannotBuild)
{
    HullShape threeCockpits = kqlk32();
    threeCockpits.cockpits.resize(3, threeCockpits.cockpits[0]);
    EXPECT_THROW(buildDesign(threeCockpits), std::invalid_argument);

    HullShape offTheEnd = kqlk32();
    offTheEnd.deckChine.rejoinsSheerAt = offTheEnd.length + 10;
    EXPECT_THROW(buildDesign(offTheEnd), std::invalid_argument);

    // A fixed index beyond the points the hull has would leave a hole.
    HullShape holes = kqlk22();
    holes.deckChine.knots[0].index = 90;
    EXPECT_THROW(buildDesign(holes), std::logic_error);
}

}  // namespace
