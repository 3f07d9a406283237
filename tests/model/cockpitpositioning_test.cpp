#include "model/cockpitpositioning.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

#include <utility>

using namespace model;
using testsupport::addCockpit;

namespace {

constexpr double kL = 100, kB = 24, kD = 10;  // half beam unlike depth: swapped axes show
const HydroInputs kAuto{true, "36", "36"};

double rimInches(const Design& d, int k, int j) { return d.point(d.Cockpits[k].RimPoints[j]).X * kL; }

// A box floating at 4", its LCB within a slice of the middle. Cockpit 1's
// rear end is at 40", 30" long, its paddler 10" ahead; cockpit 2's at 85", 25", 8".
Design boxWithCockpits(int count)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    addCockpit(d, 1, 40, 30, 10, kD);
    if (count == 2) addCockpit(d, 2, 85, 25, 8, kD);
    return d;
}

}  // namespace

TEST(PositionCockpits, PaddlersBalanceOverTheLCBAndTheRimsMoveRigidly)
{
    // Cockpits, rim points each, paddler weights, the target displacement
    // (rounded to 0.1 as the user reads it) and how far the first paddler
    // sits ahead of the LCB; two sit 40" apart, and weightless paddlers split
    // that equally. Eight rim points are enough: 2, 3 and 8 place a cockpit.
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
}

TEST(PositionCockpits, StaysPutUnlessAskedAndTheHullFloatsOnAWaterline)
{
    // Dry: no draft. Awash: no waterline length. At the keel: the LCB is found,
    // but the draft is 0. Not asked: never moved. Without a rear end (rim point 8).
    const struct { double waterline; bool asked; std::int16_t rims; } cases[] = {
        {-1, true, 9}, {kD, true, 9}, {0, true, 9}, {4, false, 9}, {4, true, 7}};
    for (const auto& c : cases) {
        Design d = boxWithCockpits(1);
        d.WaterlineHeight = c.waterline;
        d.Cockpits[1].RimPointCount = c.rims;
        hydrostaticsOf(d, {c.asked, "36", "36"});
        EXPECT_EQ(rimInches(d, 1, 8), 40) << c.waterline << " " << c.rims;
    }
}

TEST(CockpitDepths, MeasuredAtTheRimEndsOfBothRecords)
{
    // Deck rising from 10" at the bow to 20" at the stern over a flat keel.
    Design d = straightLines(kL, {{{0, 10, 0}, {kL, 20, 0}}, {{0, 10, 10}, {kL, 20, 10}},
                                  {{0, 0, 10}, {kL, 0, 10}}, {{0, 0, 0}, {kL, 0, 0}}}, 4);
    addCockpit(d, 1, 70, 30, 10, 15);
    hydrostaticsOf(d);
    EXPECT_NEAR(d.Cockpits[1].FrontDepth, 14.0, pointTolerance(kL));
    EXPECT_NEAR(d.Cockpits[1].RearDepth, 17.0, pointTolerance(kL));
    EXPECT_EQ(d.Cockpits[2].FrontDepth, 0);  // record 2 of a one-cockpit design has no rim
    EXPECT_EQ(d.Cockpits[2].RearDepth, 0);

    // A rim index outside the control points: no depth, and the cockpit stays put.
    d.Cockpits[1].RimPoints[2] = 999;
    hydrostaticsOf(d, kAuto);
    EXPECT_EQ(d.Cockpits[1].FrontDepth, 0);
    EXPECT_EQ(rimInches(d, 1, 8), 70);
}
