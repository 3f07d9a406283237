#include "model/floaterror.h"
#include "model/readout.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

#include <array>

using namespace model;

namespace {
constexpr double kL = 100, kB = 20, kD = 10;
constexpr double kEnd = 99.9;  // the waterline ends one slice short of the stern
constexpr double kOneSlice = kL / 1000 + 1e-9;
}  // namespace

// Hulls floating at 4" whose results are known exactly. The box's vertical
// sides give crossings with equal half-breadths at their ends, which count
// like any other; the five-line box crosses below the sheer, the vee's
// crossing lies in a deck panel: each fills its panel's half-breadth table.
// The wedge's slice k holds a volume in proportion to k: the slices before
// k = 708 are the first to hold half.
TEST(Hydrostatics, HullsWithKnownAnswers)
{
    const char* names[] = {"TotalVolume", "WetVolume", "TotalSurfaceArea", "WettedSurfaceArea", "WaterplaneArea",
                           "MaxSectionArea", "BeamWL", "Cb", "Cm", "Cp", "Cwp"};
    using Results = std::array<double, 11>;
    const Results box{20000, 8000, 6000, 2800, 2000, 80, 20, 1 / .999, 1, 1 / .999, 1 / .999};
    const double vee = std::hypot(kD, kB / 2), wedge = 0.4995;  // the wedge's breadths sum to 0.4995 of the box's
    const struct {
        const char* name;
        Design d;
        Results expected;
        double tolerance, centre, centreTolerance, top, bottom, displacement;  // top, bottom: the tables at 999
    } hulls[] = {
        {"box", prismHull(kL, boxSection(kB, kD), 4), box, kSumTolerance, 50, kOneSlice, 10, 0, 296.3},
        {"five lines", prismHull(kL, {{kD, 0}, {kD, 5}, {kD, 10}, {0, 10}, {0, 0}}, 4), box, kSumTolerance, 50,
         kOneSlice, 0, 10, 296.3},
        {"vee", prismHull(kL, {{kD, 0}, {kD, kB / 2}, {0, 0}}, 4),
         {10000, 1600, 2 * kL * (10 + vee), 2 * kL * std::hypot(4, 4), 800, 16, 8, .5 / .999, .5, 1 / .999, 1 / .999},
         kSumTolerance, 50, kOneSlice, 4, 0, 59.3},
        {"wedge", prismHull(kL, boxSection(kB, kD), 4, 0),
         {20000 * wedge, 8000 * wedge, 2 * kL * (kB * wedge + kD), 800 + 2000 * wedge, 2000 * wedge, 80 * .999,
          20 * .999, .5 / .999, 1, .5 / .999, .5 / .999},
         kSolverTolerance, 70.8, 1e-9, 9.99, 0, 148},
    };
    for (const auto& hull : hulls) {
        SCOPED_TRACE(hull.name);
        Design d = hull.d;
        const Hydrostatics h = hydrostaticsOf(d);
        const double got[] = {h.TotalVolume, h.WetVolume, h.TotalSurfaceArea, h.WettedSurfaceArea, h.WaterplaneArea,
                              h.MaxSectionArea, h.BeamWL, h.Cb, h.Cm, h.Cp, h.Cwp};
        for (int k = 0; k < 11; ++k) EXPECT_REL(got[k], hull.expected[k], hull.tolerance) << names[k];
        EXPECT_EQ(h.WaterlineStart, 0);  // the wedge's bow slice has no breadth, yet is cut
        EXPECT_REL(h.WaterlineEnd, kEnd, kSumTolerance);
        EXPECT_NEAR(h.LCBPosition, hull.centre, hull.centreTolerance);
        EXPECT_NEAR(h.LCF, hull.centre, hull.centreTolerance);
        EXPECT_NEAR(h.WaterlineHalfBreadthsTop[999], hull.top, pointTolerance(kL));
        EXPECT_NEAR(h.WaterlineHalfBreadthsBottom[999], hull.bottom, pointTolerance(kL));
        EXPECT_EQ(h.Displacement, hull.displacement);
    }
}

// Zero draft, waterline length, beam or section: every ratio over it is 0.
// One set of results serves every run: nothing of an earlier run may survive.
// A hull 12" deep and 10" in half-breadth whose keel rises from 40" to the
// deck at the bow: at 4" the waterline starts at the slice at 26.7, so LCB,
// LCF and Midship measured from X = 0 and from the waterline's start differ.
// Wet depth per slice is 0.3x - 8 up to 40" and 4 after: the slices' volume
// reaches half at 66.7, the waterplane (733 equal slices) at 63.4.
TEST(Hydrostatics, AWaterlineStartingAftOfTheBow)
{
    Design d = straightLines(kL, {{{0, 12, 0}, {kL, 12, 0}}, {{0, 12, 10}, {kL, 12, 10}},
                                  {{0, 12, 10}, {40, 0, 10}, {kL, 0, 10}}, {{0, 12, 0}, {40, 0, 0}, {kL, 0, 0}}}, 4);
    const Hydrostatics h = hydrostaticsOf(d);
    const std::pair<const char*, std::array<double, 2>> expected[] = {
        {"WaterlineStart", {h.WaterlineStart, 26.7}}, {"WaterlineEnd", {h.WaterlineEnd, kEnd}},
        {"LWL", {h.LWL, 73.2}},                       {"Midship", {h.Midship, 63.3}},
        {"LCBPosition", {h.LCBPosition, 66.7}},       {"LCB", {h.LCB, 40}},
        {"LCBFraction", {h.LCBFraction, 40 / 73.2}},  {"LCF", {h.LCF, 36.7}},
        {"LCFFraction", {h.LCFFraction, 36.7 / 73.2}}, {"Draft", {h.Draft, 4}},
        {"BeamWL", {h.BeamWL, 20}},                   {"MaxSectionArea", {h.MaxSectionArea, 80}}};
    for (const auto& [name, v] : expected) EXPECT_NEAR(v[0], v[1], 1e-9) << name;
    EXPECT_REL(h.WetVolume, 2 * (133 * 0.01 + 0.03 * 132 * 133 / 2) + 600 * 8, kSolverTolerance);
}

TEST(Hydrostatics, WaterlineAtALinesHeightAwashAndDry)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    Hydrostatics h;
    runHydrostatics(d, {}, h);
    d.WaterlineHeight = kD;  // at the deck: every section is wholly under water
    runHydrostatics(d, {}, h);
    EXPECT_EQ(h.WetVolume, h.TotalVolume);
    EXPECT_EQ(h.WettedSurfaceArea, h.TotalSurfaceArea);
    EXPECT_EQ(h.Draft, kD);
    for (double v : {h.WaterplaneArea, h.BeamWL, h.LWL, h.Cb, h.Cm, h.Cp, h.Cwp, h.LengthBeamRatio, h.TopSpeed,
                     h.LCBPosition, h.LCBFraction, h.LCFFraction, h.HalfVolumeSum, h.EntryHalfWidth, h.EntryHalfAngle})
        EXPECT_EQ(v, 0);

    d.WaterlineHeight = 0;  // at the keel: the bottom is wet, the sections have no wet area
    runHydrostatics(d, {}, h);
    EXPECT_REL(h.WaterplaneArea, kL * kB, kSumTolerance);
    EXPECT_REL(h.WettedSurfaceArea, kL * kB, kSumTolerance);
    EXPECT_REL(h.Cwp, 1 / .999, kSumTolerance);
    EXPECT_EQ(h.EntryHalfWidth, kB / 2);
    EXPECT_TRUE(h.lcbFound);  // at the first slice, where half of no volume lies
    for (double v : {h.WetVolume, h.Draft, h.Cb, h.Cm, h.Cp, h.WsaDisplacementRatio, h.LCBPosition}) EXPECT_EQ(v, 0);

    d.WaterlineHeight = -1;  // below the keel: dry, with a negative draft
    runHydrostatics(d, {}, h);
    EXPECT_EQ(h.Draft, -1);
    EXPECT_FALSE(h.lcbFound);
    EXPECT_EQ(h.volumeGraph.bars.size(), 1000u);
    for (double v : {h.WettedSurfaceArea, h.WaterplaneArea, h.BeamWL, h.WaterlineEnd, h.LCF, h.Cwp, h.Midship,
                     h.HalfWaterplaneSum, h.EntryHalfWidth, h.Displacement, h.WaterlineHalfBreadthsTop[10]})
        EXPECT_EQ(v, 0);

    // Without a design only the tables are emptied; a hull of no length cannot be integrated.
    d.WaterlineHeight = 4;
    h = hydrostaticsOf(d);
    d.DesignLoaded = false;
    EXPECT_FALSE(runHydrostatics(d, {}, h));
    EXPECT_REL(h.WetVolume, 8000, kSumTolerance);
    EXPECT_EQ(h.volumeGraph.bars.size(), 1000u);
    ASSERT_EQ(h.WaterlineHalfBreadthsTop.size(), 1001u);
    EXPECT_EQ(h.WaterlineHalfBreadthsTop[999], 0);
    d.DesignLoaded = true;
    d.HullLength = 0;
    EXPECT_THROW(runHydrostatics(d, {}, h), FloatError);
}

TEST(Hydrostatics, SingleSliceWaterlineAndHalfLengthKeel)
{
    // A keel dipping to 0 at midships only: one slice reaches a waterline of 0.005".
    Design dip = straightLines(kL, {{{0, 12, 0}, {kL, 12, 0}}, {{0, 12, 5}, {kL, 12, 5}},
                                    {{0, 10, 0}, {kL / 2, 0, 0}, {kL, 10, 0}}}, 0.005);
    const Hydrostatics h = hydrostaticsOf(dip);
    EXPECT_NEAR(h.WaterlineStart, kL / 2, 1e-9);
    EXPECT_EQ(h.WaterlineEnd, h.WaterlineStart);
    EXPECT_GT(h.BeamWL, 0);
    for (double v : {h.LWL, h.TopSpeed, h.Cb, h.Cp, h.Cwp, h.LengthBeamRatio, h.LCBFraction, h.LCFFraction})
        EXPECT_EQ(v, 0);

    // A keel covering the front half only: aft of it the line has no point
    // to count towards the draft.
    Design half = straightLines(kL, {{{0, 12, 0}, {kL, 12, 0}}, {{0, 12, 10}, {kL, 12, 10}},
                                     {{0, 2, 10}, {kL, 2, 10}}, {{0, 2, 0}, {kL / 2, 2, 0}}}, 4);
    EXPECT_EQ(hydrostaticsOf(half).Draft, 2);
}

TEST(HalfAngles, MeasuredInFromEachEndOfTheWaterline)
{
    // The wedge's half-breadth grows by kB / 2 over the length; its waterline runs from 0 to 99.9.
    Design wedge = prismHull(kL, boxSection(kB, kD), 4, 0);
    const Hydrostatics h = hydrostaticsOf(wedge, {false, "24", "36 inches"});
    EXPECT_EQ(h.ExitMeasuredFrom, 36);
    EXPECT_NEAR(h.EntryHalfWidth, 2.4, pointTolerance(kL));
    EXPECT_NEAR(h.ExitHalfWidth, 6.39, pointTolerance(kL));  // at 99.9 - 36
    const auto texts = halfAngleReadOut(h);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].control + " " + texts[0].text, "txtEntryHalfAngle 5.711");
    EXPECT_EQ(texts[1].control + " " + texts[1].text, "txtExitHalfAngle 10.065");

    // The box's sides stand 10" out: 45 degrees at 10", a little more over
    // the short 2 pi the angles have always used.
    Design box = prismHull(kL, boxSection(kB, kD), 4);
    const Hydrostatics b = hydrostaticsOf(box, {false, "10", "none"});
    EXPECT_NEAR(b.EntryHalfAngle, 45.0000022, 1e-7);
    EXPECT_EQ(b.ExitMeasuredFrom, 0);
    EXPECT_EQ(b.ExitHalfAngle, 0);  // no distance, no angle: not 90 degrees, nor NaN
    // Beyond the hull's end no line has a point; nothing clamps the station.
    EXPECT_EQ(hydrostaticsOf(box, {false, "200", "36"}).EntryHalfWidth, 0);
}
