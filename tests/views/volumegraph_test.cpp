#include "views/volumegraph.h"
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

TEST(VolumeGraph, BarsRiseFromZeroToEachSlicesVolumeAndEachRunErasesTheLast)
{
    Graph g;
    g.draw({{20, 3}});
    g.draw({{50, 10}, {100, 15}});
    g.expect({{100, 100, kBar}, {100, 200, kBar}, {100, 99, platform::kWhite}, {100, 201, platform::kWhite},
              {200, 50, kBar}});
    EXPECT_EQ(g.count(kBar), 101 + 151);
    EXPECT_EQ(g.state.ViewExtents[kVolumeGraph], g.graph.extent);

    g.graph.extent = {0, 0, -2, 20};  // a window without width is only erased
    g.draw({{0, 10}});
    EXPECT_EQ(g.count(platform::kWhite), 400 * 220);
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
