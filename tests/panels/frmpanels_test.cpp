#include "panels/frmPanels.h"
#include "platform/picturebox.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cmath>

class PanelPreview : public testsupport::FormFixture {
protected:
    // A kayak whose every panel runs from bow to stern.
    void openBowToStern()
    {
        model::Design kayak = testsupport::cockpitKayak();
        for (int k = 1; k <= kayak.PanelsPerSide; ++k) kayak.PanelEnds[k] = {0, model::kBowPoint, model::kSternPoint};
        std::ofstream(path("kayak.qlk"), std::ios::binary) << model::writeDesignText(kayak);
        open(path("kayak.qlk"));
    }
};

namespace {

panels::frmPanels* preview()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<panels::frmPanels*>(w)) return p;
    return nullptr;
}

// The colour of a sheet position in the preview's picture.
QRgb colourAt(panels::frmPanels& window, double x, double y)
{
    platform::PictureBox& view = *window.PanelView;
    const platform::Point p = view.userScale().toDevice(x, y, view.width(), view.height());
    return view.image().pixel(p.x, p.y);
}

const QRgb kBlackPixel = qRgb(0, 0, 0), kWhitePixel = qRgb(255, 255, 255);

}  // namespace

TEST_F(PanelPreview, DrawsTheWholeSheetAndEachOpeningFollowsTheDesign)
{
    form->menu("PreviewPanels").click();
    EXPECT_EQ(preview(), nullptr);  // no design yet

    // Two bulkheads.
    openBowToStern();
    model::Design& d = model::currentDesign();
    for (const double x : {0.3, 0.5}) {
        form->menu("AddBulkhead").click();
        d.Bulkheads[d.BulkheadCount].X = x;
        form->makesections();
    }
    form->menu("PreviewPanels").click();
    QApplication::processEvents();
    panels::frmPanels* window = preview();
    ASSERT_NE(window, nullptr);
    int orders = 0;
    window->openOrderForm = [&] { ++orders; };
    EXPECT_EQ(std::pair(window->isVisible(), window->windowTitle().toStdString()),
              std::pair(true, "Quillock Panel Preview - " + path("kayak.qlk")));
    // "Cancel" in the bottom right corner, the order button 10 twips left of it.
    const QRect order = window->Command1->geometry(), cancel = window->Command2->geometry();
    const int gap = int(std::lround(10 * window->screen()->logicalDotsPerInch() / 1440));
    EXPECT_EQ(std::tuple(cancel.right() + 1, cancel.bottom() + 1, order.bottom(), cancel.left() - order.right() - 1),
              std::tuple(window->width(), window->height(), cancel.bottom(), gap));

    const auto& developed = window->developedPanels();
    ASSERT_EQ(int(developed.size()), d.PanelsPerSide + 1);
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        ASSERT_TRUE(developed[k].laidFlat) << k;
        // Each panel's first point and the far end of its chord, on its own row.
        const double row = 4 + 15 * (k - 1), far = 5 + developed[k].points[developed[k].count()].X;
        EXPECT_EQ(colourAt(*window, 5, row), kBlackPixel) << k;
        EXPECT_EQ(colourAt(*window, far, row), kBlackPixel) << k;
    }
    // The second bulkhead's keel point sits on its centreline (x = 50), above y = 88.
    const double keelY = 88 - d.HullLength * d.Bulkheads[2].Pts[d.LineCount].Y;
    // Below the panels, right of the bulkheads: white.
    EXPECT_EQ(std::pair(colourAt(*window, 50, keelY), colourAt(*window, 150, 100)), std::pair(kBlackPixel, kWhitePixel));

    window->Command2->click();
    EXPECT_FALSE(window->isVisible() || orders != 0);
    EXPECT_EQ(testsupport::countPixels(window->PanelView->image(), platform::kBlack), 0);

    // Without its second bulkhead and with no file name, the next opening shows neither.
    form->menu("RemoveBulkhead").click();
    d.FileName.clear();
    form->menu("PreviewPanels").click();
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible() && preview() == window && window->windowTitle() == "Quillock Panel Preview - ");
    EXPECT_EQ(std::pair(colourAt(*window, 50, keelY), colourAt(*window, 5, 4)), std::pair(kWhitePixel, kBlackPixel));

    window->Command1->click();
    EXPECT_TRUE(!window->isVisible() && orders == 1);
    EXPECT_EQ(testsupport::countPixels(window->PanelView->image(), platform::kBlack), 0);
}

// A development that cannot be done puts the design back, closes the preview
// and says so; the next opening of a sound design shows its panels.
TEST_F(PanelPreview, AnErrorOfTheDevelopmentIsReportedAndTheDesignKept)
{
    openBowToStern();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->Timer1.isEnabled(); }, 5000));
    model::Design& d = model::currentDesign();
    form->menu("AddBulkhead").click();
    d.BulkheadDrawOrigin[1] = {1, 2, 0};
    d.Sections[5].Pts[2].Z = std::nan("");

    form->menu("PreviewPanels").click();
    QApplication::processEvents();
    panels::frmPanels* window = preview();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"The panels could not be developed: panel point out of range"});
    EXPECT_EQ(std::tuple(window->isVisible(), d.BulkheadDrawOrigin[1].X, d.BulkheadDrawOrigin[1].Y,
                         std::isnan(d.Sections[5].Pts[2].Z), ended),
              std::tuple(false, 1, 2, true, 0));
    // The window manager's activation of the shown window meets the same error.
    window->show();
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
    EXPECT_EQ(std::tuple(messages.shown.size(), window->isVisible(), d.BulkheadDrawOrigin[1].X), std::tuple(2u, false, 1));

    form->makesections();
    form->menu("PreviewPanels").click();
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(window->isVisible(), window->developedPanels()[2].laidFlat, messages.shown.size()),
              std::tuple(true, true, 2u));
    EXPECT_EQ(std::pair(d.BulkheadDrawOrigin[1].X, d.BulkheadDrawOrigin[1].Y), std::pair(25.0, 88.0));
}
