// The templates' hull lines: order, fairness, solvability, and where lines
// meet, that they meet exactly.

#include "tests/tools/faultlist.h"
#include "tests/tools/hullchecks.h"
#include "tests/tools/templatecase.h"

#include "model/curves.h"
#include "model/maxbeam.h"
#include "model/newdesign.h"
#include "model/sections.h"

#include <gtest/gtest.h>

using namespace model;
using templatecase::Expected;

namespace {

constexpr int kDeckChine = 2;
constexpr double kBeam = 23;  // the wizard's default beam, which every template has

class TemplateShape : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override
    {
        d = templatecase::load(GetParam().name);
        makesections(d);
    }
    Design d;
};

TEST_P(TemplateShape, LinesDescendFromRidgeToKeelAndTheSheerIsWidest)
{
    const auto faults = hullchecks::lineOrderFaults(d);
    EXPECT_TRUE(faults.empty()) << listed(faults);
}

TEST_P(TemplateShape, EverySegmentRisesInXAndTheClosedFormSolvesIt)
{
    const auto faults = hullchecks::segmentFaults(d);
    EXPECT_TRUE(faults.empty()) << listed(faults);
    const auto thirds = hullchecks::thirdsFaults(d);
    EXPECT_TRUE(thirds.empty()) << listed(thirds);
}

TEST_P(TemplateShape, LinesAreFairThroughEveryAnchor)
{
    const auto faults = hullchecks::fairnessFaults(d);
    EXPECT_TRUE(faults.empty()) << listed(faults);
}

TEST_P(TemplateShape, HandlesAndAnchorsNameEachOther)
{
    const auto faults = hullchecks::handleRecordFaults(d);
    EXPECT_TRUE(faults.empty()) << listed(faults);
}

TEST_P(TemplateShape, DeckChineIsTheSheerItselfOutsideItsOwnStretch)
{
    const double from = d.point(kSheerPointA).X;
    const double to = d.point(kSheerPointB).X;
    int apart = 0;
    for (const Section& s : d.Sections) {
        const Point3& chine = s.Pts[kDeckChine];
        const Point3& sheer = s.Pts[kSheerLine];
        if (s.X <= from || s.X >= to) {
            EXPECT_EQ(chine.Y, sheer.Y) << "at " << s.X * d.HullLength;
            EXPECT_EQ(chine.Z, sheer.Z) << "at " << s.X * d.HullLength;
        } else if (chine.Y > sheer.Y && chine.Z < sheer.Z) {
            ++apart;
        }
    }
    EXPECT_GT(apart, 10) << "the second deck panel has too few stations to develop";
}

TEST_P(TemplateShape, EveryLineStartsAtTheBowTipAndEndsAtTheSternTip)
{
    for (int i = 1; i <= d.LineCount; ++i) {
        const HullLine& line = d.HullLines[i];
        const CurveSegment& first = d.CurveSegments[line.Segments[1]];
        const CurveSegment& last = d.CurveSegments[line.Segments[line.SegmentCount]];
        EXPECT_EQ(first.StartPoint, kBowPoint) << "line " << i;
        EXPECT_EQ(last.EndPoint, kSternPoint) << "line " << i;
    }
}

TEST_P(TemplateShape, BeamOnTheDeckViewIsTheBeamOverAll)
{
    // As read, every panel counts as a deck panel; the wizard then flags the hull panels.
    const double overAll = MaxBeam(d);
    flagDeckAndHullPanels(d);
    EXPECT_NEAR(MaxBeam(d), kBeam, 1e-9);
    EXPECT_EQ(MaxBeam(d), overAll);
}

TEST_P(TemplateShape, EveryPanelHasStationsToDevelop)
{
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        int differing = 0;
        for (int s = 1; s < stationBound(d.StationCount); ++s) {
            const Point3& a = d.Sections[s].Pts[k];
            const Point3& b = d.Sections[s].Pts[k + 1];
            if (a.Y != b.Y || a.Z != b.Z) ++differing;
        }
        EXPECT_GE(differing, 10) << "panel " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateShape, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
