#include "model/floaterror.h"
#include "model/hydrostatics.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;
using testsupport::prismHull;
using testsupport::wedgeHull;

namespace {
constexpr double kL = 100, kB = 20, kD = 10;
constexpr double kLastSlice = 0.999;  // the waterline ends one slice short of the stern
}  // namespace

// Vertical sides at the waterline: every crossing has equal half-breadths at
// its ends and must still be integrated.
TEST(Hydrostatics, BoxGivesEveryResultExactly)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    d.MaterialWeightPerSqFt = 0.5;
    const Hydrostatics h = hydrostaticsOf(d);
    EXPECT_REL(h.TotalVolume, kL * kB * kD, kSumTolerance);
    EXPECT_REL(h.WetVolume, kL * kB * 4, kSumTolerance);
    EXPECT_REL(h.TotalSurfaceArea, 2 * kL * (kB + kD), kSumTolerance);
    EXPECT_REL(h.WettedSurfaceArea, kL * (2 * 4 + kB), kSumTolerance);
    EXPECT_REL(h.WaterplaneArea, kL * kB, kSumTolerance);
    EXPECT_DOUBLE_EQ(h.MaxSectionArea, 4 * kB);
    EXPECT_DOUBLE_EQ(h.BeamWL, kB);
    EXPECT_EQ(h.WaterlineStart, 0);
    EXPECT_REL(h.WaterlineEnd, kLastSlice * kL, kSumTolerance);
    EXPECT_EQ(h.LWL, h.WaterlineEnd);
    EXPECT_EQ(h.Draft, 4);
    EXPECT_DOUBLE_EQ(h.LengthBeamRatio, 4.995);
    EXPECT_NEAR(h.TopSpeed, 3.866312, 1e-6);  // knots over 99.9"
    EXPECT_EQ(h.Displacement, 296.3);
    EXPECT_NEAR(h.KayakWeight, 20.8333333, 1e-7);  // 41.67 square feet at half a pound
    EXPECT_REL(h.WsaDisplacementRatio, 2800 / 400.0, kSumTolerance);  // 8000^(2/3) = 400
    EXPECT_REL(h.Cb, 4 * kB * kL / (kB * kL * kLastSlice * 4), kSumTolerance);
    EXPECT_REL(h.Cm, 1.0, kSumTolerance);
    EXPECT_REL(h.Cp, 1 / kLastSlice, kSumTolerance);
    EXPECT_REL(h.Cwp, 1 / kLastSlice, kSumTolerance);
    // Uniform slices: each centre lies within one slice of the middle.
    EXPECT_NEAR(h.LCBPosition, kL / 2, kL * 0.001 + 1e-9);
    EXPECT_NEAR(h.LCF, kL / 2, kL * 0.001 + 1e-9);
    EXPECT_EQ(h.LCB, h.LCBPosition);  // the waterline starts at the bow
    EXPECT_NEAR(h.LCBFraction, 0.5, 0.0011);
    EXPECT_NEAR(h.Midship, 49.95, 1e-12);
    EXPECT_DOUBLE_EQ(h.overallLength, kL);
}

TEST(Hydrostatics, WedgeInPlanPlacesTheCentresAtTheFirstSliceBeyondHalf)
{
    // Slice k holds a volume in proportion to k. The slices before k = 708
    // hold 708 * 707 / 2 of the 1000 * 999 / 2 total, the first to pass half;
    // counting slice k itself would stop at 707.
    Design d = wedgeHull(kL, boxSection(kB, kD), 4);
    const Hydrostatics h = hydrostaticsOf(d);
    constexpr double kSliceSum = 499.5 * 0.001;  // the t of all slices, summed
    EXPECT_REL(h.WetVolume, kL * kB * 4 * kSliceSum, kSolverTolerance);
    EXPECT_REL(h.TotalVolume, kL * kB * kD * kSliceSum, kSolverTolerance);
    EXPECT_REL(h.WaterplaneArea, kL * kB * kSliceSum, kSolverTolerance);
    EXPECT_REL(h.TotalSurfaceArea, 2 * kL * (kB * kSliceSum + kD), kSolverTolerance);
    EXPECT_REL(h.WettedSurfaceArea, 2 * kL * 4 + kL * kB * kSliceSum, kSolverTolerance);
    EXPECT_REL(h.BeamWL, kB * kLastSlice, kSolverTolerance);
    EXPECT_REL(h.MaxSectionArea, 4 * kB * kLastSlice, kSolverTolerance);
    EXPECT_NEAR(h.LCBPosition, 0.708 * kL, 1e-9);
    EXPECT_NEAR(h.LCF, 0.708 * kL, 1e-9);
    EXPECT_EQ(h.Displacement, 148);
    EXPECT_EQ(h.TargetDisplacement, 0);
    // The bow slice has no breadth, yet the waterline starts there.
    EXPECT_EQ(h.WaterlineStart, 0);
    EXPECT_REL(h.WaterlineEnd, kLastSlice * kL, kSumTolerance);
}

TEST(Hydrostatics, VeeSectionAndCrossingsFillTheTableOfTheirPanel)
{
    // Deck centre, sheer, keel: the waterline crosses segment 2, a deck panel.
    Design vee = prismHull(kL, {{kD, 0}, {kD, kB / 2}, {0, 0}}, 4);
    const Hydrostatics h = hydrostaticsOf(vee);
    const double z = kB / 2 * 4 / kD;  // half-breadth at the waterline
    EXPECT_REL(h.WetVolume, 4 * z * kL, kSumTolerance);
    EXPECT_REL(h.TotalVolume, kD * kB / 2 * kL, kSumTolerance);
    EXPECT_REL(h.WaterplaneArea, 2 * z * kL, kSumTolerance);
    EXPECT_REL(h.WettedSurfaceArea, 2 * kL * std::hypot(4, z), kSumTolerance);
    EXPECT_REL(h.TotalSurfaceArea, 2 * kL * (kB / 2 + std::hypot(kD, kB / 2)), kSumTolerance);
    // Five lines: the crossing lies in segment 3, a hull panel below the sheer.
    Design fiveLines = prismHull(kL, {{kD, 0}, {kD, 5}, {kD, kB / 2}, {0, kB / 2}, {0, 0}}, 4);
    const Hydrostatics five = hydrostaticsOf(fiveLines);
    for (int k = 0; k < kVolumeSlices; ++k) {
        ASSERT_NEAR(h.WaterlineHalfBreadthsTop[k], z, 1e-12) << k;
        ASSERT_EQ(h.WaterlineHalfBreadthsBottom[k], 0) << k;
        ASSERT_EQ(five.WaterlineHalfBreadthsBottom[k], kB / 2) << k;
        ASSERT_EQ(five.WaterlineHalfBreadthsTop[k], 0) << k;
    }
}

TEST(Hydrostatics, ExactlyAThousandSlicesFillTablesAndGraph)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    d.CockpitCount = 2;
    const Hydrostatics h = hydrostaticsOf(d);
    EXPECT_EQ(h.VolumeSliceCount, 1000);
    ASSERT_EQ(h.WaterlineHalfBreadthsTop.size(), 1001u);
    ASSERT_EQ(h.WaterlineHalfBreadthsBottom.size(), 1001u);
    EXPECT_EQ(h.WaterlineHalfBreadthsTop[999], kB / 2);
    EXPECT_EQ(h.WaterlineHalfBreadthsTop[1000], 0);
    const auto& bars = h.volumeGraph.bars;
    ASSERT_EQ(bars.size(), 1000u);
    EXPECT_EQ(bars.front().x, 0);
    EXPECT_NEAR(bars.back().x, kLastSlice * kL, 1e-12);
    for (const auto& bar : bars) ASSERT_NEAR(bar.v, kB * 4 * kL / 1000, 1e-12);
    const ViewExtent& e = h.volumeGraph.extent;
    EXPECT_EQ(e.XMin, 0);
    EXPECT_EQ(e.XMax, 100);
    EXPECT_EQ(e.YMin, -2);
    EXPECT_EQ(e.YMax, 40);
}

TEST(Hydrostatics, WaterlineAtALinesHeightCountsThatLineAsWet)
{
    // At the deck: every section is wholly under water.
    Design awash = prismHull(kL, boxSection(kB, kD), kD);
    const Hydrostatics a = hydrostaticsOf(awash);
    EXPECT_EQ(a.WetVolume, a.TotalVolume);
    EXPECT_EQ(a.WettedSurfaceArea, a.TotalSurfaceArea);
    for (double v : {a.WaterplaneArea, a.BeamWL, a.LWL, a.Cb, a.Cm, a.Cp, a.Cwp, a.LengthBeamRatio, a.TopSpeed,
                     a.LCBPosition, a.LCBFraction, a.LCFFraction, a.EntryHalfWidth, a.EntryHalfAngle})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(a.Draft, kD);

    // At the keel: the bottom is wet, the sections have no wet area, and
    // every coefficient over a zero draft or zero section is 0.
    Design keel = prismHull(kL, boxSection(kB, kD), 0);
    const Hydrostatics k = hydrostaticsOf(keel);
    EXPECT_EQ(k.WetVolume, 0);
    EXPECT_REL(k.WaterplaneArea, kL * kB, kSumTolerance);
    EXPECT_REL(k.WettedSurfaceArea, kL * kB, kSumTolerance);
    EXPECT_EQ(k.Draft, 0);
    for (double v : {k.Cb, k.Cm, k.Cp, k.WsaDisplacementRatio, k.LCBPosition}) EXPECT_EQ(v, 0);
    EXPECT_REL(k.Cwp, 1 / kLastSlice, kSumTolerance);
    EXPECT_EQ(k.EntryHalfWidth, kB / 2);
}

TEST(Hydrostatics, DryHullHasNoWaterlineAndANegativeDraft)
{
    Design d = prismHull(kL, boxSection(kB, kD), -1);
    const Hydrostatics h = hydrostaticsOf(d);
    for (double v : {h.WetVolume, h.WettedSurfaceArea, h.WaterplaneArea, h.BeamWL, h.LWL, h.TopSpeed,
                     h.WsaDisplacementRatio, h.Cb, h.Cm, h.Cp, h.Cwp, h.LCBPosition, h.LCF, h.Displacement})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(h.Draft, -1);
    EXPECT_FALSE(h.lcbFound);
    EXPECT_REL(h.TotalVolume, kL * kB * kD, kSumTolerance);
}

TEST(Hydrostatics, SingleCutSliceGivesAZeroLengthWaterline)
{
    // A keel dipping to 0 at midships only: one slice reaches a waterline of 0.005".
    testsupport::DesignBuilder b(kL);
    b.polyline(std::vector<int>{b.pointAt(kBowPoint, {0, 12, 0}), b.pointAt(kSternPoint, {kL, 12, 0})});
    b.polyline(std::vector<testsupport::Inches>{{0, 12, 5}, {kL, 12, 5}});
    b.polyline(std::vector<testsupport::Inches>{{0, 10, 0}, {kL / 2, 0, 0}, {kL, 10, 0}});
    Design d = b.waterline(0.005).build();
    const Hydrostatics h = hydrostaticsOf(d);
    EXPECT_NEAR(h.WaterlineStart, kL / 2, 1e-9);
    EXPECT_EQ(h.WaterlineEnd, h.WaterlineStart);
    EXPECT_EQ(h.LWL, 0);
    EXPECT_EQ(h.TopSpeed, 0);
    EXPECT_GT(h.BeamWL, 0);
    for (double v : {h.Cb, h.Cp, h.Cwp, h.LengthBeamRatio, h.LCBFraction, h.LCFFraction}) EXPECT_EQ(v, 0);
}

TEST(Hydrostatics, DraftCountsOnlyLinesThatCoverTheSlice)
{
    // The keel covers the front half only; aft of it the line has no point.
    testsupport::DesignBuilder b(kL);
    b.polyline(std::vector<int>{b.pointAt(kBowPoint, {0, 12, 0}), b.pointAt(kSternPoint, {kL, 12, 0})});
    b.polyline(std::vector<testsupport::Inches>{{0, 12, 10}, {kL, 12, 10}});
    b.polyline(std::vector<testsupport::Inches>{{0, 2, 10}, {kL, 2, 10}});
    b.polyline(std::vector<testsupport::Inches>{{0, 2, 0}, {kL / 2, 2, 0}});
    Design d = b.waterline(4).build();
    const Hydrostatics h = hydrostaticsOf(d);
    EXPECT_EQ(h.Draft, 2);
    EXPECT_EQ(h.lowestLineHeight, 2);
    EXPECT_EQ(h.highestLineHeight, 12);
}

TEST(Hydrostatics, EveryRunStartsFromZeroAndNoDesignOnlyEmptiesTheTables)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    Hydrostatics h;
    runHydrostatics(d, {}, h);
    d.WaterlineHeight = -1;  // dry: nothing of the wet run may survive
    runHydrostatics(d, {}, h);
    for (double v : {h.WetVolume, h.WaterplaneArea, h.BeamWL, h.WaterlineEnd, h.LCBPosition, h.LCF,
                     h.HalfVolumeSum, h.HalfWaterplaneSum, h.Midship, h.EntryHalfWidth, h.Cb})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(h.WaterlineHalfBreadthsTop[10], 0);

    d.WaterlineHeight = 4;
    runHydrostatics(d, {}, h);
    const double wet = h.WetVolume;
    const std::size_t bars = h.volumeGraph.bars.size();
    d.DesignLoaded = false;
    EXPECT_FALSE(runHydrostatics(d, {}, h));
    EXPECT_EQ(h.WetVolume, wet);
    EXPECT_EQ(h.volumeGraph.bars.size(), bars);
    EXPECT_EQ(h.WaterlineHalfBreadthsTop.size(), 1001u);
    EXPECT_EQ(h.WaterlineHalfBreadthsTop[10], 0);
}

TEST(Hydrostatics, TargetIgnoresTheSecondPaddlerOfAOneCockpitDesign)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    d.MaterialWeightPerSqFt = 0.5;  // 20.8333... pounds of skin
    d.CargoWeight = 10;
    d.PaddlerWeights = {0, 150, 70};
    EXPECT_EQ(hydrostaticsOf(d).TargetDisplacement, 180.8);
    d.CockpitCount = 2;
    EXPECT_EQ(hydrostaticsOf(d).TargetDisplacement, 250.8);
}

TEST(Hydrostatics, AZeroLengthHullIsAnError)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    d.HullLength = 0;
    Hydrostatics h;
    EXPECT_THROW(runHydrostatics(d, {}, h), FloatError);
}
