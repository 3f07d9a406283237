#include "model/floaterror.h"
#include "views/hulllinecolors.h"
#include "views/viewmapping.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;
using platform::Rect;

TEST(ViewMapping, AWindowWithItsBottomBelowItsTopGrowsUpward)
{
    const Rect window = logicalWindow({-20, 20, -5, 15}, 100);
    EXPECT_EQ(window, (Rect{-2000, 1500, 2000, -500}));
    const ViewMapping m = MakeViewMapping({0, 0, 400, 200}, window, false);
    EXPECT_EQ(m.MapMode, platform::MM_ANISOTROPIC);
    EXPECT_EQ(m.ViewportOrg, (platform::Point{0, 0}));
    EXPECT_EQ(m.ViewportExt, (platform::Size{400, 200}));
    EXPECT_EQ(m.WindowOrg, (platform::Point{-2000, 1500}));
    EXPECT_EQ(m.WindowExt, (platform::Size{4000, -2000}));
    EXPECT_EQ(MakeViewMapping({}, window, true).MapMode, platform::MM_ISOTROPIC);
}

TEST(ViewMapping, ExtentsBeyondSixteenBitProductsStillMap)
{
    EXPECT_EQ(logicalWindow({-2000, 2000, -400, 400}, 20), (Rect{-40000, 8000, 40000, -8000}));
}

TEST(ViewMapping, LogicalUnitsRoundHalvesToEven)
{
    EXPECT_EQ(toLogical(100 * 0.125), 12);
    EXPECT_EQ(toLogical(100 * 0.375), 38);
    EXPECT_EQ(toLogical(-12.5), -12);
    EXPECT_THROW(toLogical(INFINITY), model::FloatError);
}

TEST(HullLineColors, FollowTheLineNumberModuloFive)
{
    model::Design d = testsupport::sevenLineKayak();
    assignHullLineColors(d);
    EXPECT_EQ(d.HullLines[1].Color, platform::RGB(255, 50, 100));
    EXPECT_EQ(d.HullLines[2].Color, platform::RGB(200, 150, 200));
    EXPECT_EQ(d.HullLines[3].Color, platform::RGB(100, 250, 220));
    EXPECT_EQ(d.HullLines[4].Color, platform::RGB(255, 155, 10));
    EXPECT_EQ(d.HullLines[5].Color, platform::RGB(50, 250, 200));
    EXPECT_EQ(d.HullLines[6].Color, d.HullLines[1].Color);
}
