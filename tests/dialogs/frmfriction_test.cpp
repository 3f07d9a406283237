#include "dialogs/frictiongraph.h"
#include "dialogs/frmFriction.h"
#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"
#include "tests/support/pixels.h"
#include "tests/support/testapp.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <cmath>

using dialogs::FrictionGraph;
using dialogs::GraphMark;
using dialogs::MarkKind;
using platform::RGB;
using testsupport::countPixels;

namespace {

std::vector<const GraphMark*> marksOf(const FrictionGraph& g, MarkKind kind)
{
    std::vector<const GraphMark*> found;
    for (const GraphMark& m : g.marks)
        if (m.kind == kind) found.push_back(&m);
    return found;
}

std::vector<std::string> labelTexts(const FrictionGraph& g)
{
    std::vector<std::string> texts;
    for (const GraphMark* m : marksOf(g, MarkKind::Label)) texts.push_back(m->text);
    return texts;
}

std::array<double, 4> ends(const GraphMark* m) { return {m->x1, m->y1, m->x2, m->y2}; }

}  // namespace

TEST(FrictionGraph, ScalesLabelsAndCurvesAndTheFrameAloneWithoutCurves)
{
    const FrictionGraph g = dialogs::frictionGraph(4.64, 144, 2880);
    EXPECT_EQ((std::array{g.left, g.top, g.right, g.bottom}), (std::array{1.5, 30.0, 4.64, -3.0}));
    EXPECT_EQ(labelTexts(g), (std::vector<std::string>{"0lbs", "5lbs", "10lbs", "15lbs", "20lbs", "25lbs", "30lbs",
                                                       "1Knots", "2Knots", "3Knots", "4Knots"}));
    const GraphMark* fifteen = marksOf(g, MarkKind::Label)[3];
    EXPECT_EQ((std::pair{fifteen->x1, fifteen->y1}), (std::pair{1.5, 15.0}));

    const auto dotted = marksOf(g, MarkKind::DottedLine);
    ASSERT_EQ(dotted.size(), 7u);
    for (std::size_t i = 0; i < dotted.size(); ++i)  // their colour is held by the window's picture
        EXPECT_EQ(ends(dotted[i]), (std::array{1.5, 5.0 * double(i), 30.0, 5.0 * double(i)}));
    // Solid lines: speed ticks 0..4 a pound high, 24 short pound ticks, then
    // the labelled speeds 1..4 two pounds high.
    const auto solid = marksOf(g, MarkKind::Line);
    ASSERT_EQ(solid.size(), 5u + 24u + 4u);
    EXPECT_EQ(ends(solid[4]), (std::array{4.0, 0.0, 4.0, 1.0}));
    EXPECT_EQ((std::array{solid[5]->x1, solid[5]->y2, solid[5]->x2}), (std::array{1.5, 1.0, 1.5 + 5.5 / 60}));
    EXPECT_EQ((std::array{solid[32]->x1, solid[32]->y2}), (std::array{4.0, 2.0}));

    const auto dots = marksOf(g, MarkKind::Dot);
    ASSERT_TRUE(dots.size() % 3 == 0 && dots.size() > 3u * 900);
    const std::pair<double, platform::ColorRef> atRest[] = {
        {4.12, RGB(0, 200, 0)}, {0.04, RGB(200, 0, 0)}, {4.16, RGB(0, 0, 200)}};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::abs(dots[i]->y1 - atRest[i].first) < 1e-12 && dots[i]->color == atRest[i].second) << i;
    EXPECT_EQ(g.dotRadius, 0.005);

    // Below the lowest speed the scale runs right to left under the curves; at it, without a waterline or at an absurd
    // speed the frame and scales stand alone, left to right.
    const struct { double topSpeed, lwl; std::size_t knotLabels; double right; bool curves; } cases[] = {
        {0.9, 5, 0, 0.9, true}, {1.4, 12, 1, 1.4, true}, {0, 0, 0, 4.5, false}, {1.5, 15, 1, 4.5, false},
        {100.01, 66820, 4, 4.5, false}, {3.9e149, 1e300, 4, 4.5, false}, {HUGE_VAL, 1e308, 4, 4.5, false}};
    for (const auto& c : cases) {
        const FrictionGraph f = dialogs::frictionGraph(c.topSpeed, c.lwl, 2880);
        EXPECT_EQ(std::tuple(marksOf(f, MarkKind::Dot).empty(), marksOf(f, MarkKind::DottedLine).size(),
                             labelTexts(f).size(), f.left, f.right),
                  std::tuple(!c.curves, 7u, 7 + c.knotLabels, 1.5, c.right)) << c.topSpeed;
    }
}

TEST(frmFriction, DrawsOnLoadAndKeepsItsPictureWhileOpen)
{
    testsupport::testApp();
    const double topSpeed = std::sqrt(12.0) * 1.34;  // a twelve-foot waterline: 4.6419 knots
    model::currentDesign() = {};
    model::currentDesign().DesignLoaded = true;
    model::Hydrostatics& h = model::currentHydrostatics();
    h = {};
    h.LWL = 144;
    h.WettedSurfaceArea = 2880;
    h.TopSpeed = topSpeed;
    dialogs::frmFriction window;
    EXPECT_EQ(window.windowTitle(), "Quillock - Friction Calculations");
    ASSERT_EQ(window.picFriction->size(), QSize(649, 433));

    window.showLoaded();
    // The legend: a line in each curve's pure colour over its caption.
    const QImage shot = window.grab().toImage();
    const std::tuple<QLabel*, const char*, int, platform::ColorRef> legend[] = {
        {window.Label1, "Residual", 8, RGB(0, 255, 0)}, {window.Label2, "Frictional", 40, RGB(255, 0, 0)},
        {window.Label3, "Total", 72, RGB(0, 0, 255)}};
    for (const auto& [label, caption, top, color] : legend) {
        EXPECT_EQ(std::tuple(label->text(), shot.pixel(700, top), label->pos()),
                  std::tuple(caption, testsupport::rgbOf(color), QPoint(664, top + 8))) << caption;
    }
    const QImage picture = window.picFriction->image();
    for (platform::ColorRef c : {RGB(0, 200, 0), RGB(200, 0, 0), RGB(0, 0, 200)})
        EXPECT_GT(countPixels(picture, c), 200) << std::hex << c;
    // The 10lbs line, 20 of the graph's 33 pounds below its top: dotted.
    const int row = int(std::lround(20.0 / 33 * 433));
    const int dark = countPixels(picture.copy(0, row, picture.width(), 1), RGB(100, 0, 0));
    EXPECT_TRUE(dark > 200 && dark < 600) << dark;
    // Ink of the "3Knots" label right below its corner at (3, -1).
    const int left = int((3 - 1.5) / (topSpeed - 1.5) * 649), top = int(31.0 / 33 * 433);
    EXPECT_GT(30 * 12 - countPixels(picture.copy(left, top, 30, 12), platform::kWhite), 10);

    // Showing the open window again draws nothing new; loading it anew does.
    h = {};
    window.showLoaded();
    EXPECT_EQ(window.picFriction->image(), picture);
    window.close();
    window.showLoaded();
    EXPECT_TRUE(countPixels(window.picFriction->image(), RGB(0, 0, 200)) == 0 &&
                countPixels(window.picFriction->image(), RGB(100, 0, 0)) > 200);

    window.close();  // without a design the window opens blank
    model::currentDesign().DesignLoaded = false;
    window.showLoaded();
    const QImage blank = window.picFriction->image();
    EXPECT_EQ(countPixels(blank, platform::kWhite), blank.width() * blank.height());
    model::currentDesign() = {};
}
