#include "platform/devicecontext.h"
#include "platform/picturebox.h"
#include "tests/support/pixels.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>

#include <gtest/gtest.h>

#include <numbers>

using namespace platform;
using namespace testsupport;

namespace {

// A 400 x 200 box showing -20..20 across and -5..15 upward: 10 pixels an inch.
struct Box : TestBox {
    Box() : TestBox(400, 200) { box.Scale(-20, 15, 20, -5); }
};

}  // namespace

TEST(PictureBox, KeepsItsPictureUntilErased)
{
    Box b;
    b.box.Line(-20, 15, 20, -5, kRed, LineForm::FilledBox);
    b.box.repaint();
    b.box.Line(0, 0, 10, 0, kBlue);
    EXPECT_EQ(b.at(50, 50), rgbOf(kRed));
    EXPECT_EQ(b.at(250, 150), rgbOf(kBlue));
    b.box.BackColor = kGreen;
    b.box.Cls();
    EXPECT_EQ(b.at(250, 150), rgbOf(kGreen));
}

TEST(PictureBox, FilledBoxCoversBothCornersPixels)
{
    Box b;
    b.box.Cls();
    b.box.Line(1, 1, -1, -1, kRed, LineForm::FilledBox);  // pixels 190..210 across, 140..160 down
    EXPECT_EQ(b.at(190, 140), rgbOf(kRed));
    EXPECT_EQ(b.at(210, 160), rgbOf(kRed));
    EXPECT_EQ(b.at(189, 150), rgbOf(kWhite));
    EXPECT_EQ(b.at(211, 150), rgbOf(kWhite));
    EXPECT_EQ(b.at(200, 161), rgbOf(kWhite));
}

TEST(PictureBox, BoxIsOutlinedInItsColourAndFilledByFillStyle)
{
    Box b;
    b.box.Cls();
    b.box.FillColor = kGreen;
    b.box.Line(1, -1, -1, 1, kRed, LineForm::Box);
    EXPECT_EQ(b.at(190, 150), rgbOf(kRed));
    EXPECT_EQ(b.at(210, 160), rgbOf(kRed));
    EXPECT_EQ(b.at(200, 150), rgbOf(kWhite));  // transparent by default
    b.box.FillStyle = kFillSolid;
    b.box.Line(-1, 1, 1, -1, kRed, LineForm::Box);
    EXPECT_EQ(b.at(200, 150), rgbOf(kGreen));
}

TEST(PictureBox, LinesUseForeColourWidthAndStyle)
{
    Box b;
    b.box.Cls();
    b.box.ForeColor = kBlue;
    b.box.Line(-10, 0, 10, 0);
    for (int x = 100; x <= 300; x += 10) EXPECT_EQ(b.at(x, 150), rgbOf(kBlue)) << x;
    EXPECT_EQ(b.at(200, 151), rgbOf(kWhite));

    b.box.DrawWidth = 3;
    b.box.Line(-10, 5, 10, 5, kRed);
    EXPECT_EQ(b.at(200, 99), rgbOf(kRed));
    EXPECT_EQ(b.at(200, 101), rgbOf(kRed));

    b.box.DrawWidth = 1;
    b.box.DrawStyle = kDrawDot;
    b.box.Line(-10, -2, 10, -2, kRed);
    int red = 0;
    for (int x = 100; x <= 300; ++x) red += b.at(x, 170) == rgbOf(kRed);
    EXPECT_GT(red, 20);
    EXPECT_LT(red, 180);  // gaps between the dots
}

TEST(PictureBox, CirclesFillByFillStyleAndArcsStayOpen)
{
    Box b;
    b.box.Cls();
    b.box.FillColor = kGreen;
    b.box.FillStyle = kFillSolid;
    b.box.Circle(0, 0, 2, kRed);  // radius 20 pixels, measured across
    EXPECT_EQ(b.at(200, 150), rgbOf(kGreen));
    EXPECT_EQ(b.at(220, 150), rgbOf(kRed));
    EXPECT_EQ(b.at(200, 130), rgbOf(kRed));

    b.box.Cls();
    b.box.Circle(0, 0, 2, kRed, float(std::numbers::pi / 2), float(3 * std::numbers::pi / 2));
    EXPECT_EQ(b.at(180, 150), rgbOf(kRed));    // the left half
    EXPECT_EQ(b.at(220, 150), rgbOf(kWhite));  // not the right
    EXPECT_EQ(b.at(200, 150), rgbOf(kWhite));  // an arc is never filled
}

TEST(PictureBox, PSetMarksOnePixel)
{
    Box b;
    b.box.Cls();
    b.box.PSet(3, 4, kBlue);
    EXPECT_EQ(b.at(230, 110), rgbOf(kBlue));
    EXPECT_EQ(b.at(231, 110), rgbOf(kWhite));
}

TEST(PictureBox, ResizingKeepsThePictureAndAnEmptyBoxDrawsNothing)
{
    Box b;
    b.box.Cls();
    b.box.PSet(0, 0, kRed);
    b.box.resize(500, 300);
    EXPECT_EQ(b.box.image().size(), QSize(500, 300));
    EXPECT_EQ(b.at(200, 150), rgbOf(kRed));

    PictureBox empty;
    empty.resize(0, 0);
    empty.Scale(0, 1, 1, 0);
    empty.Line(0, 0, 1, 1, kRed, LineForm::FilledBox);
    empty.hDC().Polygon({{0, 0}, {1, 1}, {0, 1}});
    EXPECT_TRUE(empty.image().isNull());
}

TEST(PictureBox, ReportsMousePositionsInTheUserScale)
{
    Box b;
    float x = 0, y = 0;
    Qt::MouseButton button = Qt::NoButton;
    QObject::connect(&b.box, &PictureBox::mouseDown, [&](Qt::MouseButton pressed, Qt::KeyboardModifiers, float ux, float uy) {
        button = pressed;
        x = ux;
        y = uy;
    });
    // A device of the test's own: the shared default one outlives the
    // application at exit and crashes there.
    const QPointingDevice mouse;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(250, 100), QPointF(250, 100), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier, &mouse);
    QCoreApplication::sendEvent(&b.box, &press);
    EXPECT_EQ(button, Qt::LeftButton);
    EXPECT_FLOAT_EQ(x, 5);
    EXPECT_FLOAT_EQ(y, 5);

    bool released = false;
    QObject::connect(&b.box, &PictureBox::mouseUp, [&](Qt::MouseButton, Qt::KeyboardModifiers, float ux, float) {
        released = ux == -20;
    });
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(0, 0), QPointF(0, 0), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier, &mouse);
    QCoreApplication::sendEvent(&b.box, &release);
    EXPECT_TRUE(released);
}

TEST(PictureBox, AxisLinesCoverTheSamePixelsAsStrokedLines)
{
    // Lines along an axis take a faster path; it must not move a pixel.
    Box b;
    QImage stroked(400, 200, QImage::Format_RGB32);
    stroked.fill(Qt::white);
    QPainter painter(&stroked);
    painter.setPen(QPen(Qt::black, 0));
    const float lines[][4] = {{-10, 10, -10, -3}, {5, -3, 5, 10}, {-15, 2, 12, 2}, {12, 7, -15, 7}, {0, 0, 0, 0},
                              {-19.96f, 14.97f, -19.96f, -4.96f}};
    b.box.Line(-20, 15, 20, -5, kWhite, LineForm::FilledBox);
    for (const auto& l : lines) {
        b.box.Line(l[0], l[1], l[2], l[3], kBlack);
        const auto ends = b.box.userScale();
        const Point p1 = ends.toDevice(l[0], l[1], 400, 200), p2 = ends.toDevice(l[2], l[3], 400, 200);
        painter.drawLine(p1.x, p1.y, p2.x, p2.y);
    }
    painter.end();
    const QImage drawn = b.box.image();
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x) ASSERT_EQ(drawn.pixel(x, y), stroked.pixel(x, y)) << x << "," << y;
}
