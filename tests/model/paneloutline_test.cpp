#include "model/maxbeam.h"
#include "model/paneloutline.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;
using testsupport::boxHull;

namespace {

// The samples of one segment whose X grows linearly with t over 0..1 of a
// 90-inch hull, so a sample's X is its parameter; point 5 marks X = 0.25.
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

TEST(SampleSegment, LimitedSegmentsStopAtTheirLastWholeStep)
{
    const auto forward = samples(kCoversStartLimitToEnd, 5, false);  // 0.25, 0.35 .. 0.95
    const auto reversed = samples(kCoversStartLimitToEnd, 5, true);  // 1, 0.9 .. 0.3
    ASSERT_EQ(forward.size(), 8u);
    ASSERT_EQ(reversed.size(), 8u);
    EXPECT_NEAR(forward.front().X, 0.25, 1e-9);
    EXPECT_NEAR(forward.back().X, 0.95, 1e-9);
    EXPECT_NEAR(reversed.back().X, 0.3, 1e-9);
    EXPECT_EQ(samples(kCoversStartToEndLimit, 1, false).size(), 1u);  // a limit at the start point
    // Nothing for a kind that covers nothing or a step that never ends.
    EXPECT_TRUE(samples(3, 0, false).empty());
    EXPECT_TRUE(samples(kCoversStartToEnd, 0, false, 0).empty());
    EXPECT_TRUE(samples(kCoversStartToEnd, 0, true, -0.1).empty());
}

TEST(PanelOutline, RunsAlongTheFirstLineAndBackAlongTheSecond)
{
    Design d = boxHull(100, 20, 10, 5);
    const auto outline = panelOutline(d, 1);  // deck centre line to sheer
    ASSERT_TRUE(outline);
    ASSERT_EQ(outline->samples.size(), 22u);  // eleven samples of each whole segment
    EXPECT_EQ(outline->samples[0].Z, 0);
    EXPECT_EQ(outline->samples[11].X, 1);  // the sheer's far end, reversed
    EXPECT_DOUBLE_EQ(outline->samples[11].Z, 0.1);
    EXPECT_NEAR(outline->samples[21].X, 0, 1e-12);
    // None when a bounding line is missing or empty.
    EXPECT_FALSE(panelOutline(d, 0));
    EXPECT_FALSE(panelOutline(d, 4));
    d.HullLines[2].SegmentCount = 0;
    EXPECT_FALSE(panelOutline(d, 1));
    d.HullPanels[3].LineB = 9;
    EXPECT_FALSE(panelOutline(d, 3));
}

TEST(MaxBeam, IsTwiceTheWidestSampleOfTheDeckPanels)
{
    Design d = boxHull(100, 20, 10, 5);
    EXPECT_EQ(MaxBeam(d), 20);
    for (auto& cp : d.ControlPoints) cp.Position.Z *= 1.5;
    EXPECT_DOUBLE_EQ(MaxBeam(d), 30);
    for (int isHull : {1, 2}) {  // hull panels and those neither deck nor hull
        for (auto& p : d.HullPanels) p.IsHull = std::int16_t(isHull);
        EXPECT_EQ(MaxBeam(d), 0) << isHull;
    }
}
