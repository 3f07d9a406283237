#include "platform/gdimapping.h"
#include "platform/userscale.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(UserScale, MapsCornersRoundsHalvesToEvenAndStaysInPixelsWithoutArea)
{
    const UserScale s(-20, 15, 20, -5);  // Y upward
    EXPECT_EQ(std::pair(s.toDevice(20, 15, 400, 200), s.toDevice(-20, -5, 400, 200)), std::pair(Point{400, 0}, Point{0, 200}));
    EXPECT_EQ(UserScale(0, 0, 40, 40).toDevice(1, 3, 100, 100), (Point{2, 8}));  // 2.5 and 7.5 pixels
    EXPECT_TRUE(UserScale().isPixels() && UserScale(3, 0, 3, 10).isPixels());
    EXPECT_EQ(UserScale(3, 0, 3, 10).toDevice(7, 8, 100, 100), (Point{7, 8}));
}

TEST(GdiMapping, RefusesAZeroExtentAnUnknownModeAndExtentsInTextMode)
{
    GdiMapping m;
    m.setWindowExt({100, 100});
    EXPECT_EQ(m.windowExt(), (Size{1, 1}));
    EXPECT_EQ(m.setMapMode(MM_ANISOTROPIC), MM_TEXT);
    EXPECT_EQ(m.setWindowExt({4000, -2000}), (Size{1, 1}));
    EXPECT_EQ(m.setWindowExt({0, 5}), (Size{4000, -2000}));
    EXPECT_EQ(m.setMapMode(99), MM_ANISOTROPIC);
    EXPECT_EQ(std::pair(m.mapMode(), m.windowExt()), std::pair(int(MM_ANISOTROPIC), Size{4000, -2000}));
    m.setMapMode(MM_TEXT);  // resets the extents
    EXPECT_EQ(m.windowExt(), (Size{1, 1}));
}
