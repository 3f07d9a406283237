#include "views/edithandles.h"
#include "views/hulllinecolors.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;

namespace {

constexpr platform::ColorRef kWaterlineBlue = platform::RGB(20, 20, 200);

// The fixture's box hull (lines: 1 deck centre, 2 sheer, 3 chine, 4 keel;
// handles at X 25 and 75) with sheer handle 7 pulled in to Z 8 and deck
// handle 3 down to Y 7, so no other point hides them. Each long view shows X -2..102 or -3..121.
struct Handles : ViewsFixture {
    Handles()
    {
        design.ControlPoints[7].Position.Z = 8.0 / 100;
        design.ControlPoints[3].Position.Y = 7.0 / 100;
        assignHullLineColors(design);
        setWindow(kRightView, {-3, 121, 0, 11});
        for (int view : {kTopView, kBottomView}) setWindow(view, {-2, 102, -13, 13});
    }
    void draw(std::int16_t active, double zoom = 1)
    {
        state.ActiveView = active;
        state.ZoomFactor = zoom;
        drawEditHandles(redraw());
    }
    platform::ColorRef lineColor(int line) const { return design.HullLines[line].Color; }
    // The pixel at (x, v) inches of a view.
    QRgb at(int view, double x, double v)
    {
        const platform::PictureBox& box = views.box(view);
        const platform::Point p = box.userScale().toDevice(x, v, box.width(), box.height());
        return image(view).pixel(p.x, p.y);
    }
    bool blank(int view) { return count(view, platform::kWhite) == image(view).width() * image(view).height(); }
};

}  // namespace

// In the top view a point held on both plan axes is hidden where only the
// first line of a panel reaches it (handle 3 of line 1), and drawn where a
// panel's second line does (handle 7 of line 2; its arm to the held point 5
// is left out there); other views have no lock test.
TEST(EditHandles, TheTopViewHidesPointsHeldInPlanOnAPanelsFirstLine)
{
    Handles f;
    for (int p : {3, 5, 7}) f.design.ControlPoints[p].LockX = f.design.ControlPoints[p].LockZ = 1;
    f.draw(kActiveTop);
    EXPECT_NE(f.at(kTopView, 25, 0), rgbOf(f.lineColor(1)));
    EXPECT_EQ(f.at(kTopView, 75, 0), rgbOf(f.lineColor(1)));
    EXPECT_EQ(f.at(kTopView, 25, 8), rgbOf(f.lineColor(2)));
    EXPECT_TRUE(f.blank(kBottomView) && f.blank(kRightView));

    f.draw(kActiveRight);
    EXPECT_EQ(f.at(kRightView, 25, 7), rgbOf(f.lineColor(1)));
    EXPECT_EQ(f.at(kRightView, 75, 10), rgbOf(f.lineColor(2)));  // over line 1's handle 4
}

// The bottom view draws the hull panel's lines only, and no handles for a
// segment whose range ends at another point's X.
TEST(EditHandles, TheBottomViewShowsHullLinesWithoutLimitedSegments)
{
    Handles f;
    model::CurveSegment& keel = f.design.CurveSegments[f.design.HullLines[4].Segments[1]];
    f.draw(kActiveBottom);
    EXPECT_EQ(f.at(kBottomView, 25, 0), rgbOf(f.lineColor(4)));
    EXPECT_EQ(f.at(kBottomView, 75, 10), rgbOf(f.lineColor(3)));
    keel.Kind = model::kCoversStartToEndLimit;
    keel.EndLimit = 14;
    f.bottom_.Cls();
    f.draw(kActiveBottom);
    EXPECT_NE(f.at(kBottomView, 25, 0), rgbOf(f.lineColor(4)));
}

// The profile draws and stores the waterline handle at 0.99 of its window's
// far end and at the waterline, its size falling with the zoom; the small
// views' numbers draw nothing and leave the handle where it was.
TEST(EditHandles, TheProfilePlacesTheWaterlineHandle)
{
    Handles f;
    for (std::int16_t other : {kActiveNone, kActiveSection, kActiveFront, kActiveGraph}) {
        f.state.WaterlineHandle = {1, 2, 3, 0};
        f.draw(other);
        EXPECT_EQ(f.state.WaterlineHandle.X, 1);
        for (int view : {kRightView, kTopView, kBottomView}) EXPECT_TRUE(f.blank(view)) << other;
    }
    f.draw(kActiveRight);
    EXPECT_DOUBLE_EQ(f.state.WaterlineHandle.X, 0.99 * 121);
    EXPECT_EQ(f.state.WaterlineHandle.Y, 5);
    EXPECT_EQ(f.state.WaterlineHandle.Z, 3);
    EXPECT_EQ(f.at(kRightView, 0.99 * 121, 5), rgbOf(kWaterlineBlue));
    const int atOne = f.count(kRightView, kWaterlineBlue);
    f.right_.Cls();
    f.draw(kActiveRight, 2);  // half the radius, a quarter of the area
    EXPECT_GT(atOne, 3 * f.count(kRightView, kWaterlineBlue));
}
