#include "platform/gdimapping.h"
#include "platform/userscale.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(UserScale, MapsCornersAndRoundsHalvesToEven)
{
    const UserScale s(-20, 15, 20, -5);  // Y upward
    EXPECT_EQ(s.toDevice(0, 0, 400, 200), (Point{200, 150}));
    EXPECT_EQ(s.toDevice(20, 15, 400, 200), (Point{400, 0}));
    EXPECT_EQ(s.toDevice(-20, -5, 400, 200), (Point{0, 200}));
    // 2.5 pixels an inch: halves go to the even pixel.
    const UserScale halves(0, 0, 40, 40);
    EXPECT_EQ(halves.toDevice(1, 3, 100, 100), (Point{2, 8}));
    const UserPoint back = s.toUser(200, 150, 400, 200);
    EXPECT_DOUBLE_EQ(back.x, 0);
    EXPECT_DOUBLE_EQ(back.y, 0);
    EXPECT_DOUBLE_EQ(s.widthToPixels(2, 400), 20);
}

TEST(UserScale, ACornerPairWithoutAreaStaysInPixels)
{
    EXPECT_TRUE(UserScale().isPixels());
    EXPECT_TRUE(UserScale(3, 0, 3, 10).isPixels());
    EXPECT_EQ(UserScale(3, 0, 3, 10).toDevice(7, 8, 100, 100), (Point{7, 8}));
}

TEST(GdiMapping, SettersReturnWhatTheyReplace)
{
    GdiMapping m;
    EXPECT_EQ(m.setMapMode(MM_ANISOTROPIC), MM_TEXT);
    EXPECT_EQ(m.setWindowOrg({-2000, 1500}), (Point{0, 0}));
    EXPECT_EQ(m.setWindowExt({4000, -2000}), (Size{1, 1}));
    EXPECT_EQ(m.setViewportOrg({0, 0}), (Point{0, 0}));
    EXPECT_EQ(m.setViewportExt({400, 200}), (Size{1, 1}));
    EXPECT_EQ(m.setWindowExt({10, 10}), (Size{4000, -2000}));
    EXPECT_EQ(m.setMapMode(99), MM_ANISOTROPIC);  // refused
    EXPECT_EQ(m.mapMode(), MM_ANISOTROPIC);
    EXPECT_EQ(m.setWindowExt({0, 5}), (Size{10, 10}));  // a zero extent is refused
    EXPECT_EQ(m.windowExt(), (Size{10, 10}));
}

TEST(GdiMapping, TextModeIgnoresExtentsAndResetsThem)
{
    GdiMapping m;
    m.setWindowExt({100, 100});
    EXPECT_EQ(m.windowExt(), (Size{1, 1}));
    m.setMapMode(MM_ANISOTROPIC);
    m.setWindowExt({100, 100});
    m.setMapMode(MM_TEXT);
    EXPECT_EQ(m.windowExt(), (Size{1, 1}));
    m.setWindowOrg({5, 5});
    m.setViewportOrg({1, 2});
    EXPECT_EQ(m.toDevice(Point{10, 10}), (Point{6, 7}));
}

TEST(GdiMapping, AnisotropicMapsAWindowOntoTheViewportWithYUp)
{
    GdiMapping m;
    m.setMapMode(MM_ANISOTROPIC);
    m.setWindowOrg({-2000, 1500});
    m.setWindowExt({4000, -2000});
    m.setViewportExt({400, 200});
    EXPECT_EQ(m.toDevice(Point{0, 0}), (Point{200, 150}));
    EXPECT_EQ(m.toDevice(Point{2000, 1500}), (Point{400, 0}));
    // The same inches land on the same pixels as a user scale in inches.
    const UserScale s(-20, 15, 20, -5);
    for (int x = -20; x <= 20; ++x)
        for (int y = -5; y <= 15; ++y) EXPECT_EQ(m.toDevice(Point{100 * x, 100 * y}), s.toDevice(x, y, 400, 200));
}

TEST(GdiMapping, IsotropicKeepsEqualUnits)
{
    GdiMapping m;
    m.setMapMode(MM_ISOTROPIC);
    m.setWindowExt({100, -100});
    m.setViewportExt({400, 200});
    EXPECT_EQ(m.toDevice(Point{50, 50}), (Point{100, -100}));
}
