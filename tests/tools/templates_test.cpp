// The four templates: each file what its description builds and what the
// wizard, the editors and the analysis rely on (fixed index roles, panel
// layout, cockpit rims, settings, hull lines ordered, solvable and fair); as
// the wizard leaves them, unchanged at its defaults and sound at the other
// sizes it offers; and kept line samples giving, to the bit, a fresh run's
// results through edits of every kind.

#include "tests/tools/templatecase.h"

#include "tools/templatelist.h"

#include "model/edits/cockpitedits.h"
#include "model/file/designcheck.h"
#include "model/file/designwriter.h"
#include "model/hull/curves.h"
#include "model/hull/maxbeam.h"
#include "model/hull/sections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <set>
#include <vector>

using namespace model;
using templatecase::Expected;

namespace {

constexpr double kExact = 1e-12;  // what survives 15 significant digits in a file
constexpr double kLevellingAllowance = 0.25;  // inches
constexpr int kDeckChine = 2;
// The cockpits slide to the centre of buoyancy; the template has them there to within this.
constexpr double kCockpitSettles = 0.1;  // inches

std::vector<double> everyResult(const Hydrostatics& r)
{
    std::vector<double> v{r.TotalVolume, r.WetVolume, r.TotalSurfaceArea, r.WettedSurfaceArea, r.WaterplaneArea,
                          r.MaxSectionArea, r.BeamWL, r.WaterlineStart, r.WaterlineEnd, r.LWL, r.Draft,
                          r.LengthBeamRatio, r.WsaDisplacementRatio, r.Cb, r.Cm, r.Cp, r.Cwp, r.LCBPosition, r.LCB,
                          r.LCBFraction, r.LCF, r.LCFFraction, r.Midship, r.Displacement, r.TargetDisplacement,
                          r.TopSpeed, r.KayakWeight, r.HalfVolumeSum, r.HalfWaterplaneSum, r.EntryHalfWidth,
                          r.ExitHalfWidth, r.EntryHalfAngle, r.ExitHalfAngle, r.overallLength,
                          r.lowestLineHeight, r.highestLineHeight};
    v.insert(v.end(), r.WaterlineHalfBreadthsTop.begin(), r.WaterlineHalfBreadthsTop.end());
    v.insert(v.end(), r.WaterlineHalfBreadthsBottom.begin(), r.WaterlineHalfBreadthsBottom.end());
    for (const VolumeBar& bar : r.volumeGraph.bars) v.insert(v.end(), {bar.x, bar.v});
    return v;
}

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

class Template : public ::testing::TestWithParam<Expected> {};

TEST_P(Template, HoldsWhatTheWizardTheEditsAndTheAnalysisExpect)
{
    Design d = templatecase::load(GetParam().name);
    makesections(d);
    const auto inches = [&](double normalised) { return normalised * d.HullLength; };
    EXPECT_EQ(hullchecks::lineOrder(d) + hullchecks::segments(d) + hullchecks::handles(d), "");

    EXPECT_TRUE(d.HullLength == 204 && d.point(kBowPoint).X == 0 && d.point(kSternPoint).X == 1);
    for (int end : {kBowPoint, kSternPoint}) {
        const ControlPoint& p = d.ControlPoints[end];
        EXPECT_TRUE(p.Kind == kAnchor && p.LockX == 1 && p.LockZ == 1 && p.Position.Z == 0) << "point " << end;
    }
    for (int i : {kSheerPointA, kSheerPointB}) {  // the deck chine's ends sit on the sheer
        const Point3 on = PointOnLineAtX(d, d.HullLines[kSheerLine], d.point(i).X);
        EXPECT_TRUE(std::abs(d.point(i).Y - on.Y) < kExact && std::abs(d.point(i).Z - on.Z) < kExact) << i;
    }
    const double from = d.point(kSheerPointA).X, to = d.point(kSheerPointB).X;

    // Panels 1 and 2 above the sheer are the deck; every line runs end to end.
    ASSERT_TRUE(d.PanelsPerSide == GetParam().panelsPerSide && d.LineCount == d.PanelsPerSide + 1) << d.LineCount;
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        EXPECT_EQ(std::tuple(d.HullPanels[k].LineA, d.HullPanels[k].LineB, d.PanelEnds[k][1], d.PanelEnds[k][2]),
                  std::tuple(k, k + 1, k == 2 ? kSheerPointA : kBowPoint, k == 2 ? kSheerPointB : kSternPoint)) << k;
    }
    for (int i = 1; i <= d.LineCount; ++i) {
        const HullLine& line = d.HullLines[i];
        EXPECT_EQ(std::tuple(d.CurveSegments[line.Segments[1]].StartPoint,
                            d.CurveSegments[line.Segments[line.SegmentCount]].EndPoint),
                  std::tuple(kBowPoint, kSternPoint)) << "line " << i;
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
    // re-spaces and levels, are held by the wizard-defaults test below.
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
        EXPECT_NEAR(inches(rim(8).X - rim(2).X), c.Length, 1e-9);
        EXPECT_TRUE(rim(3).X == rim(2).X && rim(2).Z == 0 && rim(8).Z == 0);
        for (int j = 1; j <= 9; ++j) {
            const Point3& p = rim(j);
            const Point3 chine = PointOnLineAtX(d, d.HullLines[kDeckChine], p.X);
            SCOPED_TRACE(testing::Message() << "cockpit " << k << " rim point " << j);
            EXPECT_LE(p.Y, PointOnLineAtX(d, d.HullLines[1], p.X).Y + kExact);
            EXPECT_GE(inches(p.Y - chine.Y), -kLevellingAllowance);  // levelled side points may dip a hair
            EXPECT_TRUE(std::abs(p.Z) < chine.Z && !onLines.count(rimPoint(d, k, j)));
        }
    }

    // Settings that suit a plywood kayak.
    EXPECT_EQ(d.StationCount, std::round(d.StationCount));
    const struct { double value, least, most; } settings[] = {{d.StationCount, 11, 101}, {double(d.StitchSpacing), 3, 8},
        {d.MaterialWeightPerSqFt, 0.25, 0.35}, {d.CargoWeight, 10, 60}, {d.PaddlerWeights[1], 190, 190}};
    for (const auto& s : settings) EXPECT_TRUE(s.value >= s.least && s.value <= s.most) << s.value;
    EXPECT_GT(d.SectionOffset, 0);

    // 204 by 23 with one or two paddlers of 190 lb, the tandem's 60 in apart.
    const Design original = d;
    const Hydrostatics r = templatecase::makeNewDesign(d);
    ASSERT_GT(r.TargetDisplacement, 0);
    EXPECT_LE(std::abs(r.Displacement - r.TargetDisplacement), 0.05 * r.TargetDisplacement) << r.Displacement;
    const struct { const char* what; double value, least, most; } ranges[] = {{"draft", r.Draft, 3, 7},
        {"Cp", r.Cp, 0.50, 0.62}, {"LCB of LWL", r.LCBFraction, 0.45, 0.55}, {"entry", r.EntryHalfAngle, 8, 30}};
    for (const auto& c : ranges) EXPECT_TRUE(c.value >= c.least && c.value <= c.most) << c.what << " " << c.value;

    ASSERT_EQ(d.PointCount, original.PointCount);
    for (int i = 1; i <= d.PointCount; ++i) {
        const Point3 &a = d.point(i), &b = original.point(i);
        EXPECT_NEAR(a.X * d.HullLength, b.X * original.HullLength, kCockpitSettles) << "point " << i;
        EXPECT_LT(std::hypot(a.Y * d.HullLength - b.Y * original.HullLength, a.Z * d.HullLength - b.Z * original.HullLength), 1e-9) << i;
    }

    // Two paddlers 60 in apart need a tandem of 16 ft at least.
    const double shortest = GetParam().cockpits == 2 ? 192 : 96;
    for (double length : {shortest, (shortest + 276) / 2, 276.0}) {
        for (double beam : {20.0, 30.0, 48.0}) {
            Design sized = original;
            templatecase::makeNewDesign(sized, length, beam);
            SCOPED_TRACE(testing::Message() << length << " by " << beam);
            EXPECT_NEAR(MaxBeam(sized), beam, 1e-9);
            EXPECT_EQ(hullchecks::lineOrder(sized) + hullchecks::segments(sized), "");
        }
    }

    const int all = d.LineCount;
    // Each edit with the least and most lines it may solve again.
    const struct { const char* what; std::function<void(Design&)> apply; int least, most; } edits[] = {
        {"waterline up", [](Design& d) { d.WaterlineHeight += 1.37; }, 0, 0},
        {"waterline down", [](Design& d) { d.WaterlineHeight -= 2.9; }, 0, 0},
        {"a keel point", [](Design& d) { d.ControlPoints[d.CurveSegments[d.HullLines[d.LineCount].Segments[1]].EndPoint].Position.Y -= 0.002; }, 1, all - 1},
        {"every point", [](Design& d) { for (auto& p : d.ControlPoints) p.Position.Y += 0.001; }, all, all},
        {"the length", [](Design& d) { d.HullLength += 7.5; }, 0, 0},
        {"line 1 loses its last segment", [](Design& d) { --d.HullLines[1].SegmentCount; }, 1, all - 1},
        {"the waterline again", [](Design& d) { d.WaterlineHeight += 0.4; }, 0, 0},
    };
    Hydrostatics kept;
    HydroInputs inputs;
    runHydrostatics(d, inputs, kept);
    for (const auto& edit : edits) {
        edit.apply(d);
        Design copy = d;
        Hydrostatics fresh;
        runHydrostatics(copy, inputs, fresh);
        runHydrostatics(d, inputs, kept);
        const std::vector<double> a = everyResult(kept), b = everyResult(fresh);
        EXPECT_TRUE(a.size() == b.size() && !std::memcmp(a.data(), b.data(), a.size() * sizeof(double))) << edit.what;
        const int solved = kept.sampleCache.linesSolved();
        EXPECT_TRUE(solved >= edit.least && solved <= edit.most) << edit.what << ": " << solved;
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, Template, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
