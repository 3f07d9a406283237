#include "platform/devicecontext.h"
#include "platform/picturebox.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace testsupport;

namespace {

// A 400 x 200 box whose device context maps hundredths of an inch for the
// window -20..20 across and -5..15 upward: 10 pixels an inch.
struct MappedBox : TestBox {
    MappedBox() : TestBox(400, 200)
    {
        DeviceContext& dc = box.hDC();
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowOrgEx({-2000, 1500});
        dc.SetWindowExtEx({4000, -2000});
        dc.SetViewportExtEx({400, 200});
    }
};

}  // namespace

TEST(DeviceContext, LinesLandWhereTheUserScaleDrawsTheSameInches)
{
    MappedBox m;
    m.box.ForeColor = kRed;
    m.box.hDC().MoveToEx({-1000, 500});
    m.box.hDC().LineTo({1000, 500});

    PictureBox twin;
    twin.resize(400, 200);
    twin.Cls();
    twin.Scale(-20, 15, 20, -5);
    twin.Line(-10, 5, 10, 5, kRed);
    EXPECT_EQ(m.box.image(), twin.image());
}

TEST(DeviceContext, MoveToReturnsThePreviousPosition)
{
    MappedBox m;
    m.box.hDC().MoveToEx({7, 8});
    EXPECT_EQ(m.box.hDC().MoveToEx({1, 2}), (Point{7, 8}));
}

TEST(DeviceContext, StrokedPathStaysOpenAndFilledPathCloses)
{
    MappedBox m;
    DeviceContext& dc = m.box.hDC();
    m.box.ForeColor = kRed;
    m.box.FillColor = kGreen;
    m.box.FillStyle = kFillSolid;
    // A right triangle (0,0) (10,0) (10,10) inches, traced without its hypotenuse.
    auto trace = [&] {
        dc.BeginPath();
        dc.MoveToEx({0, 0});
        dc.LineTo({1000, 0});
        dc.LineTo({1000, 1000});
        dc.EndPath();
    };
    trace();
    dc.StrokePath();
    EXPECT_EQ(m.at(250, 150), rgbOf(kRed));         // bottom edge
    EXPECT_EQ(m.at(300, 100), rgbOf(kRed));         // right edge
    EXPECT_EQ(m.at(250, 100), rgbOf(kWhite));       // no closing edge
    EXPECT_EQ(m.at(280, 130), rgbOf(kWhite));       // not filled

    m.box.Cls();
    trace();
    dc.StrokeAndFillPath();
    EXPECT_EQ(m.at(250, 100), rgbOf(kRed));    // closing edge drawn
    EXPECT_EQ(m.at(280, 130), rgbOf(kGreen));  // inside filled
    EXPECT_EQ(m.at(220, 110), rgbOf(kWhite));  // outside the triangle
}

TEST(DeviceContext, PolygonFillsOnlyWithASolidFillStyle)
{
    MappedBox m;
    m.box.FillColor = kGreen;
    m.box.FillStyle = kFillTransparent;
    const std::vector<Point> square{{-500, 500}, {500, 500}, {500, -500}, {-500, -500}};
    m.box.hDC().Polygon(square);
    EXPECT_EQ(m.at(150, 100), rgbOf(kBlack));
    EXPECT_EQ(m.at(200, 150), rgbOf(kWhite));
    m.box.FillStyle = kFillSolid;
    m.box.hDC().Polygon(square);
    EXPECT_EQ(m.at(200, 150), rgbOf(kGreen));
}

TEST(DeviceContext, PathsAreMappedWhenTraced)
{
    MappedBox m;
    DeviceContext& dc = m.box.hDC();
    m.box.ForeColor = kRed;
    dc.BeginPath();
    dc.MoveToEx({0, 0});
    dc.LineTo({1000, 0});
    dc.EndPath();
    dc.SetMapMode(MM_TEXT);  // a mapping changed after tracing does not move the path
    dc.StrokePath();
    EXPECT_EQ(m.at(250, 150), rgbOf(kRed));
}
