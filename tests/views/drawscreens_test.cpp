#include "model/hull/floaterror.h"
#include "views/hullpanels.h"
#include "views/mappeddrawing.h"
#include "views/viewfit.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;
using namespace testsupport;
using platform::kBlack;
using platform::kWhite;

namespace {

// The profile's fit for the fixture's hull and view (see the fitting table).
constexpr ViewExtent kProfile{-3, 121, 0, 11};

// The box of a 100-inch hull 10 inches deep and 20 wide.
ViewExtentTable fit(FitSizes sizes, ViewExtentTable extents = {}, model::Point3 max = {1, 0.1, 0.1, 0})
{
    fitViews(100, {0, 0, 0, 0}, max, sizes, extents);
    return extents;
}

ViewMapping mappingOf(platform::DeviceContext& dc)
{
    const platform::GdiMapping& m = dc.mapping();
    return {m.viewportOrg(), m.viewportExt(), m.windowOrg(), m.windowExt(), m.mapMode()};
}

}  // namespace

TEST(ViewExtentRounding, HalvesToEvenClampedAndNaNThrows)
{
    for (auto [v, inches] : {std::pair{12.5, 12}, {-2.5, -2}, {1e9, 32767}, {-1e9, -32768}}) EXPECT_EQ(toExtent(v), inches);
    EXPECT_THROW(toExtent(std::nan("")), model::FloatError);
    EXPECT_EQ(toLogical(100 * 0.125), 12);
    EXPECT_THROW(toLogical(INFINITY), model::FloatError);
    EXPECT_EQ(logicalWindow({-2000, 2000, -400, 400}, 20), (platform::Rect{-40000, 8000, 40000, -8000}));
}

// The redraw tests pin the other side of each choice.
TEST(ViewFit, EachViewFitsAcrossOrUpByItsProportion)
{
    const struct { FitSizes sizes; int view; ViewExtent expected; } cases[] = {
        // Box proportions: profile exactly 10, plans 5 (narrower), front exactly 2.
        {{{1000, 90}}, kRightView, {-2, 102, 0, 9}},
        {{{}, {}, {500, 100}}, kBottomView, {-3, 107, -11, 11}},
        {{{1000, 89}, {}, {}, {200, 100}}, kFrontView, {-11, 11, 0, 11}},
    };
    for (const auto& c : cases) {
        const ViewExtentTable t = fit(c.sizes);
        EXPECT_EQ(t[c.view], c.expected) << "case " << &c - cases;
        EXPECT_EQ(t[kSectionEdit], t[kFrontView]);
    }
    // A view without area keeps its window; a flat box counts as infinitely wide.
    ViewExtentTable before;
    before.fill({1, 2, 3, 4});
    const ViewExtentTable t = fit({{0, 89}, {400, 0}, {500, 100}, {0, 0}}, before);
    for (int view : {kRightView, kTopView, kFrontView, kSectionEdit}) EXPECT_EQ(t[view], before[view]) << view;
    EXPECT_EQ(t[kBottomView], (ViewExtent{-3, 107, -11, 11}));
    const ViewExtentTable flat = fit({{1000, 90}, {400, 100}, {}, {150, 100}}, {}, {1, 0, 0, 0});
    EXPECT_TRUE(flat[kRightView].XMin == -2 && flat[kTopView].XMax == 102 && flat[kFrontView] == ViewExtent{});
}

// -20..20 by -5..15 on 400 x 200 (the origin at pixel (200, 150)), under a
// user scale and an odd mapping of the box's own, both left as they were.
TEST(DrawPolygonInView, LandsOnThePixelsOfTheSameInchesAndPutsTheMappingBack)
{
    TestBox v(400, 200);
    ViewExtentTable extents{};
    extents[kFrontView] = {-20, 20, -5, 15};
    v.box.FillStyle = platform::kFillSolid;
    v.box.FillColor = kGreen;
    v.box.ForeColor = kRed;
    const std::vector<model::Point2> square{{}, {-2, 2}, {2, 2}, {2, -2}, {-2, -2}};  // 20 pixels a side
    for (auto [view, n] : {std::pair{7, 4}, {0, 4}, {kFrontView, 5}, {kFrontView, 0}})
        DrawPolygonInView(v.box, extents, std::int16_t(view), std::int16_t(n), square);
    EXPECT_EQ(v.count(kWhite), 400 * 200);
    v.box.Scale(-20, 15, 20, -5);
    platform::DeviceContext& dc = v.box.hDC();
    dc.SetMapMode(platform::MM_ANISOTROPIC);
    dc.SetWindowExtEx({7, 9});
    dc.SetViewportOrgEx({3, 4});
    const ViewMapping before = mappingOf(dc);
    DrawPolygonInView(v.box, extents, kFrontView, 4, square);
    EXPECT_EQ(mappingOf(dc), before);
    v.expect({{200, 150, kGreen}, {200, 130, kRed}});
    v.box.Line(-2, 2, 2, -2, kBlue, platform::LineForm::Box);  // the user scale's same inches cover the outline
    EXPECT_EQ(v.count(kRed), 0);
    DrawPolygonInView(v.box, extents, kFrontView, 3, {{}, {18, 13}, {20, 15}, {18, 15}});
    v.expect({{399, 0, kRed}});
}

// The pinned pictures hold what each view paints; here the fit, the graph
// left alone, and panels neither deck nor hull shown in the profile only.
TEST(Drawscreens, FitsEachViewAndShowsInEachTheShadesOfItsOwnPanels)
{
    EXPECT_EQ(std::tuple(panelFillColor(1), panelFillColor(7), panelFillColor(8), panelFillColor(12)),
              std::tuple(platform::RGB(0, 205, 205), platform::RGB(0, 25, 25), kBlack, kBlack));
    ViewsFixture f;
    f.run();
    EXPECT_EQ(std::tuple(f.extent(kRightView), f.extent(kTopView), f.extent(kBottomView)),
              std::tuple(kProfile, ViewExtent{-2, 102, -13, 13}, ViewExtent{-3, 107, -11, 11}));
    EXPECT_EQ(f.count(kVolumeGraph, kWhite), 150 * 100);
    auto shown = [&] {  // the box's deck, side and bottom panel in the profile, top and bottom view
        return std::tuple(f.count(kRightView, panelFillColor(2)) > 0, f.count(kTopView, panelFillColor(1)) > 0,
                          f.count(kBottomView, panelFillColor(3)) > 0);
    };
    for (auto& p : f.design.HullPanels) p.IsHull = 2;
    f.run();
    EXPECT_EQ(shown(), std::tuple(true, false, false));
}

// A bar without range sits at 0. A redraw inside another is skipped, the
// guard released even by an arithmetic error.
TEST(Drawscreens, ZoomScrollAndGuards)
{
    ViewsFixture f;
    f.state.FormTooSmall = true;
    f.run();
    EXPECT_EQ(f.design.HullLines[1].Color, 0u);
    f.state.FormTooSmall = false;
    std::vector<bool> barsShown;
    f.state.scrollBarsSet = [&](const DrawingState& s) { barsShown.push_back(s.TopviewHScroll.Visible); };
    f.state.ZoomFactor = 2;
    f.state.RightViewHScroll = {3, 0, false};
    f.state.TopviewHScroll = {10, 10, false};  // at Max: from the fitted right edge
    f.state.TopViewVScroll = {5, 10, false};   // half way: 13 inches down
    f.run();
    EXPECT_EQ(std::tuple(f.extent(kRightView), f.extent(kTopView), f.extent(kFrontView)),  // 124 / 2 and 11 - 5.5 -> 6
              std::tuple(ViewExtent{-3, 59, 6, 11}, ViewExtent{102, 154, -13, 0}, ViewExtent{-10, 10, -2, 11}));
    f.state.ZoomFactor = 1;
    f.run();
    EXPECT_EQ(f.state.TopviewHScroll.Value, 0);
    f.state.ZoomFactor = 0.75;  // anchored at the fitted left and top: 124 / 0.75 = 165.3, 11 / 0.75 = 14.7
    f.run();
    EXPECT_EQ(f.extent(kRightView), (ViewExtent{-3, 162, -4, 11}));
    EXPECT_EQ(barsShown, (std::vector<bool>{true, false, false}));
    f.state.ZoomFactor = 1;
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
    f.design.HullLength = std::nan("");
    EXPECT_THROW(f.run(), model::FloatError);
    f.design.HullLength = 100;
    drawscreens(f.design, f.hydro, f.views, inner);
    EXPECT_NE(inner.ViewExtents[kRightView], ViewExtent{});
    ViewsFixture empty;
    empty.design.DesignLoaded = false;
    empty.run();
    EXPECT_EQ(std::tuple(empty.design.HullLines[1].Color, empty.extent(kRightView), empty.count(kRightView, kWhite)),
              std::tuple(platform::RGB(255, 50, 100), ViewExtent{}, 1000 * 89));
}

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
            EXPECT_EQ(f.count(view, kStale), 0) << view;
            EXPECT_GT(countPixels(f.image(view).copy(0, 0, f.image(view).width(), 1), kBlack), 0) << view;
        }
        const platform::ColorRef side = waterline > 0 ? kWater : kAir;
        f.expect(kRightView, {{911, 30, side}, {911, 80, side}});
        f.expect(kFrontView, {{75, 95, side}, {120, 95, side}});  // below the body plan
        f.expect(kSectionEdit, {{75, 40, side}, {75, 90, side}});
    }
}

// Kept panels and sections are reused only unchanged.
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
