#include "model/cockpitpositioning.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

using namespace model;
using testsupport::addCockpit;
using testsupport::prismHull;

namespace {

constexpr double kL = 100, kB = 20, kD = 10;
const HydroInputs kAuto{true, "36", "36"};

double rimInches(const Design& d, int k, int j) { return d.point(d.Cockpits[k].RimPoints[j]).X * kL; }

// A box floating at 4": its LCB lies within a slice of the middle.
Design boxWithCockpits(int count)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    addCockpit(d, 1, 40, 30, 10, kD);
    if (count == 2) addCockpit(d, 2, 85, 25, 8, kD);
    return d;
}

}  // namespace

TEST(PositionCockpits, OneCockpitMovesRigidlyOverTheLCB)
{
    Design d = boxWithCockpits(1);
    const Design before = d;
    d.ControlPoints[d.Cockpits[1].RimPoints[3]].Position.X += 0.01;  // a front end that drifted
    const Hydrostatics h = hydrostaticsOf(d, kAuto);
    const double cg = h.LCBPosition;
    EXPECT_NEAR(rimInches(d, 1, 8) - 10, cg, 1e-12);  // the paddler sits AftToCG ahead of the rear end
    for (int j : {1, 4, 5, 6, 7, 9})
        EXPECT_NEAR(rimInches(d, 1, j) - rimInches(d, 1, 8), rimInches(before, 1, j) - rimInches(before, 1, 8), 1e-12);
    const Point3 &rear = d.point(d.Cockpits[1].RimPoints[8]), &front = d.point(d.Cockpits[1].RimPoints[2]);
    EXPECT_EQ(front.X, rear.X - 30 / kL);
    EXPECT_EQ(d.point(d.Cockpits[1].RimPoints[3]).X, front.X);
    EXPECT_EQ(front.Y, before.point(before.Cockpits[1].RimPoints[2]).Y);  // X only
    EXPECT_NEAR(d.Cockpits[1].CG.X * kL, cg, 1e-12);
}

TEST(PositionCockpits, TwoCockpitsBalanceThePaddlersOverTheLCB)
{
    Design d = boxWithCockpits(2);
    d.Cockpits[1].DistanceBetweenCockpits = 40;
    d.PaddlerWeights = {0, 150, 50};
    Hydrostatics h = hydrostaticsOf(d, kAuto);
    const double cg1 = rimInches(d, 1, 8) - 10, cg2 = rimInches(d, 2, 8) - 8;
    EXPECT_NEAR(cg2 - cg1, 40, 1e-12);
    EXPECT_NEAR((150 * cg1 + 50 * cg2) / 200, h.LCBPosition, 1e-12);
    EXPECT_NEAR(rimInches(d, 2, 8) - rimInches(d, 2, 2), 25, 1e-12);

    // Equal weights, and weightless paddlers alike, split the distance equally.
    for (double weight : {80.0, 0.0}) {
        d.PaddlerWeights = {0, weight, weight};
        h = hydrostaticsOf(d, kAuto);
        EXPECT_NEAR(rimInches(d, 1, 8) - 10, h.LCBPosition - 20, 1e-12) << weight;
        EXPECT_NEAR(rimInches(d, 2, 8) - 8, h.LCBPosition + 20, 1e-12) << weight;
    }
}

TEST(PositionCockpits, StaysPutUnlessTheHullFloatsOnAWaterline)
{
    for (double waterline : {-1.0, kD, 0.0}) {
        // Dry: no draft. Awash: no waterline length. At the keel: the LCB
        // is found, but the draft is 0.
        Design d = boxWithCockpits(1);
        d.WaterlineHeight = waterline;
        const Design before = d;
        const Hydrostatics h = hydrostaticsOf(d, kAuto);
        if (waterline == 0) {
            EXPECT_TRUE(h.lcbFound);
            EXPECT_EQ(h.Draft, 0);
        }
        EXPECT_EQ(rimInches(d, 1, 8), rimInches(before, 1, 8)) << waterline;
    }
    Design manual = boxWithCockpits(1);
    const Design before = manual;
    hydrostaticsOf(manual, {false, "36", "36"});
    EXPECT_EQ(rimInches(manual, 1, 2), rimInches(before, 1, 2));
}

TEST(CockpitDepths, MeasuredAtTheRimEndsOfBothRecords)
{
    // Deck rising from 10" at the bow to 20" at the stern over a flat keel.
    testsupport::DesignBuilder b(kL);
    b.polyline(std::vector<int>{b.pointAt(kBowPoint, {0, 10, 0}), b.pointAt(kSternPoint, {kL, 20, 0})});
    b.polyline(std::vector<testsupport::Inches>{{0, 10, 10}, {kL, 20, 10}});
    b.polyline(std::vector<testsupport::Inches>{{0, 0, 10}, {kL, 0, 10}});
    b.polyline(std::vector<testsupport::Inches>{{0, 0, 0}, {kL, 0, 0}});
    Design d = b.waterline(4).build();
    addCockpit(d, 1, 70, 30, 10, 15);
    hydrostaticsOf(d);
    EXPECT_NEAR(d.Cockpits[1].FrontDepth, 14.0, pointTolerance(kL));
    EXPECT_NEAR(d.Cockpits[1].RearDepth, 17.0, pointTolerance(kL));
    // Record 2 of a one-cockpit design has no rim: depth 0.
    EXPECT_EQ(d.Cockpits[2].FrontDepth, 0);
    EXPECT_EQ(d.Cockpits[2].RearDepth, 0);

    // A rim index outside the control points: no depth, and the cockpit stays put.
    d.Cockpits[1].RimPoints[2] = 999;
    const double rear = d.point(d.Cockpits[1].RimPoints[8]).X;
    hydrostaticsOf(d, kAuto);
    EXPECT_EQ(d.Cockpits[1].FrontDepth, 0);
    EXPECT_EQ(d.point(d.Cockpits[1].RimPoints[8]).X, rear);
}
