#include "views/bodyplan.h"
#include "views/bodyplanorder.h"
#include "views/mappeddrawing.h"
#include "views/sectionlines.h"
#include "views/volumegraph.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

using namespace views;
using namespace testsupport;
using platform::kWhite;
using platform::RGB;

namespace {

// Eleven stations that never overlap: station i a band from half-breadth
// i + 1 to i + 1.8, height 0 to 10, its fill at (±(i + 1.4), 5).
struct BandedBodyPlan : ViewsFixture {
    BandedBodyPlan()
    {
        design.HullLength = 1;
        design.StationCount = 11;
        design.Sections.assign(12, {});
        for (int i = 0; i <= 11; ++i)
            design.Sections[i].Pts = {{}, {0, 10, i + 1.0}, {0, 10, i + 1.8}, {0, 0, i + 1.8}, {0, 0, i + 1.0}};
        front_.resize(300, 200);
        setWindow(kFrontView, {-15, 15, -5, 15});
    }
    int green(int side) { return countPixels(image(kFrontView).copy(side < 0 ? 0 : 151, 0, 149, 200), RGB(0, 255, 0)); }
};

constexpr platform::ColorRef kBar = RGB(100, 100, 255);

// 0..200 inches by -2..20 cubic inches on 400 x 220 pixels: volume 0 on row 200.
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

// Stations 8 down to 0 on the left, 2 up to 11 on the right, shaded by their
// distance from the far end; the current station green on each side it is
// drawn on (0 only on the left); a section short of points left out.
TEST(BodyPlan, EachStationOnItsSidesInItsShade)
{
    BandedBodyPlan f, bow;
    f.design.CurrentStation = 5;
    f.design.Sections[9].Pts.resize(3);
    drawBodyPlan(f.redraw());
    drawBodyPlan(bow.redraw());
    const struct { int station; platform::ColorRef left, right; } cases[] = {{0, RGB(0, 205, 205), kWhite}, {1, RGB(0, 182, 182), kWhite},  {2, RGB(0, 159, 159), RGB(0, 15, 15)},
                 {5, RGB(0, 89, 89), RGB(0, 66, 66)}, {8, RGB(0, 20, 20), RGB(0, 135, 135)}, {9, kWhite, kWhite},
                 {11, kWhite, RGB(0, 205, 205)}};
    for (const auto& c : cases) {
        EXPECT_EQ(f.at(kFrontView, -(c.station + 1.4), 5), rgbOf(c.left)) << c.station;
        EXPECT_EQ(f.at(kFrontView, c.station + 1.4, 5), rgbOf(c.right)) << c.station;
    }
    EXPECT_TRUE(f.green(-1) > 0 && f.green(1) > 0 && bow.green(-1) > 0 && bow.green(1) == 0);
    // Ten intervals give stations 3 (after) and 7 (forward) a shade of 26.5: the even one wins.
    for (const BodyPlanStation& s : bodyPlanOrder(10, 10, 0))
        EXPECT_TRUE(s.fill == RGB(0, 26, 26) || ((s.station != 3 || s.side < 0) && (s.station != 7 || s.side > 0)));
    EXPECT_EQ(bodyPlanOrder(10, 4, 0).size(), 5u + 3u);  // only the stations built
}

// Three panels give six edges; a top point off the centre line adds the two
// closing lines; a keel off it stays open.
TEST(SectionOutline, TwoLinesAPanelAndTwoToCloseAnOpenTop)
{
    model::Design d = boxHull(100, 20, 10, 5);
    model::makesections(d);
    ASSERT_EQ(sectionOutline(d, 4).size(), 6u);
    EXPECT_EQ(sectionOutline(d, 4)[1], (Segment{0, 10, -10, 10}));  // the first edge's mirror
    d.Sections[4].Pts[1].Z = 0.02;
    d.Sections[4].Pts[4].Z = 0.03;
    const std::vector<Segment> open = sectionOutline(d, 4);
    ASSERT_EQ(open.size(), 8u);
    EXPECT_EQ(std::pair(open[0], open[7]), std::pair(Segment{0, 10, 2, 10}, Segment{-10, 0, -3, 0}));
    d.Sections[4].Pts.resize(3);  // fewer points than lines: the closure and the edge it holds
    EXPECT_TRUE(sectionOutline(d, 4).size() == 4 && sectionOutline(d, 99).empty() && sectionOutline(d, 0).empty());
}

// Sections the next covers pixel for pixel are skipped and kept sections put
// on again, yet the picture is always that of every section drawn in turn.
TEST(BodyPlan, PaintsWhatEverySectionDrawnInTurnPaints)
{
    ViewsFixture fast, plain;
    for (ViewsFixture* f : {&fast, &plain}) {
        f->design = sevenLineKayak();
        f->design.StationCount = 1000;
        f->design.CurrentStation = 500;
        model::makesections(f->design);
        f->front_.resize(300, 200);
        f->setWindow(kFrontView, {-15, 15, -5, 15});
    }
    const model::Design& d = plain.design;
    std::vector<model::Point2> polygon(std::size_t(d.LineCount) + 1);
    const ViewPolygonPixels pixelsOf(plain.front_, plain.state.ViewExtents, kFrontView);
    int samePixels = 0;
    // Drawn straight, then into a layer, then from the layer, then with one section moved.
    const platform::ColorRef backgrounds[] = {kWhite, RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 255, 0)};
    for (int run = 0; run < 4; ++run) {
        SCOPED_TRACE(run);
        for (ViewsFixture* f : {&fast, &plain}) {
            f->front_.Line(-15, 15, 15, -5, backgrounds[run], platform::LineForm::FilledBox);
            if (run == 3) f->design.Sections[800].Pts[3].Z *= 1.3;
        }
        drawBodyPlan(fast.redraw());
        std::vector<platform::Point> before;
        for (const BodyPlanStation& s : bodyPlanOrder(d.StationCount, int(d.Sections.size()) - 1, d.CurrentStation)) {
            for (int k = 1; k <= d.LineCount; ++k) {
                const model::Point3& p = d.Sections[std::size_t(s.station)].Pts[std::size_t(k)];
                polygon[std::size_t(k)] = {s.side * d.HullLength * p.Z, d.HullLength * p.Y, 0};
            }
            const auto pixels = pixelsOf(d.LineCount, polygon);
            samePixels += std::exchange(before, pixels) == pixels;
            plain.front_.FillColor = s.fill;
            plain.front_.ForeColor = s.outline;
            DrawPolygonInView(plain.front_, plain.state.ViewExtents, kFrontView, d.LineCount, polygon);
        }
        EXPECT_EQ(fast.image(kFrontView), plain.image(kFrontView));
        EXPECT_TRUE(fast.front_.FillColor == plain.front_.FillColor && fast.front_.ForeColor == plain.front_.ForeColor);
    }
    EXPECT_GT(samePixels, 400);  // the skipping is exercised
}

// Bars rise from volume 0 to each slice's, each run erasing the last; many
// bars to a pixel column, rising, falling and dipping below zero, paint what
// every bar drawn in turn paints.
TEST(VolumeGraph, BarsFromZeroEachRunErasingTheLast)
{
    Graph g, plain;
    g.draw({{20, 3}});
    g.draw({{50, 10}, {100, 15}});
    g.expect({{100, 100, kBar}, {100, 200, kBar}, {100, 99, kWhite}, {100, 201, kWhite}, {200, 50, kBar}});
    EXPECT_TRUE(g.count(kBar) == 101 + 151 && g.state.ViewExtents[kVolumeGraph] == g.graph.extent);
    std::vector<model::VolumeBar> bars;
    for (int i = 0; i < 1000; ++i) bars.push_back({i * 0.2, 18 * std::sin(i * 0.2 / 31) + (i % 7 == 0 ? -1.5 : 0)});
    g.draw(bars);
    plain.draw({});
    for (const model::VolumeBar& bar : bars) plain.box.Line(float(bar.x), float(bar.v), float(bar.x), 0, kBar);
    EXPECT_EQ(g.box.image(), plain.box.image());
    g.graph.extent = {0, 0, -2, 20};  // without width: only erased
    g.draw({{0, 10}});
    EXPECT_EQ(g.count(kWhite), 400 * 220);
}
