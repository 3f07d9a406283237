#include "platform/devicecontext.h"
#include "platform/picturebox.h"
#include "tests/support/pixels.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointingDevice>

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

using namespace platform;
using namespace testsupport;

namespace {

// A 400 x 200 box showing -20..20 across and -5..15 upward: 10 pixels an inch,
// the origin at pixel (200, 150).
struct Box : TestBox {
    Box() : TestBox(400, 200) { box.Scale(-20, 15, 20, -5); }
};

}  // namespace

TEST(PictureBox, KeepsItsPictureThroughRepaintsAndResizesUntilErased)
{
    Box b;
    b.box.PSet(3, 4, kBlue);
    b.box.repaint();
    b.box.resize(500, 300);
    b.expect({{230, 110, kBlue}, {231, 110, kWhite}, {499, 299, kWhite}});
    b.box.BackColor = kGreen;
    b.box.Cls();
    EXPECT_EQ(b.count(kGreen), 500 * 300);

    PictureBox empty;  // without area it draws nothing
    empty.resize(0, 0);
    empty.Scale(0, 1, 1, 0);
    empty.Line(0, 0, 1, 1, kRed, LineForm::FilledBox);
    empty.hDC().Polygon({{0, 0}, {1, 1}, {0, 1}});
    EXPECT_TRUE(empty.image().isNull());
}

namespace {

// The areas the box is asked to repaint.
struct PaintLog : QObject {
    std::vector<QRegion> painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) painted.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

}  // namespace

TEST(PictureBox, RepaintsOnlyTheBlocksWhosePixelsChanged)
{
    Box b;
    b.box.show();
    QCoreApplication::processEvents();
    PaintLog log;
    b.box.installEventFilter(&log);
    const QRegion pixelsBlock(128, 64, 64, 8);  // the 64 x 8 block of pixel (130, 70)
    struct Step {
        bool erase, dot;
        std::vector<QRegion> painted;
    } steps[] = {
        {false, true, {pixelsBlock}},
        {true, true, {}},  // drawn again alike
        {true, false, {pixelsBlock}},
    };
    for (const Step& step : steps) {
        log.painted.clear();
        if (step.erase) b.box.Cls();
        if (step.dot) b.box.PSet(-7, 8, kRed);
        // Painted at the loop's first turn, as an update() would be.
        QCoreApplication::processEvents();
        EXPECT_EQ(log.painted, step.painted) << "after " << &step - steps;
    }
}

TEST(PictureBox, BoxesAndCirclesFillByFillStyle)
{
    Box b;
    b.box.Line(1, 1, -1, -1, kRed, LineForm::FilledBox);  // pixels 190..210 across, 140..160 down
    b.expect({{190, 140, kRed}, {210, 160, kRed}, {189, 150, kWhite}, {211, 150, kWhite}, {200, 161, kWhite}});
    b.box.Cls();
    b.box.FillColor = kGreen;
    b.box.Line(1, -1, -1, 1, kRed, LineForm::Box);
    b.box.Circle(10, 0, 2, kRed);  // radius 20 pixels, measured across
    b.expect({{190, 150, kRed}, {210, 160, kRed}, {200, 150, kWhite}, {320, 150, kRed}, {300, 150, kWhite}});
    b.box.FillStyle = kFillSolid;
    b.box.Line(-1, 1, 1, -1, kRed, LineForm::Box);
    b.box.Circle(10, 0, 2, kRed);
    b.box.Circle(-10, 0, 2, kRed, float(std::numbers::pi / 2), float(3 * std::numbers::pi / 2));  // the left half
    b.expect({{200, 150, kGreen}, {300, 150, kGreen}, {300, 130, kRed}, {80, 150, kRed}, {120, 150, kWhite},
              {100, 150, kWhite}});  // an arc is never filled
}

TEST(PictureBox, LinesUseForeColourWidthAndStyle)
{
    Box b;
    b.box.ForeColor = kBlue;
    b.box.Line(-10, 0, 10, 0);
    b.box.DrawWidth = 3;
    b.box.Line(-10, 5, 10, 5, kRed);
    b.expect({{100, 150, kBlue}, {300, 150, kBlue}, {200, 151, kWhite}, {200, 99, kRed}, {200, 101, kRed}});
    b.box.DrawWidth = 1;
    b.box.DrawStyle = kDrawDot;
    b.box.Line(-10, -2, 10, -2, kRed);
    EXPECT_NEAR(countPixels(b.box.image().copy(100, 170, 201, 1), kRed), 100, 80);  // dots, with gaps between
}

// Moves are reported without a button down; the second click of a
// double-click is no second press.
TEST(PictureBox, ReportsMousePositionsInTheUserScale)
{
    Box b;
    EXPECT_TRUE(b.box.hasMouseTracking());
    float x = 0, y = 0;
    int presses = 0;
    QObject::connect(&b.box, &PictureBox::mouseDown, [&](Qt::MouseButton, Qt::KeyboardModifiers, float ux, float uy) {
        x = ux;
        y = uy;
        ++presses;
    });
    const QPointingDevice mouse;  // the shared default one outlives the application and crashes at exit
    auto send = [&](QEvent::Type type) {
        QMouseEvent event(type, QPointF(250, 100), QPointF(250, 100), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier,
                          &mouse);
        QCoreApplication::sendEvent(&b.box, &event);
        return event.isAccepted();
    };
    send(QEvent::MouseButtonPress);
    EXPECT_TRUE(send(QEvent::MouseButtonDblClick));
    EXPECT_EQ(std::tuple(x, y, presses), std::tuple(5.0f, 5.0f, 1));
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
    EXPECT_TRUE(b.box.image() == stroked);
}

TEST(DeviceContext, StrokedPathStaysOpenWhereTheMappingWasWhenTraced)
{
    TestBox m(400, 200);
    DeviceContext& dc = m.box.hDC();
    m.box.ForeColor = kRed;
    m.box.FillColor = kGreen;
    m.box.FillStyle = kFillSolid;
    dc.BeginPath();  // in pixels, a triangle without its hypotenuse
    dc.MoveToEx({200, 150});
    dc.LineTo({300, 150});
    dc.LineTo({300, 50});
    dc.EndPath();
    dc.SetMapMode(MM_ANISOTROPIC);  // a mapping changed after tracing does not move the path
    dc.SetViewportExtEx({10, 10});
    dc.StrokePath();
    m.expect({{250, 150, kRed}, {300, 100, kRed}, {250, 100, kWhite}, {280, 130, kWhite}});
}
