#include "views/drawwaterline.h"
#include "views/markers.h"
#include "views/overlays.h"
#include "views/waterlineplot.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;
using platform::kBlack;
using platform::RGB;

namespace {

constexpr platform::ColorRef kBulkhead = RGB(50, 250, 50), kStation = RGB(200, 0, 0), kPlot = RGB(255, 0, 0),
                             kLcb = RGB(225, 0, 0), kDotted = RGB(200, 200, 255), kFill = RGB(1, 2, 3);

// A 20-inch box, 8 wide and 10 deep, in views of 300 x 200 pixels that show
// -3..27 across and -5..15 upward; the graph shows 0..30 by -2..20.
struct Windows : ViewsFixture {
    Windows()
    {
        design = boxHull(20, 8, 10, 5);
        model::makesections(design);
        sizeViews({300, 200}, {300, 200}, {300, 200}, {300, 200});
        for (int view = kRightView; view <= kSectionEdit; ++view) setWindow(view, {-3, 27, -5, 15});
        setWindow(kVolumeGraph, {0, 30, -2, 20});
        for (int view = kRightView; view <= kVolumeGraph; ++view) views.box(view).FillColor = kFill;
        hydro.VolumeSliceCount = 1000;
        hydro.WaterlineHalfBreadthsTop.assign(1001, 0.0);
        hydro.WaterlineHalfBreadthsBottom.assign(1001, 0.0);
    }
    platform::Point pixel(int view, double x, double y)
    {
        const platform::PictureBox& box = views.box(view);
        return box.userScale().toDevice(x, y, box.width(), box.height());
    }
    // Whether the colour shows within a pixel of where (x, y) lands.
    bool near(int view, double x, double y, platform::ColorRef color)
    {
        const platform::Point p = pixel(view, x, y);
        return countPixels(image(view).copy(p.x - 1, p.y - 1, 3, 3), color) > 0;
    }
    // Pixels of the colour in the `width` columns centred on X.
    int column(int view, double x, platform::ColorRef color, int width = 3)
    {
        return countPixels(image(view).copy(pixel(view, x, 0).x - width / 2, 0, width, 200), color);
    }
    void addBulkhead(double x)
    {
        model::addBulkhead(design);
        design.Bulkheads[design.BulkheadCount].X = x / design.HullLength;
        design.BulkheadHandles[design.BulkheadCount].X = x;
        model::makesections(design);
    }
};

}  // namespace

// Radius 1 at (Midship 10, 12): a circle and the two half arcs that face it,
// nothing filled.
TEST(Overlays, TheMidshipSymbolIsACircleAndTwoInwardArcs)
{
    Windows f;
    f.hydro.Midship = 10;
    f.state.markers.chkMidship = true;
    drawMidshipSymbol(f.redraw());
    for (auto [x, y] : {std::pair{10.0, 13.0}, {9.0, 12.0}, {11.0, 13.0}, {9.0, 13.0}, {11.0, 11.0}})
        EXPECT_TRUE(f.near(kRightView, x, y, kBlack)) << x << "," << y;
    EXPECT_FALSE(f.near(kRightView, 12, 12, kBlack) || f.near(kRightView, 8, 12, kBlack));  // the arcs' far halves
    EXPECT_TRUE(f.count(kRightView, kFill) == 0 && f.right_.FillStyle == platform::kFillSolid);
}

// Bulkheads at 5 and 15 (the second's handle dragged to 16) and three more
// counted than held, the third without its points: green from the top line to
// the keel in the profile and across the sheer (±4) in the plan views, each
// handle raised to 0.9 of the profile's top edge and filled with its fill.
TEST(Overlays, BulkheadsTheirHandlesAndTheDottedWaterline)
{
    Windows f;
    for (double x : {5, 15, 25}) f.addBulkhead(x);
    f.design.BulkheadHandles[2].X = 16;
    f.design.Bulkheads[3].Pts.resize(2);
    f.design.BulkheadCount = 6;
    f.state.ViewWaterLine = true;
    drawProfileWaterlineAndBulkheads(f.redraw());
    EXPECT_EQ(f.design.BulkheadHandles[2].Y, 13.5);
    EXPECT_EQ(f.design.BulkheadHandles[3].Y, 0);
    for (double x : {5.0, 15.0}) {
        EXPECT_TRUE(f.near(kRightView, x, 8, kBulkhead) && !f.near(kRightView, x, 11, kBulkhead)) << x;
        for (int view : {kTopView, kBottomView})
            EXPECT_TRUE(f.near(view, x, -3, kBulkhead) && !f.near(view, x, 5, kBulkhead)) << view;
    }
    EXPECT_EQ(f.column(kTopView, 25, kBulkhead), 0);
    const platform::Point handle = f.pixel(kRightView, 16, 13.5);
    f.expect(kRightView, {{handle.x, handle.y, kFill}});
    EXPECT_TRUE(f.near(kRightView, 16, 14.25, kBulkhead));
    for (int view : {kRightView, kTopView, kBottomView}) EXPECT_EQ(f.views.box(view).DrawWidth, 1);
    const int dots = countPixels(f.image(kRightView).copy(0, f.pixel(kRightView, 0, 5).y, 300, 1), kDotted);
    EXPECT_TRUE(dots > 50 && dots < 250) << dots;  // dotted across the whole view
}

// Entry i at X = length × i / 1000 however far apart the end points lie
// (here 0.1 and 0.9): the deck table 2 from X 5 to 15 but off the waterline
// from 9 to 11 (every fifth entry sampled, so 8.92 to 11.12 stays open),
// the hull table 3 from X 2 to 7, each in its own view, mirrored.
TEST(PlanWaterline, EachTableInItsViewAtItsOwnXBrokenOffTheWaterline)
{
    Windows f;
    f.design.ControlPoints[model::kBowPoint].Position.X = 0.1;
    f.design.ControlPoints[model::kSternPoint].Position.X = 0.9;
    for (int i = 251; i <= 751; i += 5) f.hydro.WaterlineHalfBreadthsTop[i] = i < 450 || i > 551 ? 2 : 0;
    for (int i = 101; i <= 351; i += 5) f.hydro.WaterlineHalfBreadthsBottom[i] = 3;
    f.state.ViewWaterLine = true;
    drawPlanWaterline(f.redraw());
    EXPECT_TRUE(f.near(kTopView, 14, 2, kPlot) && f.near(kTopView, 6, -2, kPlot));
    EXPECT_FALSE(f.near(kTopView, 4.5, 2, kPlot) || f.near(kTopView, 10, 2, kPlot) || f.near(kTopView, 6, 3, kPlot));
    EXPECT_TRUE(f.near(kBottomView, 6, -3, kPlot) && !f.near(kBottomView, 1.5, 3, kPlot));
}

// LCB at 10, LCF 5 aft of a waterline from 2 to 18; entry measured 6 aft of
// its start (half-width 3), exit 5 forward of its end (half-width 2).
TEST(Markers, EachInItsColourAndPlace)
{
    Windows f;
    model::Hydrostatics& h = f.hydro;
    h.LCBPosition = 10, h.WaterlineStart = 2, h.LCF = 5, h.WaterlineEnd = 18;
    h.EntryMeasuredFrom = 6, h.EntryHalfWidth = 3, h.ExitMeasuredFrom = 5, h.ExitHalfWidth = 2;
    f.state.markers = {false, true, true, true, true};
    drawAnalysisMarkers(f.redraw());
    for (int view : {kRightView, kTopView, kBottomView, kVolumeGraph}) {
        const platform::ColorRef lcf = view == kVolumeGraph ? RGB(0, 0, 255) : RGB(0, 0, 225);
        for (auto [x, color] : {std::pair{10.0, kLcb}, {7.0, lcf}}) {
            const int dots = f.column(view, x, color);
            EXPECT_TRUE(dots > 50 && dots < 150) << view << " at " << x << ": " << dots;  // dotted, top to bottom
        }
        EXPECT_EQ(f.views.box(view).DrawStyle, platform::kDrawSolid) << view;
    }
    // Each triangle's slanted side, centre line and half-breadth, on one side only.
    for (auto [x, y] : {std::pair{5.0, 1.5}, {5.0, 0.0}, {8.0, 1.5}, {15.5, 1.0}, {14.0, 0.0}, {13.0, 1.0}})
        EXPECT_TRUE(f.near(kBottomView, x, y, kPlot)) << x << "," << y;
    EXPECT_FALSE(f.near(kBottomView, 8, -1.5, kPlot));
}

// A V-bottomed hull, 100 inches: top line on the centre line at 10, sheer 10
// out at 10, chine 6 out at 2, keel at 0; sampled at eleven places.
TEST(DrawWaterline, DotsWhereEachBracketingPairCrossesTheWater)
{
    auto vHull = [](double waterline) {
        DesignBuilder b(100);
        for (Inches end : {Inches{0, 10, 0}, {0, 10, 10}, {0, 2, 6}, {0, 0, 0}})
            b.polyline(std::vector<Inches>{end, {100, end.y, end.z}});
        return b.waterline(waterline).build();
    };
    const struct {
        double waterline;
        std::size_t count;
        double z;
    } cases[] = {{5, 11, 7.5}, {1, 11, 3}, {0, 11, 0}, {10, 0, 0}, {-1, 0, 0}};
    for (const auto& c : cases) {
        const std::vector<model::Point2> points = waterlineCrossings(vHull(c.waterline));
        ASSERT_EQ(points.size(), c.count) << c.waterline;
        for (std::size_t k = 0; k < points.size(); ++k)
            EXPECT_TRUE(std::abs(points[k].X - 10.0 * double(k)) < 1e-9 && points[k].Y == c.z) << c.waterline;
    }
    EXPECT_TRUE(waterlineCrossings(boxHull(100, 20, 10, 5)).empty());  // vertical sides give none
    model::Design far = vHull(5);  // a corrupt stern a trillion lengths off: the walk stops
    far.ControlPoints[model::kSternPoint].Position.X = 1e12;
    EXPECT_EQ(waterlineCrossings(far).size(), 11u);

    Windows f;
    f.setWindow(kTopView, {-3, 27, -10, 10});
    model::Design v = vHull(5);
    v.DesignLoaded = false;
    DrawWaterline(v, f.top_);
    DrawWaterline(model::Design{}, f.top_);
    EXPECT_EQ(f.count(kTopView, kPlot), 0);
    v.DesignLoaded = true;
    DrawWaterline(v, f.top_);
    EXPECT_TRUE(f.near(kTopView, 10, 7.5, kPlot) && f.near(kTopView, 20, -7.5, kPlot));
}

// A whole redraw of the fixture's box hull with everything on: the midship
// symbol under the filled panels, the station line over the bulkhead at the
// same X, the dotted LCB over both, the plan waterline over the deck, the
// entry triangle over the panels' centre line.
TEST(PassOrder, LaterPassesPaintOverEarlierOnes)
{
    Windows f;
    f.design = boxHull(100, 20, 10, 5);
    f.sizeViews({1000, 89}, {400, 100}, {500, 100}, {150, 100});
    f.addBulkhead(30);
    f.design.CurrentStation = 6;  // of 20: X 30
    f.state.ViewWaterLine = true;
    f.state.markers = {true, true, false, true, false};
    model::Hydrostatics& h = f.hydro;
    h.Midship = 50, h.LCBPosition = 30, h.WaterlineStart = 60, h.EntryMeasuredFrom = 20, h.EntryHalfWidth = 4;
    for (int i = 201; i <= 801; i += 5) h.WaterlineHalfBreadthsTop[i] = 5;
    f.run();
    const double symbolTop = 0.85 * f.extent(kRightView).YMax;
    EXPECT_FALSE(f.near(kRightView, 50, symbolTop, kBlack));
    EXPECT_EQ(f.column(kTopView, 30, kBulkhead, 1), 0);
    EXPECT_GT(f.column(kTopView, 30, kStation, 1), 10);
    EXPECT_GT(f.column(kTopView, 30, kLcb, 1), 10);
    EXPECT_TRUE(f.near(kTopView, 30, 5, kBulkhead) && f.near(kTopView, 50, -5, kPlot));
    const platform::Point centre = f.pixel(kBottomView, 70, 0);
    f.expect(kBottomView, {{centre.x, centre.y, kPlot}});
    f.state.Solid = false;
    f.design.CurrentStation = 99;  // past the last station: no line
    f.run();
    EXPECT_TRUE(f.near(kRightView, 50, symbolTop, kBlack));
    EXPECT_EQ(f.count(kTopView, kStation), 0);
}
