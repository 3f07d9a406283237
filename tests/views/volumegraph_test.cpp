#include "model/hydrostatics.h"
#include "views/volumegraph.h"
#include "tests/support/designbuilder.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;
using namespace testsupport;

namespace {

constexpr platform::ColorRef kBar = platform::RGB(100, 100, 255);

// 0..200 inches across and -2..20 cubic inches up on 400 x 220 pixels: two
// pixels an inch across, ten a cubic inch up, volume 0 on row 200.
struct Graph : TestBox {
    Graph() : TestBox(400, 220) { graph.extent = {0, 200, -2, 20}; }
    void draw(std::vector<model::VolumeBar> bars)
    {
        graph.bars = std::move(bars);
        drawVolumeGraph(box, graph, state);
    }
    model::VolumeGraph graph;
    DrawingState state;
};

}  // namespace

TEST(VolumeGraph, BarsRiseFromZeroToEachSlicesVolume)
{
    Graph g;
    g.draw({{50, 10}, {100, 15}});
    EXPECT_EQ(g.at(100, 100), rgbOf(kBar));  // top of the first bar
    EXPECT_EQ(g.at(100, 200), rgbOf(kBar));
    EXPECT_NE(g.at(100, 99), rgbOf(kBar));
    EXPECT_NE(g.at(100, 201), rgbOf(kBar));
    EXPECT_EQ(g.at(200, 50), rgbOf(kBar));
    EXPECT_EQ(g.count(kBar), 101 + 151);
    EXPECT_EQ(g.box.userScale().top(), 20);
    EXPECT_EQ(g.state.ViewExtents[kVolumeGraph], g.graph.extent);
}

TEST(VolumeGraph, EachRunErasesTheLastAndSetsTheDrawingState)
{
    Graph g;
    g.draw({{50, 10}});
    g.draw({{150, 5}});
    EXPECT_EQ(g.at(100, 150), rgbOf(platform::kWhite));
    EXPECT_EQ(g.at(300, 150), rgbOf(kBar));
    EXPECT_EQ(g.box.FillStyle, platform::kFillSolid);
    EXPECT_EQ(g.box.FillColor, platform::RGB(0, 150, 0));
    EXPECT_EQ(g.box.ForeColor, platform::kBlack);
}

TEST(VolumeGraph, AWindowWithoutWidthIsOnlyErased)
{
    Graph g;
    g.box.Line(0, 0, 100, 100, kRed, platform::LineForm::FilledBox);
    g.graph.extent = {0, 0, -2, 20};
    g.draw({{0, 10}});
    EXPECT_EQ(g.count(platform::kWhite), 400 * 220);
}

// The box hull's 1000 slices, each 20 x 5 x 0.1 = 10 cubic inches below its
// waterline, fill the graph from X 0 to 100 (columns 0 to 399 of 400) up to
// 10 of its 40 (two cockpits' worth).
TEST(VolumeGraph, DrawsTheHydrostaticsBars)
{
    model::Design d = boxHull(100, 20, 10, 5);
    d.CockpitCount = 2;
    model::Hydrostatics h;
    ASSERT_TRUE(model::runHydrostatics(d, {}, h));
    Graph g;
    drawVolumeGraph(g.box, h.volumeGraph, g.state);
    EXPECT_EQ(g.state.ViewExtents[kVolumeGraph], (ViewExtent{0, 100, -2, 40}));
    // Volume 10 at row (40 - 10) x 220 / 42 = 157.1, 0 at row 209.5 -> 210.
    for (int x : {0, 100, 250, 399}) {
        EXPECT_EQ(g.at(x, 158), rgbOf(kBar)) << x;
        EXPECT_EQ(g.at(x, 210), rgbOf(kBar)) << x;
        EXPECT_NE(g.at(x, 155), rgbOf(kBar)) << x;
    }
}

TEST(VolumeGraph, DrawsTheSamePixelsAsEveryBarDrawnInTurn)
{
    // Many bars to a pixel column, rising, falling and dipping below zero.
    std::vector<model::VolumeBar> bars;
    for (int i = 0; i < 1000; ++i) {
        const double x = i * 0.2;
        bars.push_back({x, 18 * std::sin(x / 31) + (i % 7 == 0 ? -1.5 : 0)});
    }
    Graph fast;
    fast.draw(bars);
    Graph plain;
    plain.draw({});
    for (const model::VolumeBar& bar : bars) plain.box.Line(float(bar.x), float(bar.v), float(bar.x), 0, kBar);
    const QImage a = fast.box.image(), b = plain.box.image();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;
}
