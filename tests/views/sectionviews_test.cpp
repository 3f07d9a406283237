#include "views/bodyplan.h"
#include "views/bodyplanorder.h"
#include "views/sectionlines.h"
#include "views/sectionoutline.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;
using platform::kBlack;
using platform::kWhite;
using platform::RGB;

namespace {

constexpr platform::ColorRef kCurrentGreen = RGB(0, 255, 0);

// Stations that never overlap in the body plan: station i a band of the
// hull's unit length from half-breadth i + 1 to i + 1.8 and height 0 to 10,
// so each one's fill shows at the middle of its band, (±(i + 1.4), 5). The front
// view shows -15..15 across and -5..15 upward on 300 x 200 pixels.
struct BandedBodyPlan : ViewsFixture {
    explicit BandedBodyPlan(double stations = 11)
    {
        design.HullLength = 1;
        design.StationCount = stations;
        design.Sections.assign(std::size_t(stations) + 1, {});
        for (int i = 0; i <= int(stations); ++i) {
            const double z = i + 1;
            design.Sections[std::size_t(i)].Pts = {{}, {0, 10, z}, {0, 10, z + 0.8}, {0, 0, z + 0.8}, {0, 0, z}};
        }
        sizeViews({300, 200}, {300, 200}, {300, 200}, {300, 200});
        setWindow(kFrontView, {-15, 15, -5, 15});
    }
    QRgb band(int station, int side)
    {
        const platform::Point p = front_.userScale().toDevice(side * (station + 1.4), 5, 300, 200);
        return image(kFrontView).pixel(p.x, p.y);
    }
    int greenOn(int side)
    {
        const QImage img = image(kFrontView);
        return countPixels(side < 0 ? img.copy(0, 0, 150, 200) : img.copy(150, 0, 150, 200), kCurrentGreen);
    }
};

}  // namespace

// Eleven intervals: the forward pass paints stations 8 down to 0 on the left,
// the after pass 2 up to 11 on the right, each shaded by its distance from the
// far end, the first after station falling to the darkest fill.
TEST(BodyPlan, EachStationTakesItsSideAndShade)
{
    BandedBodyPlan f;
    f.design.CurrentStation = -1;
    drawBodyPlan(f.redraw());
    const struct {
        int station;
        platform::ColorRef left, right;
    } cases[] = {
        {0, RGB(0, 205, 205), kWhite},          {1, RGB(0, 182, 182), kWhite},
        {2, RGB(0, 159, 159), RGB(0, 15, 15)},   {5, RGB(0, 89, 89), RGB(0, 66, 66)},
        {8, RGB(0, 20, 20), RGB(0, 135, 135)},   {9, kWhite, RGB(0, 159, 159)},
        {11, kWhite, RGB(0, 205, 205)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(f.band(c.station, -1), rgbOf(c.left)) << "station " << c.station;
        EXPECT_EQ(f.band(c.station, 1), rgbOf(c.right)) << "station " << c.station;
    }
    EXPECT_EQ(f.front_.FillColor, RGB(0, 205, 205));  // the last station's
    EXPECT_EQ(f.greenOn(-1) + f.greenOn(1), 0);
}

// The current station is outlined green on each side it is drawn on; station
// 0 is an ordinary bow station here.
TEST(BodyPlan, TheCurrentStationIsOutlinedGreenWhereverItIsDrawn)
{
    const struct {
        int station;
        bool left, right;
    } cases[] = {{0, true, false}, {5, true, true}, {10, false, true}};
    for (const auto& c : cases) {
        BandedBodyPlan f;
        f.design.CurrentStation = std::int16_t(c.station);
        drawBodyPlan(f.redraw());
        EXPECT_EQ(f.greenOn(-1) > 0, c.left) << c.station;
        EXPECT_EQ(f.greenOn(1) > 0, c.right) << c.station;
    }
}

// Ten intervals put f - 50 at 26.5 for stations 3 (after) and 7 (forward):
// the half goes to the even shade.
TEST(BodyPlan, AHalfShadeGoesToTheEvenOneAndUnbuiltStationsAreLeftOut)
{
    for (const BodyPlanStation& s : bodyPlanOrder(10, 10, 0)) {
        if ((s.station == 3 && s.side > 0) || (s.station == 7 && s.side < 0)) {
            EXPECT_EQ(s.fill, RGB(0, 26, 26));
        }
    }
    EXPECT_EQ(bodyPlanOrder(10, 10, 0).size(), 8u + 9u);
    EXPECT_EQ(bodyPlanOrder(10, 4, 0).size(), 5u + 3u);  // 4..0 and 2..4
    EXPECT_TRUE(bodyPlanOrder(0, 10, 0).empty());
    // A design whose sections stop short, or hold fewer points than lines, draws what it has.
    BandedBodyPlan f;
    f.design.Sections.resize(7);
    f.design.Sections[5].Pts.resize(3);
    drawBodyPlan(f.redraw());
    EXPECT_EQ(f.band(4, 1), rgbOf(RGB(0, 43, 43)));
    EXPECT_EQ(f.band(5, 1), rgbOf(kWhite));
    EXPECT_EQ(f.band(5, -1), rgbOf(kWhite));
}

// The box hull's sections: the deck line on the centre line needs no top
// closure, so three panels give six edges; moving the top point out adds the
// two closing lines, and a keel off the centre line is left open.
TEST(SectionOutline, TwoLinesPerPanelEdgeAndTwoToCloseAnOpenTop)
{
    model::Design d = boxHull(100, 20, 10, 5);
    model::makesections(d);
    const int station = 4;
    EXPECT_EQ(sectionOutline(d, station).size(), 6u);
    EXPECT_EQ(sectionOutline(d, station)[0], (Segment{0, 10, 10, 10}));  // top line to sheer
    EXPECT_EQ(sectionOutline(d, station)[1], (Segment{0, 10, -10, 10}));
    std::vector<model::Point3>& pts = d.Sections[station].Pts;
    pts[1].Z = 0.02;
    pts[4].Z = 0.03;
    const std::vector<Segment> open = sectionOutline(d, station);
    ASSERT_EQ(open.size(), 8u);
    EXPECT_EQ(open[0], (Segment{0, 10, 2, 10}));
    EXPECT_EQ(open[1], (Segment{0, 10, -2, 10}));
    EXPECT_EQ(open[7], (Segment{-10, 0, -3, 0}));  // the last edge's mirror ends at the keel
    pts.resize(3);  // fewer points than lines: only the edges it holds
    EXPECT_EQ(sectionOutline(d, station).size(), 2u + 2u);
    EXPECT_TRUE(sectionOutline(d, 99).empty());
}

// Nothing but rulers while station 0 is current. On 300 x 200 pixels showing
// -15..15 by -5..15, the box's sides at ±10 are columns 50 and 250 and its
// floor row 150.
TEST(SectionOutline, DrawsTheCurrentStationInBlackOnlyAwayFromStationZero)
{
    ViewsFixture f;
    f.run();
    const int rulersOnly = f.count(kSectionEdit, kBlack);
    f.design.CurrentStation = 4;
    f.run();
    EXPECT_GT(f.count(kSectionEdit, kBlack), rulersOnly + 100);
    f.sizeViews({300, 200}, {300, 200}, {300, 200}, {300, 200});
    f.section_.Cls();
    f.setWindow(kSectionEdit, {-15, 15, -5, 15});
    drawSectionEditorOutline(f.redraw());
    f.expect(kSectionEdit,
             {{250, 100, kBlack}, {50, 100, kBlack}, {200, 150, kBlack}, {100, 50, kBlack}, {150, 100, kWhite}});
}
