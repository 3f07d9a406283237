// Each template file as the wizard reads it: the fixed index roles, panel
// layout, cockpit rims and settings the wizard, the editors and the analysis
// rely on, and hull lines that are ordered, solvable and fair.

#include "tests/tools/hullchecks.h"
#include "tests/tools/templatecase.h"

#include "model/cockpitedits.h"
#include "model/curves.h"
#include "model/newdesign.h"
#include "model/sections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace model;
using templatecase::Expected;

namespace {

constexpr double kExact = 1e-12;  // what survives 15 significant digits in a file
constexpr double kLevellingAllowance = 0.25;  // inches
constexpr int kDeckChine = 2;

class TemplateFile : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override
    {
        d = templatecase::load(GetParam().name);
        makesections(d);
    }
    double inches(double normalised) const { return normalised * d.HullLength; }
    const Point3& rim(int cockpit, int j) const { return d.point(rimPoint(d, cockpit, j)); }
    Design d;
};

TEST_P(TemplateFile, HullEndsLinesAndPanelsHaveTheirFixedRoles)
{
    EXPECT_EQ(d.HullLength, 204);
    EXPECT_EQ(d.point(kBowPoint).X, 0);
    EXPECT_EQ(d.point(kSternPoint).X, 1);
    for (int end : {kBowPoint, kSternPoint}) {
        const ControlPoint& p = d.ControlPoints[end];
        EXPECT_TRUE(p.Kind == kAnchor && p.LockX == 1 && p.LockZ == 1 && p.Position.Z == 0) << "point " << end;
    }
    // The deck chine's ends sit on the sheer.
    for (int i : {kSheerPointA, kSheerPointB}) {
        const Point3 on = PointOnLineAtX(d, d.HullLines[kSheerLine], d.point(i).X);
        EXPECT_NEAR(d.point(i).Y, on.Y, kExact) << "point " << i;
        EXPECT_NEAR(d.point(i).Z, on.Z, kExact) << "point " << i;
    }
    EXPECT_LT(d.point(kSheerPointA).X, d.point(kSheerPointB).X);

    // Panels 1 and 2 above the sheer are the deck; every line runs end to end.
    ASSERT_EQ(d.PanelsPerSide, GetParam().panelsPerSide);
    ASSERT_EQ(d.LineCount, d.PanelsPerSide + 1);
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        EXPECT_EQ(d.HullPanels[k].LineA, k);
        EXPECT_EQ(d.HullPanels[k].LineB, k + 1);
        EXPECT_EQ(d.PanelEnds[k][1], k == 2 ? kSheerPointA : kBowPoint) << "panel " << k;
        EXPECT_EQ(d.PanelEnds[k][2], k == 2 ? kSheerPointB : kSternPoint) << "panel " << k;
    }
    for (int i = 1; i <= d.LineCount; ++i) {
        const HullLine& line = d.HullLines[i];
        EXPECT_EQ(d.CurveSegments[line.Segments[1]].StartPoint, kBowPoint) << "line " << i;
        EXPECT_EQ(d.CurveSegments[line.Segments[line.SegmentCount]].EndPoint, kSternPoint) << "line " << i;
    }
    // Ridge and keel keep to the centre plane.
    for (int line : {1, int(d.LineCount)}) {
        for (int k = 1; k <= d.HullLines[line].SegmentCount; ++k) {
            const CurveSegment& s = d.CurveSegments[d.HullLines[line].Segments[k]];
            for (int i : {s.StartPoint, s.StartHandle, s.EndHandle, s.EndPoint})
                EXPECT_TRUE(d.point(i).Z == 0 && d.ControlPoints[i].LockZ == 1) << "line " << line << " point " << i;
        }
    }
}

TEST_P(TemplateFile, LinesAreOrderedAtEveryStationSolvableAndFair)
{
    EXPECT_EQ(hullchecks::lineOrder(d), "");
    EXPECT_EQ(hullchecks::segments(d), "");
    EXPECT_EQ(hullchecks::handles(d), "");
}

TEST_P(TemplateFile, EveryPanelHasStationsToDevelop)
{
    // Outside its own stretch the deck chine is the sheer itself.
    const double from = d.point(kSheerPointA).X, to = d.point(kSheerPointB).X;
    std::vector<int> apart(d.PanelsPerSide + 1);
    for (int s = 1; s < stationBound(d.StationCount); ++s) {
        const Section& section = d.Sections[s];
        const Point3 &chine = section.Pts[kDeckChine], &sheer = section.Pts[kSheerLine];
        const bool outside = section.X <= from || section.X >= to;
        EXPECT_TRUE(!outside || (chine.Y == sheer.Y && chine.Z == sheer.Z)) << "at " << inches(section.X);
        for (int k = 1; k <= d.PanelsPerSide; ++k)
            apart[k] += section.Pts[k].Y != section.Pts[k + 1].Y || section.Pts[k].Z != section.Pts[k + 1].Z;
    }
    for (int k = 1; k <= d.PanelsPerSide; ++k) EXPECT_GE(apart[k], 10) << "panel " << k;
}

TEST_P(TemplateFile, CockpitRimsHaveTheRolesTheEditsExpect)
{
    ASSERT_EQ(d.cockpitCount(), GetParam().cockpits);
    std::set<int> onLines;
    for (int s = 1; s <= d.SegmentCount; ++s) {
        const CurveSegment& c = d.CurveSegments[s];
        onLines.insert({c.StartPoint, c.StartHandle, c.EndHandle, c.EndPoint});
    }
    for (int k = 1; k <= d.cockpitCount(); ++k) {
        const Cockpit& c = d.Cockpits[k];
        ASSERT_EQ(c.RimPointCount, 9);
        // The wizard's defaults, which the template already has.
        EXPECT_TRUE(c.Length == 32 && c.Width == 18 && c.AftToCG == 11) << "cockpit " << k;
        // 2 and 3 the front end, 8 the rear, 4, 5 and 6 along the side at
        // one height, 7 with 3's half-breadth.
        EXPECT_EQ(rim(k, 3).X, rim(k, 2).X);
        EXPECT_NEAR(inches(rim(k, 8).X - rim(k, 2).X), c.Length, 1e-9);
        EXPECT_TRUE(rim(k, 2).X < rim(k, 4).X && rim(k, 4).X < rim(k, 5).X && rim(k, 5).X < rim(k, 6).X &&
                    rim(k, 6).X < rim(k, 8).X);
        for (int j : {4, 5, 6}) EXPECT_NEAR(inches(rim(k, j).Z), c.Width / 2, 1e-9);
        EXPECT_TRUE(rim(k, 4).Y == rim(k, 5).Y && rim(k, 6).Y == rim(k, 5).Y);
        EXPECT_TRUE(rim(k, 2).Z == 0 && rim(k, 8).Z == 0 && rim(k, 7).Z == rim(k, 3).Z);
        // Every rim point on the deck inside the deck chine, apart from the lines.
        for (int j = 1; j <= 9; ++j) {
            const Point3& p = rim(k, j);
            const Point3 ridge = PointOnLineAtX(d, d.HullLines[1], p.X);
            const Point3 chine = PointOnLineAtX(d, d.HullLines[kDeckChine], p.X);
            EXPECT_LE(p.Y, ridge.Y + kExact) << "cockpit " << k << " rim point " << j;
            // The side points are levelled, so they may sit a hair under the deck.
            EXPECT_GE(inches(p.Y - chine.Y), -kLevellingAllowance) << "cockpit " << k << " rim point " << j;
            EXPECT_LT(std::abs(p.Z), chine.Z) << "cockpit " << k << " rim point " << j;
            EXPECT_FALSE(onLines.count(rimPoint(d, k, j))) << "cockpit " << k << " rim point " << j;
        }
    }
}

TEST_P(TemplateFile, SettingsSuitAPlywoodKayak)
{
    EXPECT_EQ(d.StationCount, std::round(d.StationCount));
    EXPECT_TRUE(d.StationCount >= 11 && d.StationCount <= 101) << d.StationCount;
    EXPECT_TRUE(d.StitchSpacing >= 3 && d.StitchSpacing <= 8) << d.StitchSpacing;
    EXPECT_TRUE(d.MaterialWeightPerSqFt >= 0.25 && d.MaterialWeightPerSqFt <= 0.35) << d.MaterialWeightPerSqFt;
    EXPECT_TRUE(d.CargoWeight >= 10 && d.CargoWeight <= 60) << d.CargoWeight;
    EXPECT_EQ(d.PaddlerWeights[1], 190);
    EXPECT_GT(d.SectionOffset, 0);
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateFile, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

TEST(TandemTemplate, FixedPointsBesideEachCockpitAreWhereTheWizardPutsThem)
{
    const Design d = templatecase::load("tqlk");
    ASSERT_GE(d.PointCount, 67);
    Design again = d;
    placeTandemFixedPoints(again);
    for (int centre : {kTandemFixedPoint1, kTandemFixedPoint2}) {
        for (int i = centre; i <= centre + 2; ++i) {
            const Point3 &a = again.point(i), &b = d.point(i);
            EXPECT_NEAR(std::hypot(a.X - b.X, a.Y - b.Y, a.Z - b.Z), 0, kExact) << "point " << i;
        }
        EXPECT_TRUE(d.ControlPoints[centre + 1].Anchor == centre && d.ControlPoints[centre + 2].Anchor == centre)
            << "handles of point " << centre;
    }
}

}  // namespace
