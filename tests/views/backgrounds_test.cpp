#include "views/backgrounds.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;

namespace {

// Every view 300 x 200 pixels showing -3..27 across and -5..15 upward: ten
// pixels an inch, inch i across at column 10 (i + 3), height h at row 10 (15 - h).
struct Backgrounds : ViewsFixture {
    Backgrounds()
    {
        sizeViews({300, 200}, {300, 200}, {300, 200}, {300, 200});
        for (int view = kRightView; view <= kSectionEdit; ++view) {
            state.ViewExtents[view] = {-3, 27, -5, 15};
            views.box(view).Scale(-3, 15, 27, -5);
        }
    }
};

constexpr int kSplitViews[] = {kRightView, kFrontView, kSectionEdit};

}  // namespace

TEST(Backgrounds, AirAboveAndWaterFromTheWaterlineDown)
{
    Backgrounds f;
    paintBackgrounds(f.redraw());
    for (int view : kSplitViews) {
        EXPECT_EQ(f.at(view, 150, 99), rgbOf(kAir)) << view;
        EXPECT_EQ(f.at(view, 150, 100), rgbOf(kWater)) << view;  // the waterline's own row
        EXPECT_EQ(f.count(view, kAir) + f.count(view, kWater), 300 * 200);
    }
    for (int view : {kTopView, kBottomView}) EXPECT_EQ(f.count(view, kWater), 300 * 200) << view;
}

TEST(Backgrounds, AWaterlineOutsideTheWindowLeavesOneKind)
{
    Backgrounds f;
    f.design.WaterlineHeight = 16;
    paintBackgrounds(f.redraw());
    for (int view : kSplitViews) EXPECT_EQ(f.count(view, kWater), 300 * 200) << view;
    f.design.WaterlineHeight = -6;
    paintBackgrounds(f.redraw());
    for (int view : kSplitViews) EXPECT_EQ(f.count(view, kAir), 300 * 200) << view;
}

TEST(Rulers, InchTicksAlongTheTopWithLongOnesAtEveryFoot)
{
    Backgrounds f;
    paintBackgrounds(f.redraw());
    drawRulers(f.redraw());
    for (int view = kRightView; view <= kSectionEdit; ++view) {
        // -3..27 is 31 ticks; the one at 27 falls on column 300, just outside.
        int ticks = 0, longTicks = 0;
        for (int x = 0; x < 300; ++x) {
            ticks += f.at(view, x, 5) == rgbOf(platform::kBlack);
            longTicks += f.at(view, x, 15) == rgbOf(platform::kBlack);
        }
        EXPECT_EQ(ticks, 30) << view;
        EXPECT_EQ(longTicks, 3) << view;  // 0, 12 and 24
        EXPECT_EQ(f.at(view, 30, 20), rgbOf(platform::kBlack));
        EXPECT_NE(f.at(view, 30, 21), rgbOf(platform::kBlack));
    }
}

TEST(Rulers, LeftEdgeTicksIncludeTheNegativeFeet)
{
    Backgrounds f;
    f.state.ViewExtents[kFrontView] = {-3, 27, -15, 5};
    f.front_.Scale(-3, 5, 27, -15);
    drawRulers(f.redraw());
    // Heights -12 and 0 are feet (rows 170 and 50): ticks two inches long.
    for (int row : {170, 50}) {
        EXPECT_EQ(f.at(kFrontView, 15, row), rgbOf(platform::kBlack)) << row;
        EXPECT_EQ(f.at(kFrontView, 20, row), rgbOf(platform::kBlack)) << row;
    }
    EXPECT_EQ(f.at(kFrontView, 5, 160), rgbOf(platform::kBlack));  // -11: one inch
    EXPECT_NE(f.at(kFrontView, 15, 160), rgbOf(platform::kBlack));
}

TEST(Rulers, AWindowRunningBackwardsGetsNoTicks)
{
    Backgrounds f;
    f.state.ViewExtents[kTopView] = {27, -3, 15, -5};
    drawRulers(f.redraw());
    EXPECT_EQ(f.count(kTopView, platform::kBlack), 0);
}
