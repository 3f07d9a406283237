#include "views/volumegraph.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;

namespace {

constexpr platform::ColorRef kBar = platform::RGB(100, 100, 255);

// 0..200 inches across and -2..20 cubic inches up on 400 x 220 pixels: two
// pixels an inch across, ten a cubic inch up, volume 0 on row 200.
struct Graph : TestBox {
    Graph() : TestBox(400, 220) {}
    VolumeGraph graph{{}, {0, 200, -2, 20}};
};

}  // namespace

TEST(VolumeGraph, BarsRiseFromZeroToEachSlicesVolume)
{
    Graph g;
    g.graph.bars = {{50, 10}, {100, 15}};
    drawVolumeGraph(g.box, g.graph);
    EXPECT_EQ(g.at(100, 100), rgbOf(kBar));  // top of the first bar
    EXPECT_EQ(g.at(100, 200), rgbOf(kBar));
    EXPECT_NE(g.at(100, 99), rgbOf(kBar));
    EXPECT_NE(g.at(100, 201), rgbOf(kBar));
    EXPECT_EQ(g.at(200, 50), rgbOf(kBar));
    EXPECT_EQ(g.count(kBar), 101 + 151);
    EXPECT_EQ(g.box.userScale().top(), 20);
}

TEST(VolumeGraph, EachRunErasesTheLastAndSetsTheDrawingState)
{
    Graph g;
    g.graph.bars = {{50, 10}};
    drawVolumeGraph(g.box, g.graph);
    g.graph.bars = {{150, 5}};
    drawVolumeGraph(g.box, g.graph);
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
    g.graph.bars = {{0, 10}};
    drawVolumeGraph(g.box, g.graph);
    EXPECT_EQ(g.count(platform::kWhite), 400 * 220);
}
