#include "model/newdesign.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;

TEST(WizardText, FeetAndInches)
{
    EXPECT_EQ(feetAndInchesText(204), " 17'  0\"");
    EXPECT_EQ(feetAndInchesText(96), " 8'  0\"");
    EXPECT_EQ(feetAndInchesText(276), " 23'  0\"");
    EXPECT_EQ(feetAndInchesText(205), " 17'  1\"");
    EXPECT_EQ(beamCaption(23), " 23\" ( 1'  11\") ");
    EXPECT_EQ(beamCaption(12), " 12\" ( 1'  0\") ");
    EXPECT_EQ(beamCaption(48), " 48\" ( 4'  0\") ");
}

TEST(NewDesign, TandemFixedPointsSitAroundRimPointFive)
{
    testsupport::DesignBuilder b(200);
    for (int i = 1; i <= 67; ++i) b.point({double(i), 10.0 + i, 5.0 + i});
    Design d = b.build();
    d.CockpitCount = 2;
    d.Cockpits[1].RimPoints[5] = 3;
    d.Cockpits[2].RimPoints[5] = 40;
    placeTandemFixedPoints(d);
    EXPECT_EQ(d.point(25).X, d.point(3).X);
    EXPECT_DOUBLE_EQ(d.point(26).X, d.point(3).X - 0.09);
    EXPECT_DOUBLE_EQ(d.point(27).X, d.point(3).X + 0.09);
    EXPECT_EQ(d.point(25).Y, 35 / 200.0);  // 25's own height and breadth stay
    for (int p : {26, 27}) {
        EXPECT_EQ(d.point(p).Y, d.point(25).Y);
        EXPECT_EQ(d.point(p).Z, d.point(25).Z);
    }
    EXPECT_EQ(d.point(65).X, d.point(40).X);
    EXPECT_EQ(d.point(67).Z, d.point(65).Z);
}

TEST(NewDesign, PanelFlags)
{
    Design d = testsupport::sevenLineKayak();
    for (auto& p : d.HullPanels) p.IsHull = 0;
    flagDeckAndHullPanels(d);
    EXPECT_EQ(d.HullPanels[1].IsHull, 0);
    EXPECT_EQ(d.HullPanels[2].IsHull, 0);
    for (int k = 3; k <= 6; ++k) EXPECT_EQ(d.HullPanels[k].IsHull, 1);
}
