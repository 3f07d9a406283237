#include "views/drawwaterline.h"
#include "views/edithandles.h"
#include "views/hulllinecolors.h"
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
                             kLcb = RGB(225, 0, 0), kFill = RGB(1, 2, 3), kWaterlineBlue = RGB(20, 20, 200);

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
    }
    bool near(int view, double x, double y, platform::ColorRef color)
    {
        const platform::Point p = pixel(view, x, y);
        return countPixels(image(view).copy(p.x - 1, p.y - 1, 3, 3), color) > 0;
    }
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

// Lines 1 deck centre, 2 sheer, 3 chine, 4 keel, handles at X 25 and 75; 7
// moved clear of the others. Points held in plan hide only where a panel's
// first line reaches them, and only in the top view.
TEST(EditHandles, EachViewItsOwnLinesHandlesAndTheWaterlineHandle)
{
    ViewsFixture f;
    f.design.ControlPoints[7].Position.Z = 8.0 / 100;
    assignHullLineColors(f.design);
    f.setWindow(kRightView, {-3, 121, 0, 11});
    for (int view : {kTopView, kBottomView}) f.setWindow(view, {-2, 102, -13, 13});
    auto draw = [&](std::int16_t active, double zoom = 1) {
        f.state.ActiveView = active;
        f.state.ZoomFactor = zoom;
        drawEditHandles(f.redraw());
    };
    auto blank = [&](int view) { return f.count(view, platform::kWhite) == f.image(view).width() * f.image(view).height(); };
    for (std::int16_t other : {kActiveNone, kActiveSection, kActiveFront, kActiveGraph}) {
        draw(other);
        for (int view : {kRightView, kTopView, kBottomView}) EXPECT_TRUE(blank(view)) << other;
    }
    for (int p : {3, 5, 7}) f.design.ControlPoints[p].LockX = f.design.ControlPoints[p].LockZ = 1;
    draw(kActiveTop);
    EXPECT_NE(f.at(kTopView, 25, 0), rgbOf(f.design.HullLines[1].Color));
    EXPECT_EQ(std::pair(f.at(kTopView, 75, 0), f.at(kTopView, 25, 8)),
              std::pair(rgbOf(f.design.HullLines[1].Color), rgbOf(f.design.HullLines[2].Color)));
    draw(kActiveRight);
    const int atOne = f.count(kRightView, kWaterlineBlue);
    f.right_.Cls();
    draw(kActiveRight, 2);  // half the radius, a quarter of the area
    EXPECT_GT(atOne, 3 * f.count(kRightView, kWaterlineBlue));
    draw(kActiveBottom);
    EXPECT_EQ(std::pair(f.at(kBottomView, 25, 0), f.at(kBottomView, 75, 10)),
              std::pair(rgbOf(f.design.HullLines[4].Color), rgbOf(f.design.HullLines[3].Color)));
    model::CurveSegment& keel = f.design.CurveSegments[f.design.HullLines[4].Segments[1]];
    keel.Kind = model::kCoversStartToEndLimit;
    keel.EndLimit = 14;
    f.bottom_.Cls();
    draw(kActiveBottom);
    EXPECT_NE(f.at(kBottomView, 25, 0), rgbOf(f.design.HullLines[4].Color));
}

// The pinned pictures hold the symbol's and the bulkheads' shapes. Bulkheads
// at 5 and 15 (handle dragged to 16), three more counted than held, the third
// without points: handles at 0.9 of the profile's top, drawn where they are.
TEST(Overlays, TheMidshipSymbolOnlyWhenCheckedAndBulkheadHandlesWhereTheyAre)
{
    Windows f;
    f.hydro.Midship = 10;
    drawMidshipSymbol(f.redraw());
    EXPECT_EQ(f.count(kRightView, kBlack), 0);
    for (double x : {5, 15, 25}) f.addBulkhead(x);
    f.design.BulkheadHandles[2].X = 16;
    f.design.Bulkheads[3].Pts.resize(2);
    f.design.BulkheadCount = 6;
    drawProfileWaterlineAndBulkheads(f.redraw());
    EXPECT_EQ(std::pair(f.design.BulkheadHandles[2].Y, f.design.BulkheadHandles[3].Y), std::pair(13.5, 0.0));
    EXPECT_TRUE(f.column(kTopView, 25, kBulkhead) == 0 && f.at(kRightView, 16, 13.5) == rgbOf(kFill) &&
                f.near(kRightView, 16, 14.25, kBulkhead));
}

// LCB at 10, LCF 5 aft of a waterline from 2: dotted, the LCF a brighter blue
// in the graph (the pinned pictures hold the plan waterline and half angles).
TEST(Markers, LcbAndLcfDottedInEachViewTheLcfBrighterInTheGraph)
{
    Windows f;
    f.hydro.LCBPosition = 10, f.hydro.WaterlineStart = 2, f.hydro.LCF = 5;
    f.state.markers = {false, true, true, false, false};
    drawAnalysisMarkers(f.redraw());
    for (int view : {kRightView, kTopView, kBottomView, kVolumeGraph}) {
        const platform::ColorRef lcf = view == kVolumeGraph ? RGB(0, 0, 255) : RGB(0, 0, 225);
        for (auto [x, color] : {std::pair{10.0, kLcb}, {7.0, lcf}}) {
            const int dots = f.column(view, x, color);
            EXPECT_TRUE(dots > 50 && dots < 150) << view << " at " << x << ": " << dots;
        }
        EXPECT_EQ(f.views.box(view).DrawStyle, platform::kDrawSolid) << view;
    }
}

// A V hull of 100 inches: top line on the centre at 10, sheer 10 out at 10,
// chine 6 out at 2, keel at 0; sampled at eleven places.
TEST(DrawWaterline, DotsWhereEachBracketingPairCrossesTheWater)
{
    auto vHull = [](double waterline) {
        DesignBuilder b(100);
        for (Inches end : {Inches{0, 10, 0}, {0, 10, 10}, {0, 2, 6}, {0, 0, 0}})
            b.polyline(std::vector<Inches>{end, {100, end.y, end.z}});
        return b.waterline(waterline).build();
    };
    for (auto [waterline, count, z] : {std::tuple{5.0, 11u, 7.5}, {1.0, 11u, 3.0}, {0.0, 11u, 0.0}, {10.0, 0u, 0.0},
                                       {-1.0, 0u, 0.0}}) {
        const std::vector<model::Point2> points = waterlineCrossings(vHull(waterline));
        ASSERT_EQ(points.size(), count) << waterline;
        for (std::size_t k = 0; k < points.size(); ++k)
            EXPECT_TRUE(std::abs(points[k].X - 10.0 * double(k)) < 1e-9 && points[k].Y == z) << waterline;
    }
    EXPECT_TRUE(waterlineCrossings(boxHull(100, 20, 10, 5)).empty());  // vertical sides give none
    model::Design v = vHull(5);  // a corrupt stern a trillion lengths off: the walk stops
    v.ControlPoints[model::kSternPoint].Position.X = 1e12;
    EXPECT_EQ(waterlineCrossings(v).size(), 11u);
    Windows f;
    f.setWindow(kTopView, {-3, 27, -10, 10});
    v = vHull(5);
    v.DesignLoaded = false;
    DrawWaterline(v, f.top_);
    DrawWaterline(model::Design{}, f.top_);
    EXPECT_EQ(f.count(kTopView, kPlot), 0);
    v.DesignLoaded = true;
    DrawWaterline(v, f.top_);
    EXPECT_TRUE(f.near(kTopView, 10, 7.5, kPlot) && f.near(kTopView, 20, -7.5, kPlot));
}

// The midship symbol lies under filled panels (the pinned pictures hold the other passes' order).
// The station line is drawn at station 0, the bow, but not past the last station.
TEST(PassOrder, MidshipUnderThePanelsAndTheStationLineWithinTheStations)
{
    Windows f;
    f.design = boxHull(100, 20, 10, 5);
    model::makesections(f.design);
    f.sizeViews({1000, 89}, {400, 100}, {500, 100}, {150, 100});
    f.state.markers.chkMidship = true;
    f.hydro.Midship = 50;
    for (auto [solid, station] : {std::pair{true, 99}, {false, 0}}) {
        f.state.Solid = solid;
        f.design.CurrentStation = std::int16_t(station);
        f.run();
        EXPECT_EQ(f.near(kRightView, 50, 0.85 * f.extent(kRightView).YMax, kBlack), !solid);
        for (int view : {kRightView, kTopView, kBottomView})
            EXPECT_TRUE(station == 0 ? f.column(view, 0, kStation, 1) > 10 : f.count(view, kStation) == 0) << view;
    }
}
