#include "model/hull/curves.h"
#include "model/hull/floaterror.h"
#include "model/hull/sections.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

using namespace model;

TEST(Sections, StationsAreEvenlySpacedAndEndAtTheSternBulkheadsGoByNumber)
{
    Design d = testsupport::sevenLineKayak();
    d.StationCount = 11;
    makesections(d);
    ASSERT_EQ(d.Sections.size(), 12u);
    for (int s = 0; s <= 11; ++s) EXPECT_EQ(d.Sections[s].X, s * (1 / 11.0));
    EXPECT_EQ(d.Sections[5].Pts[7].Y, PointOnLineAtX(d, d.HullLines[7], 5 * (1 / 11.0)).Y);
    for (int j = 1; j <= 7; ++j) EXPECT_EQ(d.Sections[11].Pts[j].Y, d.point(kSternPoint).Y);

    // The box counts every point from its starting values: HullMax never below 0.
    for (auto& cp : d.ControlPoints) cp.Position.Y -= 1;
    makesections(d);
    EXPECT_TRUE(d.HullMax.Y == 0 && d.HullMax.X == 1);

    d.StationCount = 0;
    EXPECT_THROW(makesections(d), FloatError);
    d.DesignLoaded = false;
    EXPECT_NO_THROW(makesections(d));

    // Bulkheads are added by number; the last is removed.
    d = testsupport::sevenLineKayak();
    removeBulkhead(d);  // nothing to remove: still rebuilds, nothing changed
    EXPECT_FALSE(d.Sections.empty() || d.DesignChanged);

    addBulkhead(d);
    EXPECT_EQ(std::pair(d.Bulkheads[1].X, d.BulkheadHandles[1].X), std::pair(0.025, 204 * 0.025));
    EXPECT_TRUE(d.BulkheadDrawOrigin[1].X == 25 && d.BulkheadDrawOrigin[1].Y == 60 && d.DesignChanged);

    d.Bulkheads[1].X = 0.3;  // dragged between stations: its own outline
    addBulkhead(d);
    EXPECT_EQ(std::pair(d.Bulkheads[2].X, d.Bulkheads[1].Pts[5].Y),
              std::pair(2 * 0.025, PointOnLineAtX(d, d.HullLines[5], 0.3).Y));
    removeBulkhead(d);
    removeBulkhead(d);
    addBulkhead(d);
    EXPECT_EQ(d.Bulkheads[1].X, 0.025);  // by number, not where the removed one stood

    for (int i = 0; i < 100; ++i) addBulkhead(d);  // beyond fifty and beyond the stern, up to a hundred
    EXPECT_EQ(std::tuple(d.Bulkheads[60].X, d.Bulkheads[60].Pts[1].Y, d.BulkheadCount), std::tuple(1.5, 0.0, 100));

    Design none;
    addBulkhead(none);
    EXPECT_EQ(none.BulkheadCount, 0);
}
