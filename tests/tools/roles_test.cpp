// What the wizard, the editors and the analysis rely on in every template:
// the fixed index roles, the panel layout, the cockpit rims and sensible
// settings.

#include "tests/tools/templatecase.h"

#include "model/cockpitedits.h"
#include "model/curves.h"
#include "model/newdesign.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace model;
using templatecase::Expected;

namespace {

constexpr double kExact = 1e-12;  // what survives 15 significant digits in a file
constexpr double kLevellingAllowance = 0.25;  // inches

class TemplateRoles : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override { d = templatecase::load(GetParam().name); }
    double inches(double normalised) const { return normalised * d.HullLength; }
    const Point3& rim(int cockpit, int j) const { return d.point(rimPoint(d, cockpit, j)); }
    Design d;
};

TEST_P(TemplateRoles, PanelsLieBetweenNeighbouringLinesDeckFirst)
{
    ASSERT_EQ(d.PanelsPerSide, GetParam().panelsPerSide);
    EXPECT_EQ(d.LineCount, d.PanelsPerSide + 1);
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        EXPECT_EQ(d.HullPanels[k].LineA, k);
        EXPECT_EQ(d.HullPanels[k].LineB, k + 1);
        const int first = k == 2 ? kSheerPointA : kBowPoint;
        const int second = k == 2 ? kSheerPointB : kSternPoint;
        EXPECT_EQ(d.PanelEnds[k][1], first) << "panel " << k;
        EXPECT_EQ(d.PanelEnds[k][2], second) << "panel " << k;
    }
}

TEST_P(TemplateRoles, HullEndsAreFixedAtZeroAndOne)
{
    EXPECT_DOUBLE_EQ(inches(d.point(kSternPoint).X - d.point(kBowPoint).X), GetParam().lengthInches);
    EXPECT_EQ(d.HullLength, GetParam().lengthInches);
    for (int end : {kBowPoint, kSternPoint}) {
        const ControlPoint& p = d.ControlPoints[end];
        EXPECT_EQ(p.Kind, kAnchor);
        EXPECT_EQ(p.LockX, 1);
        EXPECT_EQ(p.LockZ, 1);
        EXPECT_EQ(p.Position.Z, 0);
    }
    EXPECT_EQ(d.point(kBowPoint).X, 0);
    EXPECT_EQ(d.point(kSternPoint).X, 1);
}

TEST_P(TemplateRoles, DeckChineEndsSitOnTheSheer)
{
    for (int i : {kSheerPointA, kSheerPointB}) {
        const Point3 on = PointOnLineAtX(d, d.HullLines[kSheerLine], d.point(i).X);
        EXPECT_NEAR(d.point(i).Y, on.Y, kExact) << "point " << i;
        EXPECT_NEAR(d.point(i).Z, on.Z, kExact) << "point " << i;
    }
    EXPECT_LT(d.point(kSheerPointA).X, d.point(kSheerPointB).X);
}

TEST_P(TemplateRoles, RidgeAndKeelKeepToTheCentrePlane)
{
    for (int line : {1, int(d.LineCount)}) {
        for (int k = 1; k <= d.HullLines[line].SegmentCount; ++k) {
            const CurveSegment& s = d.CurveSegments[d.HullLines[line].Segments[k]];
            for (int i : {s.StartPoint, s.StartHandle, s.EndHandle, s.EndPoint}) {
                EXPECT_EQ(d.point(i).Z, 0) << "line " << line << " point " << i;
                EXPECT_EQ(d.ControlPoints[i].LockZ, 1) << "line " << line << " point " << i;
            }
        }
    }
}

TEST_P(TemplateRoles, CockpitRimsHaveTheRolesTheEditsExpect)
{
    ASSERT_EQ(d.cockpitCount(), GetParam().cockpits);
    for (int k = 1; k <= d.cockpitCount(); ++k) {
        const Cockpit& c = d.Cockpits[k];
        ASSERT_EQ(c.RimPointCount, 9);
        const double x2 = rim(k, 2).X, x8 = rim(k, 8).X;
        EXPECT_EQ(rim(k, 3).X, x2);
        EXPECT_NEAR(inches(x8 - x2), c.Length, 1e-9);
        EXPECT_NEAR(rim(k, 4).X, x2 + (x8 - x2) / 2, kExact);
        EXPECT_NEAR(rim(k, 5).X, x2 + 2 * (x8 - x2) / 3, kExact);
        EXPECT_NEAR(rim(k, 6).X, x2 + 5 * (x8 - x2) / 6, kExact);
        for (int j : {4, 5, 6}) EXPECT_NEAR(inches(rim(k, j).Z), c.Width / 2, 1e-9);
        EXPECT_EQ(rim(k, 3).Z, rim(k, 7).Z);
        EXPECT_EQ(rim(k, 4).Y, rim(k, 5).Y);
        EXPECT_EQ(rim(k, 6).Y, rim(k, 5).Y);
        EXPECT_EQ(rim(k, 2).Z, 0);
        EXPECT_EQ(rim(k, 8).Z, 0);
        // The wizard's defaults, which the template already has.
        EXPECT_EQ(c.Length, 32);
        EXPECT_EQ(c.Width, 18);
        EXPECT_EQ(c.AftToCG, 11);
    }
}

TEST_P(TemplateRoles, RimPointsLieOnTheDeckInsideTheDeckChine)
{
    for (int k = 1; k <= d.cockpitCount(); ++k) {
        for (int j = 1; j <= 9; ++j) {
            const Point3& p = rim(k, j);
            const Point3 ridge = PointOnLineAtX(d, d.HullLines[1], p.X);
            const Point3 chine = PointOnLineAtX(d, d.HullLines[2], p.X);
            EXPECT_LE(p.Y, ridge.Y + kExact) << "cockpit " << k << " rim point " << j;
            // The side points are levelled, so they may sit a hair under the deck.
            EXPECT_GE(inches(p.Y - chine.Y), -kLevellingAllowance) << "cockpit " << k << " rim point " << j;
            EXPECT_LT(std::abs(p.Z), chine.Z) << "cockpit " << k << " rim point " << j;
        }
    }
}

TEST_P(TemplateRoles, RimPointsAreNotPartOfAnyHullLine)
{
    std::set<int> used;
    for (int s = 1; s <= d.SegmentCount; ++s) {
        const CurveSegment& c = d.CurveSegments[s];
        used.insert({c.StartPoint, c.StartHandle, c.EndHandle, c.EndPoint});
    }
    for (int k = 1; k <= d.cockpitCount(); ++k)
        for (int j = 1; j <= 9; ++j) EXPECT_FALSE(used.count(rimPoint(d, k, j))) << "rim point " << j;
}

TEST_P(TemplateRoles, SettingsSuitAPlywoodKayak)
{
    const double stations = d.StationCount;
    EXPECT_EQ(stations, std::round(stations));
    EXPECT_GE(stations, 11);
    EXPECT_LE(stations, 101);
    EXPECT_GE(d.StitchSpacing, 3);
    EXPECT_LE(d.StitchSpacing, 8);
    // Stitches at least every few stations at any length the wizard offers.
    EXPECT_GE(d.StitchSpacing / (276.0 / stations), 1);
    EXPECT_GE(d.MaterialWeightPerSqFt, 0.25);
    EXPECT_LE(d.MaterialWeightPerSqFt, 0.35);
    EXPECT_GE(d.CargoWeight, 10);
    EXPECT_LE(d.CargoWeight, 60);
    EXPECT_EQ(d.PaddlerWeights[1], 190);
    EXPECT_GT(d.SectionOffset, 0);
    const Point3 keel = PointOnLineAtX(d, d.HullLines[d.LineCount], 0.5);
    const Point3 sheer = PointOnLineAtX(d, d.HullLines[kSheerLine], 0.5);
    EXPECT_GT(d.WaterlineHeight, inches(keel.Y));
    EXPECT_LT(d.WaterlineHeight, inches(sheer.Y));
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateRoles, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

TEST(TandemTemplate, FixedPointsBesideEachCockpitAreWhereTheWizardPutsThem)
{
    const Design d = templatecase::load("tqlk");
    ASSERT_GE(d.PointCount, 67);
    for (auto [centre, cockpit] : {std::pair{kTandemFixedPoint1, 1}, std::pair{kTandemFixedPoint2, 2}}) {
        const Point3& c = d.point(centre);
        EXPECT_NEAR(c.X, d.point(rimPoint(d, cockpit, kRimSideTwoThirds)).X, kExact);
        EXPECT_NEAR(d.point(centre + 1).X, c.X - kTandemFixedSpacing, kExact);
        EXPECT_NEAR(d.point(centre + 2).X, c.X + kTandemFixedSpacing, kExact);
        for (int h : {centre + 1, centre + 2}) {
            EXPECT_EQ(d.point(h).Y, c.Y);
            EXPECT_EQ(d.point(h).Z, c.Z);
            EXPECT_EQ(d.ControlPoints[h].Anchor, centre);
        }
        // Placing them again changes nothing.
        Design again = d;
        placeTandemFixedPoints(again);
        for (int i = centre; i <= centre + 2; ++i) EXPECT_NEAR(again.point(i).X, d.point(i).X, kExact);
    }
}

}  // namespace
