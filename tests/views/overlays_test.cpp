#include "model/sections.h"
#include "views/drawwaterline.h"
#include "views/markers.h"
#include "views/overlays.h"
#include "views/waterlineplot.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;
using platform::kBlack;
using platform::kWhite;
using platform::RGB;

namespace {

constexpr platform::ColorRef kBulkheadGreen = RGB(50, 250, 50);
constexpr platform::ColorRef kStationRed = RGB(200, 0, 0);
constexpr platform::ColorRef kPlotRed = RGB(255, 0, 0);
constexpr platform::ColorRef kLcbRed = RGB(225, 0, 0);
constexpr platform::ColorRef kLcfGraphBlue = RGB(0, 0, 255);
constexpr platform::ColorRef kLcfViewBlue = RGB(0, 0, 225);
constexpr platform::ColorRef kProfileWaterline = RGB(200, 200, 255);
constexpr platform::ColorRef kHandleFill = RGB(1, 2, 3);

// A 20-inch box, 8 wide and 10 deep, in views of 300 x 200 pixels that show
// -3..27 across and -5..15 upward: ten pixels an inch. The graph shows 0..30
// by -2..20.
struct Windows : ViewsFixture {
    Windows()
    {
        design = boxHull(20, 8, 10, 5);
        model::makesections(design);
        sizeViews({300, 200}, {300, 200}, {300, 200}, {300, 200});
        for (int view = kRightView; view <= kSectionEdit; ++view) setWindow(view, {-3, 27, -5, 15});
        setWindow(kVolumeGraph, {0, 30, -2, 20});
        for (int view = kRightView; view <= kVolumeGraph; ++view) views.box(view).FillColor = kHandleFill;
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
    // Pixels of the colour in the three columns around X.
    int column(int view, double x, platform::ColorRef color)
    {
        return countPixels(image(view).copy(pixel(view, x, 0).x - 1, 0, 3, views.box(view).height()), color);
    }
    // Half-breadth tables of a thousand slices, all off the waterline.
    void clearPlanTables()
    {
        hydro.VolumeSliceCount = 1000;
        hydro.WaterlineHalfBreadthsTop.assign(1001, 0.0);
        hydro.WaterlineHalfBreadthsBottom.assign(1001, 0.0);
    }
    void addBulkheads(std::initializer_list<double> xs)
    {
        for (double x : xs) {
            model::addBulkhead(design);
            design.Bulkheads[design.BulkheadCount].X = x / design.HullLength;
            design.BulkheadHandles[design.BulkheadCount].X = x;
        }
        model::makesections(design);
    }
};

}  // namespace

// Profile YMax 15 and height 20: radius 1 at (Midship, 12). The full circle
// is not filled; each arc is the half that faces the midship point.
TEST(Overlays, TheMidshipSymbolOnlyWhileItsBoxIsChecked)
{
    Windows f;
    f.hydro.Midship = 10;
    f.right_.FillStyle = platform::kFillTransparent;
    drawMidshipSymbol(f.redraw());
    EXPECT_EQ(f.count(kRightView, kBlack), 0);
    EXPECT_EQ(f.right_.FillStyle, platform::kFillTransparent);
    f.right_.FillStyle = platform::kFillSolid;
    f.state.markers.chkMidship = true;
    drawMidshipSymbol(f.redraw());
    for (auto [x, y] : {std::pair{10.0, 13.0}, {10.0, 11.0}, {9.0, 12.0}, {11.0, 12.0}, {11.0, 13.0}, {9.0, 13.0}})
        EXPECT_TRUE(f.near(kRightView, x, y, kBlack)) << x << "," << y;
    for (auto [x, y] : {std::pair{12.0, 12.0}, {8.0, 12.0}})  // the far halves of the arcs' circles
        EXPECT_FALSE(f.near(kRightView, x, y, kBlack)) << x << "," << y;
    EXPECT_EQ(f.count(kRightView, kHandleFill), 0);
    EXPECT_EQ(f.right_.FillStyle, platform::kFillSolid);
}

// Bulkheads at 5 and 15 inches: a green line from the top line to the keel
// in the profile and across the deck at the sheer (±4) in the plan views, a
// handle at 0.9 of the profile's top edge filled with the view's fill.
TEST(Overlays, BulkheadsAndTheirHandlesAndTheDottedWaterline)
{
    Windows f;
    f.addBulkheads({5, 15});
    f.design.BulkheadHandles[2].X = 16;  // where the user last left it
    f.state.ViewWaterLine = true;
    drawProfileWaterlineAndBulkheads(f.redraw());
    for (int i : {1, 2}) EXPECT_EQ(f.design.BulkheadHandles[i].Y, 13.5) << i;
    for (double x : {5.0, 15.0}) {
        EXPECT_TRUE(f.near(kRightView, x, 8, kBulkheadGreen)) << x;
        EXPECT_FALSE(f.near(kRightView, x, 12, kBulkheadGreen)) << x;  // above the top line
        for (int view : {kTopView, kBottomView}) {
            EXPECT_TRUE(f.near(view, x, 3, kBulkheadGreen) && f.near(view, x, -3, kBulkheadGreen)) << view;
            EXPECT_FALSE(f.near(view, x, 5, kBulkheadGreen)) << view;  // outside the sheer
        }
    }
    f.expect(kRightView, {{f.pixel(kRightView, 16, 13.5).x, f.pixel(kRightView, 16, 13.5).y, kHandleFill}});
    EXPECT_TRUE(f.near(kRightView, 16, 13.5 + 0.75, kBulkheadGreen));
    for (int view : {kRightView, kTopView, kBottomView}) EXPECT_EQ(f.views.box(view).DrawWidth, 1);
    const int dots = countPixels(f.image(kRightView).copy(0, f.pixel(kRightView, 0, 5).y, 300, 1), kProfileWaterline);
    EXPECT_GT(dots, 50);  // dotted across the whole view
    EXPECT_LT(dots, 250);
    EXPECT_EQ(f.right_.DrawStyle, platform::kDrawSolid);
}

// More bulkheads counted than held, or one without its points, are skipped;
// with none the line widths are left alone and no waterline without the menu mark.
TEST(Overlays, BulkheadsTheDesignDoesNotHoldAreSkipped)
{
    Windows f;
    f.addBulkheads({5, 15});
    f.design.BulkheadCount = 5;
    f.design.Bulkheads[2].Pts.resize(2);
    f.design.BulkheadHandles[2].Y = -7;
    drawProfileWaterlineAndBulkheads(f.redraw());
    EXPECT_TRUE(f.near(kTopView, 5, 3, kBulkheadGreen));
    EXPECT_FALSE(f.near(kTopView, 15, 3, kBulkheadGreen));
    EXPECT_EQ(f.design.BulkheadHandles[2].Y, -7);
    Windows none;
    for (int view : {kRightView, kTopView, kBottomView}) none.views.box(view).DrawWidth = 3;
    drawProfileWaterlineAndBulkheads(none.redraw());
    for (int view : {kRightView, kTopView, kBottomView}) EXPECT_EQ(none.views.box(view).DrawWidth, 3);
    EXPECT_EQ(none.count(kRightView, kProfileWaterline), 0);
}

// Twenty stations of 20 inches: station 5 at X 5, station 0 at the bow.
TEST(Overlays, TheCurrentStationLineCrossesEachLongView)
{
    for (auto [station, x] : {std::pair{5, 5.0}, {0, 0.0}}) {
        Windows f;
        f.design.CurrentStation = std::int16_t(station);
        drawCurrentStationLine(f.redraw());
        for (int view : {kRightView, kTopView, kBottomView}) {
            EXPECT_GT(f.column(view, x, kStationRed), 190) << view;
            EXPECT_EQ(f.count(view, kStationRed), f.column(view, x, kStationRed)) << view;
        }
    }
    Windows f;
    f.design.CurrentStation = 99;
    drawCurrentStationLine(f.redraw());
    EXPECT_EQ(f.count(kRightView, kStationRed), 0);
}

// Entry i of a table belongs to X = length × i / 1000, wherever control
// points 1 and 14 lie; every fifth entry from 1, joined only where both ends
// are non-zero, mirrored.
TEST(PlanWaterline, EveryFifthSampleJoinedWhereBothAreOnTheWaterline)
{
    std::vector<double> table(1001, 0.0);
    for (int i : {1, 6, 11, 21, 26, 998}) table[i] = i / 10.0;
    table[3] = 9;  // between samples
    const std::vector<Segment> segments = planWaterlineSegments(table, 1000, 200);
    const std::vector<Segment> expected{
        {1.2, 0.6, 0.2, 0.1}, {1.2, -0.6, 0.2, -0.1}, {2.2, 1.1, 1.2, 0.6},
        {2.2, -1.1, 1.2, -0.6}, {5.2, 2.6, 4.2, 2.1}, {5.2, -2.6, 4.2, -2.1},
    };
    ASSERT_EQ(segments.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(segments[k].x1, expected[k].x1, 1e-12) << k;
        EXPECT_NEAR(segments[k].x2, expected[k].x2, 1e-12) << k;
        EXPECT_EQ(segments[k].y1, expected[k].y1) << k;
        EXPECT_EQ(segments[k].y2, expected[k].y2) << k;
    }
    EXPECT_TRUE(planWaterlineSegments(std::vector<double>(7, 1.0), 1000, 200).size() == 2u);  // a short table ends
    EXPECT_TRUE(planWaterlineSegments(table, 0, 200).empty());
}

// The deck table holds half-breadth 2 from X 5 to 15, the hull table 3 from
// X 2 to 7, on a hull whose ends lie at 0.1 and 0.9 of its length.
TEST(PlanWaterline, EachTableInItsOwnViewAtItsOwnX)
{
    Windows f;
    f.design.ControlPoints[model::kBowPoint].Position.X = 0.1;
    f.design.ControlPoints[model::kSternPoint].Position.X = 0.9;
    f.clearPlanTables();
    for (int i = 251; i <= 751; i += 5) f.hydro.WaterlineHalfBreadthsTop[i] = 2;
    for (int i = 101; i <= 351; i += 5) f.hydro.WaterlineHalfBreadthsBottom[i] = 3;
    drawPlanWaterline(f.redraw());
    EXPECT_EQ(f.count(kTopView, kPlotRed), 0);
    f.state.ViewWaterLine = true;
    drawPlanWaterline(f.redraw());
    EXPECT_TRUE(f.near(kTopView, 14, 2, kPlotRed) && f.near(kTopView, 14, -2, kPlotRed));
    EXPECT_FALSE(f.near(kTopView, 4.5, 2, kPlotRed));
    EXPECT_FALSE(f.near(kTopView, 6, 3, kPlotRed));
    EXPECT_TRUE(f.near(kBottomView, 6, 3, kPlotRed) && f.near(kBottomView, 6, -3, kPlotRed));
    EXPECT_FALSE(f.near(kBottomView, 1.5, 3, kPlotRed));
}

// LCB at 10, LCF 5 aft of a waterline starting at 2; entry measured 6 aft of
// the start (half-width 3), exit 5 forward of the end at 18 (half-width 2).
TEST(Markers, EachMarkerInItsColourAndPlaceOnlyWhileChecked)
{
    Windows f;
    model::Hydrostatics& h = f.hydro;
    h.LCBPosition = 10;
    h.WaterlineStart = 2;
    h.LCF = 5;
    h.WaterlineEnd = 18;
    h.EntryMeasuredFrom = 6;
    h.EntryHalfWidth = 3;
    h.ExitMeasuredFrom = 5;
    h.ExitHalfWidth = 2;
    for (int view = kRightView; view <= kVolumeGraph; ++view) f.views.box(view).DrawStyle = platform::kDrawDashDot;
    drawAnalysisMarkers(f.redraw());
    for (int view = kRightView; view <= kVolumeGraph; ++view) {
        EXPECT_EQ(f.count(view, kWhite), 300 * 200) << view;
        EXPECT_EQ(f.views.box(view).DrawStyle, platform::kDrawDashDot) << view;
    }
    f.state.markers = {false, true, true, true, true};
    drawAnalysisMarkers(f.redraw());
    for (int view : {kRightView, kTopView, kBottomView, kVolumeGraph}) {
        const platform::ColorRef lcf = view == kVolumeGraph ? kLcfGraphBlue : kLcfViewBlue;
        for (auto [x, color] : {std::pair{10.0, kLcbRed}, {7.0, lcf}}) {
            const int dots = f.column(view, x, color);
            EXPECT_GT(dots, 50) << view << " at " << x;  // dotted, top to bottom
            EXPECT_LT(dots, 150) << view << " at " << x;
        }
        EXPECT_EQ(f.views.box(view).DrawStyle, platform::kDrawSolid) << view;
    }
    EXPECT_EQ(f.count(kVolumeGraph, kLcfViewBlue), 0);
    // The triangles: slanted side, centre line and the half-breadth at the measuring station.
    for (auto [x, y] : {std::pair{5.0, 1.5}, {5.0, 0.0}, {8.0, 1.5}, {15.5, 1.0}, {14.0, 0.0}, {13.0, 1.0}})
        EXPECT_TRUE(f.near(kBottomView, x, y, kPlotRed)) << x << "," << y;
    EXPECT_FALSE(f.near(kBottomView, 8, -1.5, kPlotRed));  // one side only
    EXPECT_EQ(f.count(kTopView, kPlotRed) + f.count(kRightView, kPlotRed), 0);
}

// A V-bottomed hull, 100 inches: top line on the centre line at 10, sheer
// out at 10, chine 6 out at 2, keel at 0, sampled at eleven places.
TEST(DrawWaterline, WhereEachBracketingPairCrossesTheWater)
{
    auto vHull = [](double waterline) {
        DesignBuilder b(100);
        b.polyline(std::vector<Inches>{{0, 10, 0}, {100, 10, 0}});
        b.polyline(std::vector<Inches>{{0, 10, 10}, {100, 10, 10}});
        b.polyline(std::vector<Inches>{{0, 2, 6}, {100, 2, 6}});
        b.polyline(std::vector<Inches>{{0, 0, 0}, {100, 0, 0}});
        return b.waterline(waterline).build();
    };
    const struct {
        double waterline;
        std::size_t count;
        double z;
    } cases[] = {{5, 11, 7.5}, {1, 11, 3}, {0, 11, 0}, {10, 0, 0}, {12, 0, 0}, {-1, 0, 0}};
    for (const auto& c : cases) {
        const std::vector<model::Point2> points = waterlineCrossings(vHull(c.waterline));
        ASSERT_EQ(points.size(), c.count) << c.waterline;
        for (std::size_t k = 0; k < points.size(); ++k) {
            EXPECT_NEAR(points[k].X, 10.0 * double(k), 1e-9) << c.waterline;
            EXPECT_NEAR(points[k].Y, c.z, 1e-12) << c.waterline;
        }
    }
    // The box's sides are vertical at its waterline: no crossing there.
    EXPECT_TRUE(waterlineCrossings(boxHull(100, 20, 10, 5)).empty());
    EXPECT_TRUE(waterlineCrossings(model::Design{}).empty());
    // A corrupt stern point a trillion lengths away: the walk stops after a
    // thousand, having found the hull's own crossings.
    model::Design far = vHull(5);
    far.ControlPoints[model::kSternPoint].Position.X = 1e12;
    EXPECT_EQ(waterlineCrossings(far).size(), 11u);
}

// Dotted into the top view on both sides as it stands; nothing without a design.
TEST(DrawWaterline, DotsBothSidesOfTheTopViewAndNothingWithoutADesign)
{
    Windows f;
    model::Design v = boxHull(20, 8, 10, 5);
    for (std::size_t k = 1; k < v.ControlPoints.size(); ++k) {
        model::Point3& p = v.ControlPoints[k].Position;
        if (p.Y == 0 && p.Z != 0) p.Z /= 2;  // the chine in to 2: the sides slope
    }
    model::makesections(v);
    v.DesignLoaded = false;
    DrawWaterline(v, f.top_);
    EXPECT_EQ(f.count(kTopView, kPlotRed), 0);
    v.DesignLoaded = true;
    DrawWaterline(v, f.top_);
    EXPECT_EQ(f.count(kTopView, kPlotRed), 2 * 11);  // X 0, 2, ..., 20 and both sides
    EXPECT_TRUE(f.near(kTopView, 10, 3, kPlotRed) && f.near(kTopView, 10, -3, kPlotRed));
    model::Design empty;
    empty.DesignLoaded = true;
    DrawWaterline(empty, f.top_);
}

// A whole redraw of the fixture's box hull with every overlay and marker on:
// the midship symbol lies under the filled panels, the station line over the
// bulkhead at the same X, the dotted LCB over both, the plan waterline over
// the deck and the entry triangle over the panels' centre line.
TEST(PassOrder, LaterPassesPaintOverEarlierOnes)
{
    Windows f;
    f.design = boxHull(100, 20, 10, 5);
    f.sizeViews({1000, 89}, {400, 100}, {500, 100}, {150, 100});
    f.addBulkheads({30});
    f.design.CurrentStation = 6;  // of 20: X 30
    f.state.ViewWaterLine = true;
    f.state.markers = {true, true, false, true, false};
    model::Hydrostatics& h = f.hydro;
    h.Midship = 50;
    h.LCBPosition = 30;
    h.WaterlineStart = 60;
    h.EntryMeasuredFrom = 20;
    h.EntryHalfWidth = 4;
    f.clearPlanTables();
    for (int i = 201; i <= 801; i += 5) h.WaterlineHalfBreadthsTop[i] = 5;
    f.run();
    const double symbolTop = 0.8 * f.extent(kRightView).YMax + f.extent(kRightView).YMax / 20.0;
    EXPECT_FALSE(f.near(kRightView, 50, symbolTop, kBlack));
    // The station's one-pixel column: red and dotted LCB, none of the bulkhead's green beside it.
    const QImage stationColumn = f.image(kTopView).copy(f.pixel(kTopView, 30, 0).x, 0, 1, 100);
    EXPECT_EQ(countPixels(stationColumn, kBulkheadGreen), 0);
    EXPECT_GT(countPixels(stationColumn, kStationRed), 10);
    EXPECT_GT(countPixels(stationColumn, kLcbRed), 10);
    EXPECT_TRUE(f.near(kTopView, 30, 5, kBulkheadGreen));
    EXPECT_TRUE(f.near(kTopView, 50, 5, kPlotRed) && f.near(kTopView, 50, -5, kPlotRed));
    const platform::Point centre = f.pixel(kBottomView, 70, 0);
    f.expect(kBottomView, {{centre.x, centre.y, kPlotRed}});
    f.state.Solid = false;
    f.run();
    EXPECT_TRUE(f.near(kRightView, 50, symbolTop, kBlack));
}
