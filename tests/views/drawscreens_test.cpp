#include "model/floaterror.h"
#include "views/backgrounds.h"
#include "views/hullpanels.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;
using namespace testsupport;
using platform::kBlack;
using platform::kWhite;

namespace {

// The profile's fit for the fixture's hull and view, worked out in the fitting tests.
constexpr ViewExtent kProfile{-3, 121, 0, 11};

// Whether each of the first six panels' shades shows in the view.
std::vector<bool> shadesShown(ViewsFixture& f, int view)
{
    std::vector<bool> shown;
    for (int k = 1; k <= 6; ++k) shown.push_back(f.count(view, panelFillColor(k)) > 0);
    return shown;
}

}  // namespace

// Each view is painted in the window this redraw fits, not the box's old
// scale: water from row 49 of the profile ((11 - 5) / 11 x 89 = 48.55) and
// 46.15 of the front view and section editor. Panels fill solid in their own
// shades (the profile the side panel 2, the top view the deck 1, the bottom
// view the bottom 3, mirrored at rows 30 and 70 and outlined black on the
// centre line at 50), or let the background show in wireframe; overlapping
// panels paint later over earlier, the top view from the last to the first.
TEST(Drawscreens, FitsEachViewAndPaintsItAtItsNewScale)
{
    ViewsFixture f;
    f.run();
    EXPECT_EQ(f.extent(kRightView), kProfile);
    EXPECT_EQ(f.extent(kTopView), (ViewExtent{-2, 102, -13, 13}));
    EXPECT_EQ(f.extent(kBottomView), (ViewExtent{-3, 107, -11, 11}));
    f.expect(kRightView, {{911, 48, kAir}, {911, 49, kWater}, {911, 88, kWater}, {500, 30, panelFillColor(2)},
                          {500, 70, panelFillColor(2)}});
    f.expect(kTopView, {{398, 20, kWater}, {200, 30, panelFillColor(1)}, {200, 70, panelFillColor(1)}, {200, 50, kBlack}});
    f.expect(kBottomView, {{10, 50, kWater}, {250, 30, panelFillColor(3)}, {250, 70, panelFillColor(3)}, {250, 50, kBlack}});
    f.expect(kSectionEdit, {{75, 40, kAir}, {75, 50, kWater}});
    f.expect(kFrontView, {{79, 5, kAir}, {79, 95, kWater}});  // over and under the body plan
    EXPECT_EQ(f.count(kVolumeGraph, kWhite), 150 * 100);      // not touched
    f.state.Solid = false;
    f.run();
    f.expect(kRightView, {{500, 30, kAir}, {500, 70, kWater}});
    f.expect(kTopView, {{200, 30, kWater}, {200, 70, kWater}, {200, 50, kBlack}});
    f.expect(kBottomView, {{250, 30, kWater}, {250, 70, kWater}});
    f.state.Solid = true;  // each panel twice: deck (1, 2), sides (3, 4), bottom (5, 6)
    f.design.PanelsPerSide = 6;
    f.design.HullPanels = {{}, {1, 2, 0}, {1, 2, 0}, {2, 3, 1}, {2, 3, 1}, {3, 4, 1}, {3, 4, 1}};
    f.run();
    f.expect(kRightView, {{500, 30, panelFillColor(4)}});
    f.expect(kTopView, {{200, 30, panelFillColor(1)}, {200, 70, panelFillColor(1)}});
    f.expect(kBottomView, {{250, 30, panelFillColor(6)}, {250, 70, panelFillColor(6)}});
}

// Shades darken by 30 down to black from the eighth panel; the profile shows
// every panel, the top view the deck's, the bottom view the hull's.
TEST(Drawscreens, EachViewShowsTheShadesOfItsOwnPanels)
{
    EXPECT_EQ(panelFillColor(1), platform::RGB(0, 205, 205));
    EXPECT_EQ(panelFillColor(7), platform::RGB(0, 25, 25));
    for (int k : {8, 12}) EXPECT_EQ(panelFillColor(k), kBlack) << k;
    ViewsFixture f;
    f.design = sevenLineKayak();  // panels 1, 2 deck; 3 to 6 hull
    f.sizeViews({2240, 250}, {2240, 300}, {2240, 300}, {100, 100});  // large enough for every shade to show
    model::makesections(f.design);
    f.run();
    const std::vector<bool> all(6, true), none(6, false);
    EXPECT_EQ(shadesShown(f, kRightView), all);
    EXPECT_EQ(shadesShown(f, kTopView), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(shadesShown(f, kBottomView), (std::vector<bool>{false, false, true, true, true, true}));
    for (auto& p : f.design.HullPanels) p.IsHull = 2;  // neither deck nor hull: the profile only
    f.run();
    EXPECT_EQ(shadesShown(f, kRightView), all);
    for (int view : {kTopView, kBottomView}) EXPECT_EQ(shadesShown(f, view), none) << view;
}

// Zoomed in, the long views show part of their fitted windows, the bars
// placing it (a bar without range counts as at 0); at zoom 1 and below the
// bars are hidden and zeroed. The main window hears of the bars on every redraw.
TEST(Drawscreens, ZoomAndScrollTheLongViewsOnly)
{
    ViewsFixture f;
    std::vector<bool> barsShown;
    f.state.scrollBarsSet = [&](const DrawingState& s) { barsShown.push_back(s.TopviewHScroll.Visible); };
    f.state.ZoomFactor = 2;
    f.state.RightViewHScroll = {3, 0, false};
    f.state.TopviewHScroll = {10, 10, false};  // at Max: from the fitted right edge
    f.state.TopViewVScroll = {5, 10, false};   // half way: 13 inches down
    f.run();
    EXPECT_EQ(f.extent(kRightView), (ViewExtent{-3, 59, 6, 11}));  // 124 / 2 and 11 - 5.5 -> 6
    EXPECT_EQ(f.extent(kTopView), (ViewExtent{102, 154, -13, 0}));
    EXPECT_EQ(f.extent(kFrontView), (ViewExtent{-10, 10, -2, 11}));
    f.state.ZoomFactor = 1;
    f.run();
    EXPECT_EQ(f.extent(kRightView), kProfile);
    EXPECT_EQ(f.state.TopviewHScroll.Value, 0);
    f.state.ZoomFactor = 0.75;  // anchored at the fitted left and top: 124 / 0.75 = 165.3, 11 / 0.75 = 14.7
    f.run();
    EXPECT_EQ(f.extent(kRightView), (ViewExtent{-3, 162, -4, 11}));
    EXPECT_EQ(barsShown, (std::vector<bool>{true, false, false}));
}

// The fit stays while a drag is active. Too small a window draws nothing;
// without a design only the line colours are set. A redraw started inside
// another is skipped, the guard released when the outer one ends, normally
// or by an arithmetic error.
TEST(Drawscreens, GuardsDragsSmallWindowsNoDesignAndReentry)
{
    ViewsFixture f;
    f.state.FormTooSmall = true;
    f.run();
    EXPECT_EQ(f.design.HullLines[1].Color, 0u);
    f.state.FormTooSmall = false;
    DrawingState inner;
    f.state.scrollBarsSet = [&](const DrawingState&) { drawscreens(f.design, f.hydro, f.views, inner); };
    f.run();
    EXPECT_EQ(inner.ViewExtents[kRightView], ViewExtent{});
    f.state.scrollBarsSet = nullptr;
    f.state.DragActive = true;
    for (auto& cp : f.design.ControlPoints) cp.Position.X *= 2;
    model::makesections(f.design);
    f.run();
    EXPECT_EQ(f.extent(kRightView), kProfile);
    f.state.DragActive = false;
    f.run();
    EXPECT_NE(f.extent(kRightView), kProfile);
    const double length = f.design.HullLength;
    f.design.HullLength = std::nan("");
    EXPECT_THROW(f.run(), model::FloatError);
    f.design.HullLength = length;
    drawscreens(f.design, f.hydro, f.views, inner);
    EXPECT_NE(inner.ViewExtents[kRightView], ViewExtent{});
    ViewsFixture empty;
    empty.design.DesignLoaded = false;
    empty.run();
    EXPECT_EQ(empty.design.HullLines[1].Color, platform::RGB(255, 50, 100));
    EXPECT_EQ(empty.extent(kRightView), ViewExtent{});
    EXPECT_EQ(empty.count(kRightView, kWhite), 1000 * 89);
}

// Every view 300 x 200 pixels showing -3..27 across and -5..15 upward (front
// view -15..5): ten pixels an inch, inch i at column 10 (i + 3). 31 ticks, the
// one at 27 just outside; long ones at 0, 12 and 24; down the front view's
// left edge feet -12 and 0 (rows 170 and 50) and inch -11.
TEST(Rulers, InchTicksAlongTheTopAndLeftWithLongOnesAtEveryFoot)
{
    ViewsFixture f;
    f.sizeViews({300, 200}, {300, 200}, {300, 200}, {300, 200});
    for (int view = kRightView; view <= kSectionEdit; ++view) f.setWindow(view, {-3, 27, -5, 15});
    f.setWindow(kFrontView, {-3, 27, -15, 5});
    drawRulers(f.redraw());
    for (int view = kRightView; view <= kSectionEdit; ++view) {
        EXPECT_EQ(countPixels(f.image(view).copy(0, 5, 300, 1), kBlack), 30) << view;
        EXPECT_EQ(countPixels(f.image(view).copy(0, 15, 300, 1), kBlack), 3) << view;
        f.expect(view, {{30, 20, kBlack}, {30, 21, kWhite}});
    }
    f.expect(kFrontView, {{15, 170, kBlack}, {20, 170, kBlack}, {20, 50, kBlack}, {5, 160, kBlack}, {15, 160, kWhite}});
}

// Nothing of an earlier picture may stay, however absurd the design's
// numbers: a waterline far above leaves the views all water (the plan views
// always are), far below all air, and the rulers are drawn over both.
TEST(Drawscreens, AnAbsurdWaterlineStillPaintsEveryViewWhole)
{
    constexpr platform::ColorRef kStale = platform::RGB(255, 0, 0);
    for (double waterline : {1e300, -1e300}) {
        SCOPED_TRACE(waterline);
        ViewsFixture f;
        for (int view = kRightView; view <= kSectionEdit; ++view) {
            f.setWindow(view, {0, 10, 0, 10});
            f.views.box(view).Line(0, 10, 10, 0, kStale, platform::LineForm::FilledBox);
        }
        f.design.WaterlineHeight = waterline;
        f.run();
        for (int view = kRightView; view <= kSectionEdit; ++view) {
            const QImage picture = f.image(view);
            EXPECT_EQ(countPixels(picture, kStale), 0) << view;
            EXPECT_GT(countPixels(picture.copy(0, 0, picture.width(), 1), kBlack), 0) << view;  // the top ruler
        }
        const platform::ColorRef side = waterline > 0 ? kWater : kAir;
        f.expect(kRightView, {{911, 30, side}, {911, 80, side}});
        f.expect(kFrontView, {{75, 95, side}, {120, 95, side}});  // below the body plan
        f.expect(kSectionEdit, {{75, 40, side}, {75, 90, side}});
    }
}

// Redraws that move the waterline (as its search does) or the hull put the
// same pixels in every view as a first redraw in fresh views: kept panels and
// sections are only reused unchanged.
TEST(Drawscreens, RepeatedRedrawsPaintWhatAFirstRedrawPaints)
{
    ViewsFixture repeated;
    const model::Design start = repeated.design;
    const model::HullLine& chine = start.HullLines[3];
    for (auto [waterline, chineLift] : {std::pair{5.0, 0.0}, {5.5, 0.0}, {6.0, 0.0}, {6.0, 3.0}, {6.5, 3.0}, {6.5, 0.0}}) {
        SCOPED_TRACE(testing::Message() << waterline << " " << chineLift);
        ViewsFixture fresh;
        for (ViewsFixture* f : {&repeated, &fresh}) {
            f->design = start;
            f->design.WaterlineHeight = waterline;
            for (int k = 1; k <= chine.SegmentCount; ++k) {
                const model::CurveSegment& c = start.CurveSegments[chine.Segments[k]];
                for (int i : {c.StartPoint, c.StartHandle, c.EndHandle, c.EndPoint})
                    f->design.ControlPoints[i].Position.Y = start.point(i).Y + chineLift / start.HullLength;
            }
            model::makesections(f->design);
            f->run();
        }
        for (int view = kRightView; view <= kVolumeGraph; ++view) EXPECT_EQ(repeated.image(view), fresh.image(view)) << view;
    }
}
