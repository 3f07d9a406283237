#include "model/halfangles.h"
#include "model/readout.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;
using testsupport::prismHull;
using testsupport::wedgeHull;

namespace {
constexpr double kL = 100, kB = 20, kD = 10;
double degrees(double halfWidth, double from) { return std::atan(halfWidth / from) / 6.283185 * 360; }
}  // namespace

TEST(HalfAngles, WedgeOpensAtItsPlanAngle)
{
    // Half-breadth grows by kB / 2 over the length; the waterline runs 0 to 99.9.
    Design d = wedgeHull(kL, boxSection(kB, kD), 4);
    const Hydrostatics h = hydrostaticsOf(d, {false, "24", "36 inches"});
    EXPECT_EQ(h.EntryMeasuredFrom, 24);
    EXPECT_EQ(h.ExitMeasuredFrom, 36);
    const double exitX = h.WaterlineEnd - 36;
    EXPECT_NEAR(h.EntryHalfWidth, kB / 2 * 24 / kL, pointTolerance(kL));
    EXPECT_NEAR(h.ExitHalfWidth, kB / 2 * exitX / kL, pointTolerance(kL));
    EXPECT_DOUBLE_EQ(h.EntryHalfAngle, degrees(h.EntryHalfWidth, 24));
    EXPECT_DOUBLE_EQ(h.ExitHalfAngle, degrees(h.ExitHalfWidth, 36));
    // The short 2 pi makes the angle a little larger than the true one.
    EXPECT_GT(h.EntryHalfAngle, std::atan(kB / 2 / kL) * 180 / M_PI);
    const auto texts = halfAngleReadOut(h);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].control, "txtEntryHalfAngle");
    EXPECT_EQ(texts[0].text, roundedText(h.EntryHalfAngle, 3));
    EXPECT_EQ(texts[1].control, "txtExitHalfAngle");
}

TEST(HalfAngles, WaterlineAtALinesHeightMeasuresThatLinesBreadth)
{
    // At the keel's height the waterline lies on the bottom: the chine's breadth.
    Design d = prismHull(kL, boxSection(kB, kD), 0);
    EXPECT_EQ(waterlineHalfWidthAt(d, 0.5), kB / 2);
    // At the deck's height it no longer passes below line 1.
    d.WaterlineHeight = kD;
    EXPECT_EQ(waterlineHalfWidthAt(d, 0.5), 0);
}

TEST(HalfAngles, NothingToMeasureGivesZero)
{
    Design d = prismHull(kL, boxSection(kB, kD), 4);
    // Beyond the hull's end no line has a point; nothing clamps the station.
    Hydrostatics far = hydrostaticsOf(d, {false, "200", "200"});
    EXPECT_EQ(far.EntryHalfWidth, 0);
    EXPECT_EQ(far.EntryHalfAngle, 0);
    // A distance of 0 (or text without a number) has no angle: 0, not NaN.
    const Hydrostatics zero = hydrostaticsOf(d, {false, "0", "none"});
    EXPECT_EQ(zero.EntryMeasuredFrom, 0);
    EXPECT_EQ(zero.ExitMeasuredFrom, 0);
    EXPECT_EQ(zero.EntryHalfWidth, kB / 2);
    EXPECT_EQ(zero.EntryHalfAngle, 0);
    EXPECT_EQ(zero.ExitHalfAngle, 0);
    EXPECT_EQ(halfAngleReadOut(zero)[0].text, "0");
}
