#include "model/curves.h"
#include "model/floaterror.h"
#include "model/sections.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;

TEST(Sections, StationsAreEvenlySpacedAndEndAtTheStern)
{
    Design d = testsupport::sevenLineKayak();
    d.StationCount = 11;
    makesections(d);
    ASSERT_EQ(d.Sections.size(), 12u);
    for (int s = 0; s <= 11; ++s) {
        EXPECT_EQ(d.Sections[s].X, s * (1 / 11.0));
        ASSERT_EQ(d.Sections[s].Pts.size(), 8u);
    }
    const Point3 midKeel = PointOnLineAtX(d, d.HullLines[7], 5 * (1 / 11.0));
    EXPECT_EQ(d.Sections[5].Pts[7].Y, midKeel.Y);
    EXPECT_EQ(d.Sections[5].Pts[7].X, d.Sections[5].X);
    for (int j = 1; j <= 7; ++j) {
        EXPECT_EQ(d.Sections[11].Pts[j].X, d.point(kSternPoint).X);
        EXPECT_EQ(d.Sections[11].Pts[j].Y, d.point(kSternPoint).Y);
    }
}

TEST(Sections, BoundingBoxCountsEveryPointFromItsStartValues)
{
    Design d = testsupport::boxHull(100, 20, 10, 5);
    makesections(d);
    EXPECT_EQ(d.HullMin.X, 0);
    EXPECT_EQ(d.HullMax.X, 1);
    EXPECT_DOUBLE_EQ(d.HullMax.Y, 0.1);
    EXPECT_DOUBLE_EQ(d.HullMax.Z, 0.1);
    EXPECT_EQ(d.HullMin.Z, 0);

    // A hull entirely below zero still keeps HullMax at 0.
    for (auto& cp : d.ControlPoints) cp.Position.Y -= 1;
    makesections(d);
    EXPECT_EQ(d.HullMax.Y, 0);
}

TEST(Sections, NothingWithoutADesignAndNoStationsIsAnError)
{
    Design d = testsupport::sevenLineKayak();
    d.DesignLoaded = false;
    makesections(d);
    EXPECT_TRUE(d.Sections.empty());
    d.DesignLoaded = true;
    d.StationCount = 0;
    EXPECT_THROW(makesections(d), FloatError);
}

TEST(Bulkheads, AddPlacesByNumberAndMarksTheDesignChanged)
{
    Design d = testsupport::sevenLineKayak();
    addBulkhead(d);
    ASSERT_EQ(d.BulkheadCount, 1);
    EXPECT_EQ(d.Bulkheads[1].X, 0.025);
    EXPECT_EQ(d.BulkheadHandles[1].X, 204 * 0.025);
    EXPECT_EQ(d.BulkheadDrawOrigin[1].X, 25);
    EXPECT_EQ(d.BulkheadDrawOrigin[1].Y, 60);
    EXPECT_TRUE(d.DesignChanged);
    ASSERT_EQ(d.Bulkheads[1].Pts.size(), 8u);
    EXPECT_EQ(d.Bulkheads[1].Pts[3].Z, PointOnLineAtX(d, d.HullLines[3], 0.025).Z);

    d.Bulkheads[1].X = 0.3;  // dragged somewhere between stations
    addBulkhead(d);
    EXPECT_EQ(d.Bulkheads[1].X, 0.3);
    EXPECT_EQ(d.Bulkheads[2].X, 2 * 0.025);
    EXPECT_EQ(d.Bulkheads[1].Pts[5].Y, PointOnLineAtX(d, d.HullLines[5], 0.3).Y);
}

TEST(Bulkheads, RemoveThenAddStartsFromTheNumberNotThePosition)
{
    Design d = testsupport::sevenLineKayak();
    removeBulkhead(d);  // nothing to remove: still rebuilds
    EXPECT_EQ(d.BulkheadCount, 0);
    EXPECT_FALSE(d.Sections.empty());
    EXPECT_FALSE(d.DesignChanged);

    addBulkhead(d);
    d.Bulkheads[1].X = 0.5;
    removeBulkhead(d);
    EXPECT_EQ(d.BulkheadCount, 0);
    addBulkhead(d);
    EXPECT_EQ(d.Bulkheads[1].X, 0.025);
}

TEST(Bulkheads, BeyondFiftyAndBeyondTheStern)
{
    Design d = testsupport::sevenLineKayak();
    for (int i = 0; i < 60; ++i) addBulkhead(d);
    EXPECT_EQ(d.BulkheadCount, 60);
    EXPECT_DOUBLE_EQ(d.Bulkheads[60].X, 1.5);
    // Past the stern no line covers the bulkhead: its points are zero but for X.
    EXPECT_EQ(d.Bulkheads[60].Pts[1].Y, 0);
    EXPECT_EQ(d.Bulkheads[60].Pts[1].X, 1.5);
}

TEST(Bulkheads, NothingWithoutADesign)
{
    Design d;
    addBulkhead(d);
    removeBulkhead(d);
    EXPECT_EQ(d.BulkheadCount, 0);
    EXPECT_FALSE(d.DesignChanged);
}
