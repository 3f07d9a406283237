// A run that reads the hull lines' kept samples gives, to the bit, what a
// run that solves every line afresh gives: on every template, through
// waterline moves, point drags, edits of every line, a new length and a
// changed segment list.

#include "tests/tools/templatecase.h"

#include "model/hydrostatics.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <vector>

using namespace model;
using templatecase::Expected;

namespace {

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

bool sameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::bit_cast<std::uint64_t>(a[i]) != std::bit_cast<std::uint64_t>(b[i])) return false;
    return true;
}

struct Edit {
    const char* what;
    std::function<void(Design&)> apply;
    bool solvesNone, solvesAll;
};

class KeptSamples : public ::testing::TestWithParam<Expected> {};

}  // namespace

TEST_P(KeptSamples, GiveTheResultsOfAFreshRun)
{
    Design d = templatecase::loadFromSources(GetParam().name);
    templatecase::makeNewDesign(d);
    const std::vector<Edit> edits{
        {"waterline up", [](Design& d) { d.WaterlineHeight += 1.37; }, true, false},
        {"waterline down", [](Design& d) { d.WaterlineHeight -= 2.9; }, true, false},
        {"a keel point", [](Design& d) { d.ControlPoints[d.CurveSegments[d.HullLines[d.LineCount].Segments[1]].EndPoint].Position.Y -= 0.002; }, false, false},
        {"every point", [](Design& d) { for (auto& p : d.ControlPoints) p.Position.Y += 0.001; }, false, true},
        {"the length", [](Design& d) { d.HullLength += 7.5; }, true, false},
        {"line 1 loses its last segment", [](Design& d) { --d.HullLines[1].SegmentCount; }, false, false},
        {"the waterline again", [](Design& d) { d.WaterlineHeight += 0.4; }, true, false},
    };
    Hydrostatics kept;
    HydroInputs inputs;
    runHydrostatics(d, inputs, kept);
    for (const Edit& edit : edits) {
        edit.apply(d);
        Design copy = d;
        Hydrostatics fresh;
        runHydrostatics(copy, inputs, fresh);
        runHydrostatics(d, inputs, kept);
        EXPECT_TRUE(sameBits(everyResult(kept), everyResult(fresh))) << edit.what;
        const int solved = kept.sampleCache.linesSolved();
        const int expectedLow = edit.solvesAll ? d.LineCount : (edit.solvesNone ? 0 : 1);
        const int expectedHigh = edit.solvesNone ? 0 : (edit.solvesAll ? d.LineCount : d.LineCount - 1);
        EXPECT_TRUE(solved >= expectedLow && solved <= expectedHigh) << edit.what << ": " << solved;
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, KeptSamples, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });
