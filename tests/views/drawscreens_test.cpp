#include "model/floaterror.h"
#include "model/sections.h"
#include "views/drawscreens.h"
#include "views/hullpanels.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;
using namespace testsupport;

namespace {

ViewExtent e(int xMin, int xMax, int yMin, int yMax)
{
    return {std::int16_t(xMin), std::int16_t(xMax), std::int16_t(yMin), std::int16_t(yMax)};
}

struct Redraws : ViewsFixture {
    Redraws() { model::makesections(design); }
    void run() { drawscreens(design, hydro, views, state); }
};

// The fitted windows of the fixture's box hull and view sizes (worked in the
// fitting tests): profile 1000 x 89, top 400 x 100, bottom 500 x 100, front
// and section 150 x 100.
const ViewExtent kProfile = e(-3, 121, 0, 11);
const ViewExtent kTop = e(-2, 102, -13, 13);
const ViewExtent kBottom = e(-3, 107, -11, 11);
const ViewExtent kFront = e(-10, 10, -2, 11);

}  // namespace

TEST(Drawscreens, FitsEveryDrawingViewAndScalesIt)
{
    Redraws f;
    f.state.ViewExtents[kVolumeGraph] = e(0, 100, -2, 20);
    f.run();
    EXPECT_EQ(f.state.ViewExtents[kRightView], kProfile);
    EXPECT_EQ(f.state.ViewExtents[kTopView], kTop);
    EXPECT_EQ(f.state.ViewExtents[kBottomView], kBottom);
    EXPECT_EQ(f.state.ViewExtents[kFrontView], kFront);
    EXPECT_EQ(f.state.ViewExtents[kSectionEdit], kFront);
    EXPECT_EQ(f.state.ViewExtents[kVolumeGraph], e(0, 100, -2, 20));  // the hydrostatics' own
    const platform::UserScale& s = f.right_.userScale();
    EXPECT_EQ(s.left(), -3);
    EXPECT_EQ(s.top(), 11);
    EXPECT_EQ(s.width(), 124);
    EXPECT_EQ(s.height(), -11);
    EXPECT_TRUE(f.graph_.userScale().isPixels());
}

// The first redraw paints in the window it fits, not in the box's old scale:
// right of the hull (X 110 at column 911) air above the waterline's row
// ((11 - 5) / 11 x 89 = 48.55, to 49) and water from it down.
TEST(Drawscreens, PaintsTheFirstBackgroundAtItsOwnScale)
{
    Redraws f;
    f.run();
    EXPECT_EQ(f.at(kRightView, 911, 48), rgbOf(kAir));
    EXPECT_EQ(f.at(kRightView, 911, 49), rgbOf(kWater));
    EXPECT_EQ(f.at(kRightView, 911, 88), rgbOf(kWater));
    EXPECT_EQ(f.at(kRightView, 500, 70), rgbOf(panelFillColor(2)));
    EXPECT_EQ(f.at(kTopView, 398, 20), rgbOf(kWater));
    EXPECT_EQ(f.at(kBottomView, 10, 50), rgbOf(kWater));  // left of the hull
    // Front: -2..11 on 100 rows puts 5 at row 46.15.
    EXPECT_EQ(f.at(kFrontView, 75, 40), rgbOf(kAir));
    EXPECT_EQ(f.at(kFrontView, 75, 50), rgbOf(kWater));
    EXPECT_EQ(f.at(kSectionEdit, 75, 50), rgbOf(kWater));
    EXPECT_EQ(f.count(kVolumeGraph, platform::kWhite), 150 * 100);  // not touched
}

TEST(Drawscreens, ZoomAndScrollTheLongViewsOnly)
{
    Redraws f;
    f.state.ZoomFactor = 2;
    f.state.TopviewHScroll = {10, 10, false};
    f.run();
    EXPECT_EQ(f.state.ViewExtents[kRightView], e(-3, 59, 6, 11));  // 124 / 2 and 11 / 2 = 5.5 -> 6
    EXPECT_EQ(f.state.ViewExtents[kTopView], e(102, 154, 0, 13));
    EXPECT_EQ(f.state.VisibleWindows[kBottomView], f.state.ViewExtents[kBottomView]);
    EXPECT_EQ(f.state.ViewExtents[kFrontView], kFront);
    EXPECT_TRUE(f.state.TopviewHScroll.Visible);
    EXPECT_EQ(f.state.TopviewHScroll.Value, 10);
}

TEST(Drawscreens, ZoomOneHidesAndZeroesTheBarsAndTellsTheMainWindow)
{
    Redraws f;
    f.state.RightViewVScroll = {5, 10, true};
    int told = 0;
    f.state.scrollBarsSet = [&](const DrawingState& s) {
        ++told;
        EXPECT_FALSE(s.RightViewVScroll.Visible);
        EXPECT_EQ(s.RightViewVScroll.Value, 0);
    };
    f.run();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(f.state.ViewExtents[kRightView], kProfile);
}

TEST(Drawscreens, TheFitStaysWhileADragIsActive)
{
    Redraws f;
    f.run();
    f.state.DragActive = true;
    for (auto& cp : f.design.ControlPoints) cp.Position.X *= 2;
    model::makesections(f.design);
    f.run();
    EXPECT_EQ(f.state.ViewExtents[kRightView], kProfile);
    EXPECT_EQ(f.state.DrawMax.X, 1);

    f.state.DragActive = false;
    f.run();
    EXPECT_EQ(f.state.DrawMax.X, 2);
    EXPECT_NE(f.state.ViewExtents[kRightView], kProfile);
}

TEST(Drawscreens, WithoutADesignOnlyTheLineColoursAndWhenTooSmallNothing)
{
    Redraws f;
    f.state.FormTooSmall = true;
    f.run();
    EXPECT_EQ(f.design.HullLines[1].Color, 0u);

    f.state.FormTooSmall = false;
    f.design.DesignLoaded = false;
    f.run();
    EXPECT_EQ(f.design.HullLines[1].Color, platform::RGB(255, 50, 100));
    EXPECT_EQ(f.state.ViewExtents[kRightView], ViewExtent{});
    EXPECT_EQ(f.count(kRightView, platform::kWhite), 1000 * 89);
}

TEST(Drawscreens, ARedrawStartedInsideARedrawIsSkipped)
{
    Redraws f;
    DrawingState inner;
    f.state.scrollBarsSet = [&](const DrawingState&) { drawscreens(f.design, f.hydro, f.views, inner); };
    f.run();
    EXPECT_EQ(inner.ViewExtents[kRightView], ViewExtent{});
    EXPECT_EQ(f.state.ViewExtents[kRightView], kProfile);
    f.state.scrollBarsSet = nullptr;
    drawscreens(f.design, f.hydro, f.views, inner);  // and the guard is released afterwards
    EXPECT_EQ(inner.ViewExtents[kRightView], kProfile);
}

TEST(Drawscreens, AnArithmeticErrorReachesTheCallerAndReleasesTheGuard)
{
    Redraws f;
    const double length = f.design.HullLength;
    f.design.HullLength = std::nan("");
    EXPECT_THROW(f.run(), model::FloatError);
    f.design.HullLength = length;
    f.run();
    EXPECT_EQ(f.state.ViewExtents[kRightView], kProfile);
}

TEST(Drawscreens, AViewWithoutAreaIsSkipped)
{
    Redraws f;
    f.front_.resize(0, 0);
    f.state.ViewExtents[kFrontView] = e(1, 2, 3, 4);
    f.run();
    EXPECT_EQ(f.state.ViewExtents[kFrontView], e(1, 2, 3, 4));
    EXPECT_EQ(f.state.ViewExtents[kRightView], kProfile);
}
