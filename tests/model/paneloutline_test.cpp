#include "model/maxbeam.h"
#include "model/paneloutline.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;
using testsupport::DesignBuilder;

namespace {

// One segment whose X grows linearly with t over 0..1 of a 90-inch hull, so a
// sample's X is its parameter; point 5 marks X = 0.25 as a limit.
struct LinearSegment {
    LinearSegment()
    {
        DesignBuilder b(90);
        const int p0 = b.point({0, 0, 0}), p1 = b.point({30, 3, 3}), p2 = b.point({60, 6, 6}), p3 = b.point({90, 9, 9});
        limit = b.point({22.5, 0, 0});
        b.line({b.segment(p0, p1, p2, p3)});
        design = b.build();
        segment = design.CurveSegments[1];
    }
    std::vector<Point3> samples(bool reversed) const
    {
        std::vector<Point3> out;
        sampleSegment(design, segment, reversed, out);
        return out;
    }
    Design design;
    CurveSegment segment;
    int limit = 0;
};

}  // namespace

TEST(SampleSegment, AWholeSegmentGivesElevenSamplesEitherWay)
{
    const LinearSegment s;
    const auto forward = s.samples(false);
    ASSERT_EQ(forward.size(), 11u);
    EXPECT_EQ(forward.front().X, 0);  // the start point itself
    EXPECT_NEAR(forward.back().X, 1, 1e-12);

    const auto reversed = s.samples(true);
    ASSERT_EQ(reversed.size(), 11u);
    EXPECT_EQ(reversed.front().X, 1);
    EXPECT_GT(reversed.back().X, 0);  // just above 0
    EXPECT_NEAR(reversed.back().X, 0, 1e-12);
}

TEST(SampleSegment, LimitedSegmentsStopAtTheirLastWholeStep)
{
    LinearSegment s;
    s.segment.Kind = kCoversStartLimitToEnd;
    s.segment.StartLimit = std::int16_t(s.limit);
    const auto forward = s.samples(false);  // 0.25, 0.35, ... 0.95
    ASSERT_EQ(forward.size(), 8u);
    EXPECT_NEAR(forward.front().X, 0.25, 1e-9);
    EXPECT_NEAR(forward.back().X, 0.95, 1e-9);
    const auto reversed = s.samples(true);  // 1, 0.9, ... 0.3
    ASSERT_EQ(reversed.size(), 8u);
    EXPECT_NEAR(reversed.back().X, 0.3, 1e-9);

    // A limit at the start point gives the start point only.
    s.segment.Kind = kCoversStartToEndLimit;
    s.segment.EndLimit = 1;
    ASSERT_EQ(s.samples(false).size(), 1u);
    EXPECT_EQ(s.samples(false)[0].X, 0);
}

TEST(SampleSegment, NothingForKindsThatCoverNothingOrAStepThatNeverEnds)
{
    LinearSegment s;
    s.segment.Kind = 3;
    EXPECT_TRUE(s.samples(false).empty());
    s.segment.Kind = kCoversStartToEnd;
    s.design.CurveStep = 0;
    EXPECT_TRUE(s.samples(false).empty());
    s.design.CurveStep = -0.1;
    EXPECT_TRUE(s.samples(true).empty());
}

TEST(PanelOutline, RunsAlongTheFirstLineAndBackAlongTheSecond)
{
    const Design d = testsupport::boxHull(100, 20, 10, 5);
    const auto outline = panelOutline(d, 1);  // deck centre line to sheer
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->start.X, 0);
    EXPECT_EQ(outline->start.Z, 0);
    ASSERT_EQ(outline->samples.size(), 22u);
    EXPECT_EQ(outline->samples[0].Z, 0);
    EXPECT_EQ(outline->samples[11].X, 1);  // the sheer's far end, reversed
    EXPECT_DOUBLE_EQ(outline->samples[11].Z, 0.1);
    EXPECT_NEAR(outline->samples[21].X, 0, 1e-12);
}

TEST(PanelOutline, NoneWhenABoundingLineIsMissingOrEmpty)
{
    Design d = testsupport::boxHull(100, 20, 10, 5);
    EXPECT_FALSE(panelOutline(d, 0));
    EXPECT_FALSE(panelOutline(d, 4));
    d.HullLines[2].SegmentCount = 0;
    EXPECT_FALSE(panelOutline(d, 1));
    d.HullPanels[3].LineB = 9;
    EXPECT_FALSE(panelOutline(d, 3));
}

TEST(MaxBeam, IsTwiceTheWidestDeckSample)
{
    EXPECT_EQ(MaxBeam(testsupport::boxHull(100, 20, 10, 5)), 20);
    // The sheer of the kayak is 11.5 inches out at midships, its widest point.
    EXPECT_DOUBLE_EQ(MaxBeam(testsupport::sevenLineKayak()), 23);
}

TEST(MaxBeam, CountsDeckPanelsOnlyAndFollowsTheDesign)
{
    Design d = testsupport::boxHull(100, 20, 10, 5);
    for (auto& p : d.HullPanels) p.IsHull = 1;
    EXPECT_EQ(MaxBeam(d), 0);
    d.HullPanels[2].IsHull = 2;  // neither deck nor hull
    EXPECT_EQ(MaxBeam(d), 0);

    d.HullPanels[2].IsHull = 0;
    for (auto& cp : d.ControlPoints) cp.Position.Z *= 1.5;
    EXPECT_DOUBLE_EQ(MaxBeam(d), 30);
}
