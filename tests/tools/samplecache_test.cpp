// A run that reads the hull lines' kept samples gives, to the bit, what a
// fresh run gives: on every template, through waterline moves, point drags,
// edits of every line, a new length and a changed segment list.

#include "tests/tools/templatecase.h"

#include "model/hydrostatics.h"

#include <gtest/gtest.h>

#include <cstring>
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

class KeptSamples : public ::testing::TestWithParam<Expected> {};

TEST_P(KeptSamples, GiveTheResultsOfAFreshRun)
{
    Design d = templatecase::loadFromSources(GetParam().name);
    templatecase::makeNewDesign(d);
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

INSTANTIATE_TEST_SUITE_P(Templates, KeptSamples, ::testing::ValuesIn(templatecase::allTemplates()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
