#include "model/edits/cockpitedits.h"
#include "model/edits/hullresize.h"
#include "model/edits/wizardchecks.h"
#include "model/hull/sections.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;
using testsupport::DesignBuilder;

namespace {

// A 200-inch hull with one line and a nine-point rim per cockpit (points 1..9, then 10..18); after them a hull point
// at 0.3, 10 in high, 8 in half-breadth.
Design rimmedHull(int cockpits = 1)
{
    DesignBuilder b(200);
    const double xs[9] = {70, 80, 80, 95, 100, 105, 110, 110, 120};
    for (int k = 0; k < cockpits; ++k)
        for (int j = 0; j < 9; ++j) b.point({xs[j] + 60 * k, 12 + j * 0.1, 6.0 + j});
    b.polyline(std::vector<int>{b.point({60, 10, 8}), b.point({180, 10, 8})});
    Design d = b.build();
    d.CockpitCount = cockpits;
    for (int k = 1; k <= cockpits; ++k) {
        d.Cockpits[k].RimPointCount = 9;
        for (int j = 1; j <= 9; ++j) d.Cockpits[k].RimPoints[j] = std::int16_t(j + 9 * (k - 1));
        d.Cockpits[k].Width = 18;
    }
    return d;
}

double inches(const Design& d, int point, double Point3::*axis) { return d.point(point).*axis * d.HullLength; }

}  // namespace

TEST(RimRespacing, SidePointsFollowTheEndsAndTheWidth)
{
    Design d = rimmedHull();
    d.ControlPoints[2].Position.X = 0.40;
    d.ControlPoints[8].Position.X = 0.55;
    respaceRim(d, 1);
    for (int j : {4, 5, 6}) EXPECT_DOUBLE_EQ(d.point(j).X, 0.45 + 0.025 * (j - 3));
    EXPECT_TRUE(d.point(3).Z == d.point(7).Z && inches(d, 4, &Point3::Y) == 12 + 3 * 0.1);  // heights stay unless levelled
    respaceAndLevelRim(d, 1);
    EXPECT_TRUE(d.point(4).Y == d.point(5).Y && d.point(6).Y == d.point(5).Y);

    setRimHalfWidth(d, 1);
    for (int j : {4, 5, 6}) EXPECT_DOUBLE_EQ(d.point(j).Z, 0.045);  // 18 in wide on 200

    // Cockpits outside the table are refused, not read past it.
    const Design rimmed = d;
    for (int k : {0, -1, kMaxCockpits + 1}) {
        setRimHalfWidth(d, k);
        respaceRim(d, k);
        EXPECT_EQ(rimPoint(d, k, 4), 0);
    }
    for (int i = 1; i <= d.PointCount; ++i) EXPECT_EQ(d.point(i).Z, rimmed.point(i).Z);

    d.Cockpits[1].RimPoints[8] = 500;  // a rim point that does not exist: left alone
    const double x4 = d.point(4).X;
    d.ControlPoints[2].Position.X = 0.3;
    respaceRim(d, 1);
    EXPECT_EQ(d.point(4).X, x4);
}

TEST(Resize, ALengthKeepsInchesOfHeightsBreadthsAndBulkheadsAWidthIsCheckedAndScaled)
{
    Design d = rimmedHull();
    addBulkhead(d);
    d.Bulkheads[1].X = 80.0 / 200;
    d.BulkheadHandles[1].X = 80;
    EXPECT_TRUE(lengthInRange(48) && lengthInRange(360));
    EXPECT_FALSE(lengthInRange(47.99) || lengthInRange(360.01));
    // A length that cannot divide changes nothing.
    for (double bad : {0.0, -200.0, double(INFINITY), double(NAN)}) {
        EXPECT_FALSE(stretchToLength(d, bad)) << bad;
        EXPECT_EQ(std::pair(d.HullLength, inches(d, 10, &Point3::Y)), std::pair(200.0, 10.0));
    }
    EXPECT_TRUE(stretchToLength(d, 250));  // X stays 0.3 of the length
    for (auto [got, expected] : {std::pair{inches(d, 10, &Point3::Y), 10.0}, {inches(d, 10, &Point3::Z), 8.0},
                                 {d.point(10).X * 250, 75.0}, {d.Bulkheads[1].X * 250, 80.0}, {d.BulkheadHandles[1].X, 80.0}})
        EXPECT_DOUBLE_EQ(got, expected);

    // Width checks and scaling.
    d = rimmedHull(2);
    d.CockpitCount = 1;
    d.Cockpits[2].Width = 30;  // a second record left from an earlier design does not count
    EXPECT_EQ(std::tuple(checkWidth(d, 48), checkWidth(d, 48.5), checkWidth(d, 18)),
              std::tuple(WidthCheck::Accepted, WidthCheck::TooWide, WidthCheck::ThinnerThanCockpit));
    d.CockpitCount = 2;
    EXPECT_EQ(checkWidth(d, 20), WidthCheck::ThinnerThanCockpit);

    const Design before = d;
    EXPECT_FALSE(scaleToBeam(d, 24, 0));  // no beam to scale from: nothing moves
    EXPECT_EQ(d.point(19).Z, before.point(19).Z);
    EXPECT_TRUE(scaleToBeam(d, 24, 22));
    for (int j : {1, 2, 8, 9, 19}) EXPECT_DOUBLE_EQ(d.point(j).Z, before.point(j).Z / 22 * 24);
    for (int j : {3, 7, 12, 16}) EXPECT_EQ(d.point(j).Z, before.point(j).Z);  // rim 3 and 7 of both
    for (int j : {4, 5, 6}) EXPECT_DOUBLE_EQ(inches(d, j, &Point3::Z), 9);
    for (int j : {13, 14, 15}) EXPECT_DOUBLE_EQ(inches(d, j, &Point3::Z), 15);
}

TEST(WizardChecks, TheFirstFailingCheckSpeaks)
{
    const std::string width = "Please enter width in inches", narrow = "Cockpit width cannot be greater than kayak width";
    const struct { SingleCockpitBoxes boxes; std::optional<std::string> message; } singles[] = {
        {{"23", "190", "32", "18", "11"}, std::nullopt},
        {{"", "", "32", "18", "11"}, width},  // the first of two empty boxes
        {{"23", "190", "", "18", "11"}, "Please enter cockpit length in inches"},
        {{"23", "190", "32", "", "11"}, "Please enter cockpit width in inches"},
        {{"23", "190", "32", "23", "11"}, narrow},  // equal widths fail; an inch more passes
        {{"24", "190", "32", "23", "11"}, std::nullopt},
        {{"23", "190", "32", "18", ""}, "Please enter cockpit aft to paddlers center of gravity in inches"},
    };
    for (const auto& c : singles) EXPECT_EQ(checkSingleCockpit(c.boxes), c.message);

    const struct { DoubleCockpitBoxes boxes; std::optional<std::string> message; } doubles[] = {
        {{"23", "190", "32", "18", "11", "190", "32", "18", "11"}, std::nullopt},
        {{"23", "190", "32", "18", "", "190", "32", "18", "11"},
         "Please enter cockpit 1 aft to paddlers center of gravity in inches"},
        {{"23", "190", "32", "18", "11", "", "32", "18", "11"}, "Please enter paddler weight in lbs"},
        {{"23", "190", "32", "18", "11", "190", "32", "30", "11"}, narrow},
        {{"23", "190", "32", "18", "11", "190", "32", "18", ""},
         "Please enter cockpit 2 aft to paddlers center of gravity in inches"},
        {{"23", "190", "32", "18", "11", " ", "32", "18", "11"}, std::nullopt},  // a blank is not empty
        {{"abc", "190", "32", "18", "11", "190", "32", "18", "11"}, narrow},  // no number reads as 0
    };
    for (const auto& c : doubles) EXPECT_EQ(checkDoubleCockpit(c.boxes), c.message);
}
