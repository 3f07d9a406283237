// Hydrostatics and what is built on it (read-outs, cockpit placement, the waterline search), run on hulls of straight
// lines with known answers.
#include "model/hull/floaterror.h"
#include "model/hydrostatics/cockpitpositioning.h"
#include "model/hydrostatics/hydrostatics.h"
#include "model/hydrostatics/readout.h"
#include "model/hydrostatics/waterlinesearch.h"
#include "tests/support/designbuilder.h"
#include "tests/support/sameresults.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

using namespace model;
using testsupport::addCockpit;

namespace {

constexpr double kL = 100, kB = 20, kD = 10;
constexpr double kEnd = 99.9;  // the waterline ends one slice short of the stern
constexpr double kOneSlice = kL / 1000 + 1e-9;
constexpr double kCockpitBoxBeam = 24;  // half beam unlike depth: swapped axes show
constexpr double kSearchBoxBeam = 40;   // about 148 pounds per inch of draft

constexpr double kSumTolerance = 1e-12;  // 1000 rounded additions of equal slices
// The closed-form cubic places a point of a sloping straight line within about 5e-10 hull lengths of it; sums over
// the slices agree to 1e-8.
constexpr double kSolverTolerance = 1e-8, kPointTolerance = 1e-9 * kL;

#define EXPECT_REL(actual, expected, tolerance) EXPECT_NEAR((actual), (expected), std::abs(expected) * (tolerance))

Hydrostatics hydrostaticsOf(Design& d, HydroInputs inputs = {})
{
    Hydrostatics h;
    return runHydrostatics(d, inputs, h), h;
}

// Lines of straight segments through their anchors (x, height, half-breadth), inches; line 1 runs straight from the
// bow point (its first anchor) to the stern point (its last).
Design straightLines(double length, const std::vector<std::vector<testsupport::Inches>>& lines, double waterline)
{
    testsupport::DesignBuilder b(length);
    b.polyline(std::vector<int>{b.pointAt(kBowPoint, lines[0].front()), b.pointAt(kSternPoint, lines[0].back())});
    for (std::size_t k = 1; k < lines.size(); ++k) b.polyline(lines[k]);
    return b.waterline(waterline).build();
}

struct SectionPoint { double y, z; };  // one hull line's place in a cross-section: height and half-breadth

std::vector<SectionPoint> boxSection(double beam, double depth)  // deck centre, sheer, chine, keel
{
    return {{depth, 0}, {depth, beam / 2}, {0, beam / 2}, {0, 0}};
}

// Line k runs straight from bow to stern at section[k]: a prism. With `bowShare` 0 every half-breadth grows from 0 at
// the bow instead: a wedge in plan.
Design prismHull(double length, const std::vector<SectionPoint>& section, double waterline, double bowShare = 1)
{
    std::vector<std::vector<testsupport::Inches>> lines;
    for (const SectionPoint& s : section) lines.push_back({{0, s.y, s.z * bowShare}, {length, s.y, s.z}});
    return straightLines(length, lines, waterline);
}

const HydroInputs kAuto{true, "36", "36"};

double rimInches(const Design& d, int k, int j) { return d.point(d.Cockpits[k].RimPoints[j]).X * kL; }

// A box floating at 4", its LCB within a slice of the middle. Cockpit 1's rear end is at 40", 30" long, its paddler
// 10" ahead; cockpit 2's at 85", 25", 8".
Design boxWithCockpits(int count)
{
    Design d = prismHull(kL, boxSection(kCockpitBoxBeam, kD), 4);
    addCockpit(d, 1, 40, 30, 10, kD);
    if (count == 2) addCockpit(d, 2, 85, 25, 8, kD);
    return d;
}

// A box of no weight with one paddler aboard; at 2" it displaces 296.3 pounds.
struct Floating {
    explicit Floating(double paddler, double waterline = 2)
        : d(prismHull(kL, boxSection(kSearchBoxBeam, kD), waterline))
    {
        d.PaddlerWeights = {0, paddler, 0};
        runHydrostatics(d, {}, h);
    }
    SearchOutcome run(const std::function<void()>& afterPass = {}) { return detect(d, HydroInputs{}, h, afterPass); }
    Design d;
    Hydrostatics h;
};

}  // namespace

// Hulls floating at 4" whose results are known exactly. The box's vertical sides give crossings with equal
// half-breadths at their ends, which count like any other; the five-line box crosses below the sheer, the vee's
// crossing lies in a deck panel: each fills its panel's half-breadth table. The wedge's slice k holds a volume in
// proportion to k: the slices before k = 708 are the first to hold half.
TEST(Hydrostatics, HullsWithKnownAnswers)
{
    const char* names[] = {"TotalVolume", "WetVolume", "TotalSurfaceArea", "WettedSurfaceArea", "WaterplaneArea",
                           "MaxSectionArea", "BeamWL", "Cb", "Cm", "Cp", "Cwp"};
    using Results = std::array<double, 11>;
    const Results box{20000, 8000, 6000, 2800, 2000, 80, 20, 1 / .999, 1, 1 / .999, 1 / .999};
    const double vee = std::hypot(kD, kB / 2), wedge = 0.4995;  // the wedge's breadths sum to 0.4995 of the box's
    const struct {
        const char* name; Design d; Results expected;
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
        EXPECT_EQ(std::pair(h.WaterlineStart, h.Displacement), std::pair(0.0, hull.displacement));  // the wedge's
        EXPECT_REL(h.WaterlineEnd, kEnd, kSumTolerance);  // bow slice has no breadth, yet is cut
        for (double centre : {h.LCBPosition, h.LCF}) EXPECT_NEAR(centre, hull.centre, hull.centreTolerance);
        EXPECT_NEAR(h.WaterlineHalfBreadthsTop[999], hull.top, kPointTolerance);
        EXPECT_NEAR(h.WaterlineHalfBreadthsBottom[999], hull.bottom, kPointTolerance);
    }
}

// A hull 12" deep and 10" in half-breadth whose keel rises from 40" to the deck at the bow: at 4" the waterline
// starts at the slice at 26.7, so LCB, LCF and Midship measured from X = 0 and from the waterline's start differ. Wet
// depth per slice is 0.3x - 8 up to 40" and 4 after: the slices' volume reaches half at 66.7, the waterplane (733
// equal slices) at 63.4.
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

// Zero draft, waterline length, beam or section: every ratio over it is 0. One set of results serves every run:
// nothing of an earlier run may survive.
TEST(Hydrostatics, WaterlinesAtALinesHeightAwashDryOrOneSliceLong)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    Hydrostatics h;
    runHydrostatics(d, {}, h);
    d.WaterlineHeight = kD;  // at the deck: every section is wholly under water
    runHydrostatics(d, {}, h);
    EXPECT_EQ(std::tuple(h.WetVolume, h.WettedSurfaceArea, h.Draft), std::tuple(h.TotalVolume, h.TotalSurfaceArea, kD));
    for (double v : {h.WaterplaneArea, h.BeamWL, h.LWL, h.Cb, h.Cm, h.Cp, h.Cwp, h.LengthBeamRatio, h.TopSpeed,
                     h.LCBPosition, h.LCBFraction, h.LCFFraction, h.HalfVolumeSum, h.EntryHalfWidth, h.EntryHalfAngle})
        EXPECT_EQ(v, 0);

    d.WaterlineHeight = 0;  // at the keel: the bottom is wet, the sections have no wet area
    runHydrostatics(d, {}, h);
    for (double area : {h.WaterplaneArea, h.WettedSurfaceArea}) EXPECT_REL(area, kL * kB, kSumTolerance);
    EXPECT_REL(h.Cwp, 1 / .999, kSumTolerance);
    EXPECT_TRUE(h.EntryHalfWidth == kB / 2 && h.lcbFound);  // found at the first slice, where half of no volume lies
    for (double v : {h.WetVolume, h.Draft, h.Cb, h.Cm, h.Cp, h.WsaDisplacementRatio, h.LCBPosition}) EXPECT_EQ(v, 0);

    d.WaterlineHeight = -1;  // below the keel: dry, with a negative draft
    runHydrostatics(d, {}, h);
    EXPECT_EQ(std::tuple(h.Draft, h.lcbFound, h.volumeGraph.bars.size()), std::tuple(-1.0, false, std::size_t(1000)));
    for (double v : {h.WettedSurfaceArea, h.WaterplaneArea, h.BeamWL, h.WaterlineEnd, h.LCF, h.Cwp, h.Midship,
                     h.HalfWaterplaneSum, h.EntryHalfWidth, h.Displacement, h.WaterlineHalfBreadthsTop[10]})
        EXPECT_EQ(v, 0);

    // Without a design only the tables are emptied; a hull of no length cannot be integrated.
    d.WaterlineHeight = 4;
    h = hydrostaticsOf(d);
    d.DesignLoaded = false;
    EXPECT_FALSE(runHydrostatics(d, {}, h));
    EXPECT_REL(h.WetVolume, 8000, kSumTolerance);
    ASSERT_TRUE(h.volumeGraph.bars.size() == 1000 && h.WaterlineHalfBreadthsTop.size() == 1001);
    EXPECT_EQ(h.WaterlineHalfBreadthsTop[999], 0);
    d.DesignLoaded = true;
    d.HullLength = 0;
    EXPECT_THROW(runHydrostatics(d, {}, h), FloatError);

    // A keel dipping to 0 at midships only: one slice reaches a waterline of 0.005".
    Design dip = straightLines(kL, {{{0, 12, 0}, {kL, 12, 0}}, {{0, 12, 5}, {kL, 12, 5}},
                                    {{0, 10, 0}, {kL / 2, 0, 0}, {kL, 10, 0}}}, 0.005);
    runHydrostatics(dip, {}, h);
    EXPECT_NEAR(h.WaterlineStart, kL / 2, 1e-9);
    EXPECT_TRUE(h.WaterlineEnd == h.WaterlineStart && h.BeamWL > 0);
    for (double v : {h.LWL, h.TopSpeed, h.Cb, h.Cp, h.Cwp, h.LengthBeamRatio, h.LCBFraction, h.LCFFraction})
        EXPECT_EQ(v, 0);

    // A keel covering the front half only: aft of it the line has no point to count towards the draft.
    Design half = straightLines(kL, {{{0, 12, 0}, {kL, 12, 0}}, {{0, 12, 10}, {kL, 12, 10}},
                                     {{0, 2, 10}, {kL, 2, 10}}, {{0, 2, 0}, {kL / 2, 2, 0}}}, 4);
    EXPECT_EQ(hydrostaticsOf(half).Draft, 2);
}

// The box floating at 4": 99.9" of waterline, 41.67 square feet of skin at half a pound, 8000 cubic inches wet, 2800
// square inches wetted. Its second paddler has no cockpit; cockpit record 2 is written all the same.
TEST(ReadOut, WritesFortyOneTextsInOrderWithTheirDecimalsAndUnitsAndTheHalfAngles)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    d.MaterialWeightPerSqFt = 0.5;
    d.PaddlerWeights = {0, 180.25, 70};
    const auto texts = designDataReadOut(d, hydrostaticsOf(d), 21);
    ASSERT_EQ(texts.size(), std::size_t(kDesignDataReadOuts));
    const struct { int index; const char *control, *text; } rows[] = {
        {0, "lblMidship", "49.95\""}, {3, "lblFrontDepth2", "0\""}, {5, "txtKayakLength", "100"},
        {6, "txtLWL", "99.9\""}, {8, "txtKayakWidth", "21"}, {10, "txtDraft", "4\""},
        {11, "txtPaddlerWeight", "180.25"}, {14, "txtKayakWeight", "20.833"}, {15, "txtTargetDisplacement", "201.1"},
        {17, "txtTotalVolumeGallons", "86.58 Gallons"}, {18, "txtWV", "4.62963 ft^3"}, {20, "txtDisplacement", "296.3"},
        {22, "txtTSA", "41.667 ft^2"}, {25, "txtLengthtoBeamRatio", "4.995"}, {26, "txtWSAtoDisplacementRatio", "7"},
        {27, "txtTheoreticalTopSpeed", "3.87 Knots"}, {29, "txtCb", "1.001001001"}, {34, "txtLCBPercent", "50.05%"},
        {37, "txtLCBForm", "Swede Form"}, {40, "lblFlare", "0.5\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(texts[row.index].control + " " + texts[row.index].text, std::string(row.control) + " " + row.text);
    EXPECT_EQ(hullFormText(0.5), "Fish Form");  // Swede only when the LCB lies aft of the middle

    // Half angles, measured in from each end of the waterline. The wedge's half-breadth grows by kB / 2 over the
    // length; its waterline runs from 0 to 99.9.
    Design wedge = prismHull(kL, boxSection(kB, kD), 4, 0);
    const Hydrostatics h = hydrostaticsOf(wedge, {false, "24", "36 inches"});
    EXPECT_EQ(h.ExitMeasuredFrom, 36);
    EXPECT_NEAR(h.EntryHalfWidth, 2.4, kPointTolerance);
    EXPECT_NEAR(h.ExitHalfWidth, 6.39, kPointTolerance);  // at 99.9 - 36
    std::string angles;
    for (const auto& t : halfAngleReadOut(h)) angles += t.control + " " + t.text + ";";
    EXPECT_EQ(angles, "txtEntryHalfAngle 5.711;txtExitHalfAngle 10.065;");

    // The box's sides stand 10" out: 45 degrees at 10", a little more over the short 2 pi the angles have always
    // used.
    Design box = prismHull(kL, boxSection(kB, kD), 4);
    const Hydrostatics b = hydrostaticsOf(box, {false, "10", "none"});
    EXPECT_NEAR(b.EntryHalfAngle, 45.0000022, 1e-7);
    EXPECT_EQ(std::pair(b.ExitMeasuredFrom, b.ExitHalfAngle), std::pair(0.0, 0.0));  // no distance, no angle: not 90
    // Beyond the hull's end no line has a point; nothing clamps the station.
    EXPECT_EQ(hydrostaticsOf(box, {false, "200", "36"}).EntryHalfWidth, 0);
}

TEST(PositionCockpits, PaddlersBalanceOverTheLCBWhenAskedAndAfloatAndTheRimsMoveRigidly)
{
    // Cockpits, rim points each, paddler weights, the target displacement (rounded to 0.1 as the user reads it) and
    // how far the first paddler sits ahead of the LCB; two sit 40" apart, and weightless paddlers split that equally.
    // Eight rim points are enough: 2, 3 and 8 place a cockpit.
    const struct { int count, rims; double w1, w2, target, ahead; } cases[] = {
        {1, 9, 150, 50, 150, 0},  {2, 9, 150, 50, 200, 10}, {2, 9, 80, 80, 160, 20},
        {2, 9, 0, 0, 0, 20},      {1, 8, 76.55, 50, 76.6, 0}, {2, 8, 100.3, 50.05, 150.4, 40 * 50.05 / 150.35}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " cockpits of " << c.rims << " rim points carrying " << c.w1
                                        << " and " << c.w2);
        Design d = boxWithCockpits(c.count);
        for (int k = 1; k <= c.count; ++k) d.Cockpits[k].RimPointCount = std::int16_t(c.rims);
        d.Cockpits[1].DistanceBetweenCockpits = 40;
        d.PaddlerWeights = {0, c.w1, c.w2};
        d.ControlPoints[d.Cockpits[1].RimPoints[3]].Position.X += 0.01;  // a front end that drifted
        const Design before = d;
        const Hydrostatics h = hydrostaticsOf(d, kAuto);
        EXPECT_EQ(h.TargetDisplacement, c.target);  // a skin of no weight
        for (int k = 1; k <= c.count; ++k) {
            const double cg = h.LCBPosition - c.ahead + 40 * (k - 1);
            const double shift = rimInches(d, k, 8) - rimInches(before, k, 8);
            EXPECT_NEAR(rimInches(d, k, 8) - d.Cockpits[k].AftToCG, cg, 1e-12) << k;
            EXPECT_NEAR(d.Cockpits[k].CG.X * kL, cg, 1e-12) << k;
            for (int j : {1, 4, 5, 6, 7}) EXPECT_NEAR(rimInches(d, k, j), rimInches(before, k, j) + shift, 1e-12);
            // A rim point the cockpit does not have stays where it was.
            EXPECT_EQ(rimInches(d, k, 9), rimInches(before, k, 9) + (c.rims == 9 ? shift : 0));
            // The front end goes back to one cockpit length ahead of the rear.
            for (int j : {2, 3}) EXPECT_NEAR(rimInches(d, k, 8) - rimInches(d, k, j), d.Cockpits[k].Length, 1e-12);
        }
    }

    // Cockpits stay put when dry, awash, at the keel (an LCB but no draft), not asked, or without rim point 8.
    const struct { double waterline; bool asked; std::int16_t rims; } idle[] = {
        {-1, true, 9}, {kD, true, 9}, {0, true, 9}, {4, false, 9}, {4, true, 7}};
    for (const auto& c : idle) {
        Design d = boxWithCockpits(1);
        d.WaterlineHeight = c.waterline;
        d.Cockpits[1].RimPointCount = c.rims;
        hydrostaticsOf(d, {c.asked, "36", "36"});
        EXPECT_EQ(rimInches(d, 1, 8), 40) << c.waterline << " " << c.rims;
    }

    // Depths at the rim ends of both records, under a deck rising from 10" at the bow to 20" at the stern.
    Design d = straightLines(kL, {{{0, 10, 0}, {kL, 20, 0}}, {{0, 10, 10}, {kL, 20, 10}},
                                  {{0, 0, 10}, {kL, 0, 10}}, {{0, 0, 0}, {kL, 0, 0}}}, 4);
    addCockpit(d, 1, 70, 30, 10, 15);
    hydrostaticsOf(d);
    for (auto [depth, expected] : {std::pair{d.Cockpits[1].FrontDepth, 14.0}, {d.Cockpits[1].RearDepth, 17.0}})
        EXPECT_NEAR(depth, expected, kPointTolerance);
    EXPECT_TRUE(d.Cockpits[2].FrontDepth == 0 && d.Cockpits[2].RearDepth == 0);  // record 2 has no rim here

    // A rim index outside the control points: no depth, and the cockpit stays put.
    d.Cockpits[1].RimPoints[2] = 999;
    hydrostaticsOf(d, kAuto);
    EXPECT_EQ(std::pair(d.Cockpits[1].FrontDepth, rimInches(d, 1, 8)), std::pair(0.0, 70.0));
}

TEST(WaterlineSearch, StepsAnInchPerHundredPoundsTurnsBackAtATenthAndStops)
{
    Floating f(546.3);  // 250 pounds short
    std::vector<double> heights;
    const SearchOutcome out = f.run([&] { heights.push_back(f.d.WaterlineHeight); });
    ASSERT_GE(heights.size(), 6u);
    const double expected[6] = {4.5, 4.25, 4.0, 3.75, 3.5, 3.525};
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(heights[k], expected[k], 1e-12) << k;
    EXPECT_TRUE(out.reached && f.h.Displacement == f.h.TargetDisplacement);

    // More than the whole box displaces; a negative weight, below the keel.
    for (auto [paddler, bound] : {std::pair{5000.0, kD}, std::pair{-50.0, 0.0}}) {
        Floating bounded(paddler);
        const SearchOutcome stopped = bounded.run();
        EXPECT_TRUE(bounded.d.WaterlineHeight == bound && !stopped.reached && stopped.passes < kMaxSearchPasses)
            << paddler << " stopped at " << bounded.d.WaterlineHeight;
    }
    // Results that cross the target every third pass and never meet it.
    Floating crossing(0, 5);
    std::tie(crossing.h.TargetDisplacement, crossing.h.Displacement) = std::pair(100.0, 90.0);
    int pass = 0;
    const SearchOutcome endless =
        detect(crossing.d, crossing.h, {[&] { crossing.h.Displacement = (++pass / 3) % 2 == 0 ? 90 : 110; }, {}});
    EXPECT_EQ(std::pair(endless.passes, endless.reached), std::pair(kMaxSearchPasses, false));

    // No search without a design, nor inside a search.
    Floating unloaded(400);
    unloaded.d.DesignLoaded = false;
    EXPECT_FALSE(unloaded.run().ran || unloaded.d.WaterlineHeight != 2);
    Floating outer(400);
    SearchOutcome inner{true};
    EXPECT_TRUE(outer.run([&] { inner = outer.run(); }).reached && !inner.ran);
    EXPECT_TRUE(outer.run().ran);  // and the guard is released
}

// A run that raises leaves the results as they were and its line samples fit
// for the next run, which gives to the bit what a fresh program gives.
TEST(Hydrostatics, ARunThatRaisesLeavesTheResultsAndTheNextRunIsAsAFreshProgramsRun)
{
    using testsupport::differingResults;
    using Names = std::vector<std::string>;
    Design d = testsupport::cockpitKayak();
    Hydrostatics h;
    runHydrostatics(d, {}, h);
    const Hydrostatics before = h;

    // A measured-from distance too large to read: raised before any slice.
    EXPECT_THROW(runHydrostatics(d, {false, "1e400", "36"}, h), FloatError);
    EXPECT_EQ(differingResults(h, before), Names{});

    // A deck handle dragged out of reach: raised while the outlines are
    // measured, and again by a second run of the same hull rather than
    // trusting outlines measured halfway.
    Design far = d;
    const int handle = far.CurveSegments[far.HullLines[1].Segments[1]].StartHandle;
    far.ControlPoints[handle].Position.Y = 1e200;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        EXPECT_THROW(runHydrostatics(far, {}, h), FloatError) << attempt;
        EXPECT_EQ(differingResults(h, before), Names{}) << attempt;
    }

    // The handle put somewhere sound.
    Design moved = d;
    moved.ControlPoints[handle].Position.Y *= 1.05;
    Design movedAgain = moved;
    Hydrostatics fresh;
    runHydrostatics(moved, {}, h);
    runHydrostatics(movedAgain, {}, fresh);
    EXPECT_EQ(differingResults(h, fresh), Names{});
    EXPECT_NE(differingResults(h, before), Names{});
}
