// Each template file as the wizard reads it: what the descriptions build, the
// fixed index roles, panel layout, cockpit rims and settings the wizard, the
// editors and the analysis rely on, and hull lines ordered, solvable and fair.

#include "tests/tools/hullchecks.h"
#include "tests/tools/templatecase.h"

#include "tools/templatelist.h"

#include "model/cockpitedits.h"
#include "model/curves.h"
#include "model/designcheck.h"
#include "model/designwriter.h"
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

TEST(TemplateFiles, AreWhatTheDescriptionsBuild)
{
    for (const hulls::TemplateEntry& t : hulls::templateList()) {
        const std::string committed = writeTemplateText(templatecase::loadFromSources(t.fileName), t.paddlerRows);
        // Regenerate with tools/maketemplates when a description changes.
        EXPECT_EQ(committed, writeTemplateText(templatecase::described(t.fileName), t.paddlerRows)) << t.fileName;
        EXPECT_EQ(committed, writeTemplateText(templatecase::load(t.fileName), t.paddlerRows)) << t.fileName;
        EXPECT_EQ(designFault(templatecase::load(t.fileName)).value_or(""), "") << t.fileName;
    }
}

class TemplateFile : public ::testing::TestWithParam<Expected> {};

TEST_P(TemplateFile, HoldsWhatTheWizardTheEditsAndTheAnalysisExpect)
{
    Design d = templatecase::load(GetParam().name);
    makesections(d);
    const auto inches = [&](double normalised) { return normalised * d.HullLength; };
    EXPECT_EQ(hullchecks::lineOrder(d), "");
    EXPECT_EQ(hullchecks::segments(d), "");
    EXPECT_EQ(hullchecks::handles(d), "");

    EXPECT_EQ(d.HullLength, 204);
    EXPECT_TRUE(d.point(kBowPoint).X == 0 && d.point(kSternPoint).X == 1);
    for (int end : {kBowPoint, kSternPoint}) {
        const ControlPoint& p = d.ControlPoints[end];
        EXPECT_TRUE(p.Kind == kAnchor && p.LockX == 1 && p.LockZ == 1 && p.Position.Z == 0) << "point " << end;
    }
    for (int i : {kSheerPointA, kSheerPointB}) {  // the deck chine's ends sit on the sheer
        const Point3 on = PointOnLineAtX(d, d.HullLines[kSheerLine], d.point(i).X);
        EXPECT_TRUE(std::abs(d.point(i).Y - on.Y) < kExact && std::abs(d.point(i).Z - on.Z) < kExact) << i;
    }
    const double from = d.point(kSheerPointA).X, to = d.point(kSheerPointB).X;
    EXPECT_LT(from, to);

    // Panels 1 and 2 above the sheer are the deck; every line runs end to end.
    ASSERT_EQ(d.PanelsPerSide, GetParam().panelsPerSide);
    ASSERT_EQ(d.LineCount, d.PanelsPerSide + 1);
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        EXPECT_TRUE(d.HullPanels[k].LineA == k && d.HullPanels[k].LineB == k + 1) << "panel " << k;
        EXPECT_EQ(d.PanelEnds[k][1], k == 2 ? kSheerPointA : kBowPoint) << "panel " << k;
        EXPECT_EQ(d.PanelEnds[k][2], k == 2 ? kSheerPointB : kSternPoint) << "panel " << k;
    }
    for (int i = 1; i <= d.LineCount; ++i) {
        const HullLine& line = d.HullLines[i];
        EXPECT_EQ(d.CurveSegments[line.Segments[1]].StartPoint, kBowPoint) << "line " << i;
        EXPECT_EQ(d.CurveSegments[line.Segments[line.SegmentCount]].EndPoint, kSternPoint) << "line " << i;
    }
    for (int line : {1, int(d.LineCount)}) {  // ridge and keel keep to the centre plane
        for (int k = 1; k <= d.HullLines[line].SegmentCount; ++k) {
            const CurveSegment& s = d.CurveSegments[d.HullLines[line].Segments[k]];
            for (int i : {s.StartPoint, s.StartHandle, s.EndHandle, s.EndPoint})
                EXPECT_TRUE(d.point(i).Z == 0 && d.ControlPoints[i].LockZ == 1) << "line " << line << " point " << i;
        }
    }

    // Every panel has stations to develop; outside its stretch the deck chine is the sheer.
    std::vector<int> apart(d.PanelsPerSide + 1);
    for (int s = 1; s < stationBound(d.StationCount); ++s) {
        const Section& section = d.Sections[s];
        const Point3 &chine = section.Pts[kDeckChine], &sheer = section.Pts[kSheerLine];
        EXPECT_TRUE((section.X > from && section.X < to) || (chine.Y == sheer.Y && chine.Z == sheer.Z))
            << "at " << inches(section.X);
        for (int k = 1; k <= d.PanelsPerSide; ++k)
            apart[k] += section.Pts[k].Y != section.Pts[k + 1].Y || section.Pts[k].Z != section.Pts[k + 1].Z;
    }
    for (int k = 1; k <= d.PanelsPerSide; ++k) EXPECT_GE(apart[k], 10) << "panel " << k;

    // Cockpit rims: 2 and 3 the front end, 8 the rear, all on the deck inside
    // the deck chine, apart from the lines. The side points, which the wizard
    // re-spaces and levels, are held by its test's exact comparison.
    ASSERT_EQ(d.cockpitCount(), GetParam().cockpits);
    std::set<int> onLines;
    for (int s = 1; s <= d.SegmentCount; ++s) {
        const CurveSegment& c = d.CurveSegments[s];
        onLines.insert({c.StartPoint, c.StartHandle, c.EndHandle, c.EndPoint});
    }
    for (int k = 1; k <= d.cockpitCount(); ++k) {
        const Cockpit& c = d.Cockpits[k];
        const auto rim = [&](int j) -> const Point3& { return d.point(rimPoint(d, k, j)); };
        ASSERT_EQ(c.RimPointCount, 9);
        EXPECT_TRUE(c.Length == 32 && c.Width == 18 && c.AftToCG == 11) << "cockpit " << k;  // the wizard's defaults
        EXPECT_EQ(rim(3).X, rim(2).X);
        EXPECT_NEAR(inches(rim(8).X - rim(2).X), c.Length, 1e-9);
        EXPECT_TRUE(rim(2).Z == 0 && rim(8).Z == 0);
        for (int j = 1; j <= 9; ++j) {
            const Point3& p = rim(j);
            const Point3 chine = PointOnLineAtX(d, d.HullLines[kDeckChine], p.X);
            SCOPED_TRACE(testing::Message() << "cockpit " << k << " rim point " << j);
            EXPECT_LE(p.Y, PointOnLineAtX(d, d.HullLines[1], p.X).Y + kExact);
            EXPECT_GE(inches(p.Y - chine.Y), -kLevellingAllowance);  // levelled side points may dip a hair
            EXPECT_LT(std::abs(p.Z), chine.Z);
            EXPECT_FALSE(onLines.count(rimPoint(d, k, j)));
        }
    }

    // Settings that suit a plywood kayak.
    EXPECT_EQ(d.StationCount, std::round(d.StationCount));
    const struct { double value, least, most; } settings[] = {{d.StationCount, 11, 101}, {double(d.StitchSpacing), 3, 8},
        {d.MaterialWeightPerSqFt, 0.25, 0.35}, {d.CargoWeight, 10, 60}, {d.PaddlerWeights[1], 190, 190}};
    for (const auto& s : settings) EXPECT_TRUE(s.value >= s.least && s.value <= s.most) << s.value;
    EXPECT_GT(d.SectionOffset, 0);

    if (d.cockpitCount() == 2) {  // a tandem's fixed points beside each cockpit are where the wizard puts them
        ASSERT_GE(d.PointCount, kTandemFixedPoint2 + 2);
        Design again = d;
        placeTandemFixedPoints(again);
        for (int centre : {kTandemFixedPoint1, kTandemFixedPoint2}) {
            for (int i = centre; i <= centre + 2; ++i) {
                const Point3 &a = again.point(i), &b = d.point(i);
                EXPECT_LT(std::hypot(a.X - b.X, a.Y - b.Y, a.Z - b.Z), kExact) << "point " << i;
                EXPECT_EQ(i == centre ? centre : d.ControlPoints[i].Anchor, centre) << "point " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateFile, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
