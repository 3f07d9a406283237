#include "panels/frmPanels.h"
#include "platform/picturebox.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QPushButton>
#include <QScreen>

class PanelPreview : public testsupport::FormFixture {
protected:
    // The kayak of the main-window tests, every panel running from bow to stern.
    void openKayakWithPanelEnds()
    {
        model::Design d = testsupport::cockpitKayak();
        for (int k = 1; k <= d.PanelsPerSide; ++k) d.PanelEnds[k] = {0, model::kBowPoint, model::kSternPoint};
        std::ofstream(path("kayak.qlk"), std::ios::binary) << model::writeDesignText(d);
        open(path("kayak.qlk"));
    }
    // A bulkhead at a fraction of the length, wide and deep enough to find on the sheet.
    void addBulkheadAt(double x)
    {
        form->menu("AddBulkhead").click();
        model::Design& d = model::currentDesign();
        d.Bulkheads[d.BulkheadCount].X = x;
        form->makesections();
    }
};
using testsupport::Pixel;

namespace {

panels::frmPanels* preview()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<panels::frmPanels*>(w)) return p;
    return nullptr;
}

// The pixel of a sheet position in the preview's picture.
QPoint pixelAt(const panels::frmPanels& window, double x, double y)
{
    const platform::PictureBox& view = *window.PanelView;
    const platform::Point p = view.userScale().toDevice(x, y, view.width(), view.height());
    return {p.x, p.y};
}

QRgb colourAt(panels::frmPanels& window, double x, double y)
{
    const QPoint p = pixelAt(window, x, y);
    return window.PanelView->image().pixel(p);
}

const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kWhitePixel = qRgb(255, 255, 255);

}  // namespace

TEST_F(PanelPreview, OpensOnlyWithADesignAndDrawsTheWholeSheet)
{
    form->menu("PreviewPanels").click();
    EXPECT_EQ(preview(), nullptr);

    openKayakWithPanelEnds();
    addBulkheadAt(0.3);
    addBulkheadAt(0.5);
    form->menu("PreviewPanels").click();
    QApplication::processEvents();
    panels::frmPanels* window = preview();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Quillock Panel Preview - " + path("kayak.qlk"));
    const QSize screen = window->screen()->size();
    EXPECT_EQ(window->width(), screen.width() * 3 / 4);
    EXPECT_EQ(window->PanelView->height(), int(window->height() / 20.0f * 19));
    EXPECT_EQ(window->Command2->geometry().bottomRight(), window->rect().bottomRight());
    EXPECT_EQ(window->Command1->geometry().right() + 1 + 10, window->Command2->x());

    const model::Design& d = model::currentDesign();
    EXPECT_EQ(window->sheet().SheetWidth, 229);
    EXPECT_EQ(d.BulkheadDrawOrigin[2].X, 50);
    EXPECT_EQ(d.BulkheadDrawOrigin[2].Y, 88);
    const auto& developed = window->developedPanels();
    ASSERT_EQ(int(developed.size()), d.PanelsPerSide + 1);
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        ASSERT_TRUE(developed[k].laidFlat) << k;
        // Each panel's first point and the far end of its chord, on its own row.
        const double row = 4 + 15 * (k - 1), far = 5 + developed[k].points[developed[k].count()].X;
        EXPECT_EQ(colourAt(*window, 5, row), kBlackPixel) << k;
        EXPECT_EQ(colourAt(*window, far, row), kBlackPixel) << k;
    }
    // The second bulkhead's keel point sits on its centreline, above y = 88.
    const model::Point3 keel = d.Bulkheads[2].Pts[d.LineCount];
    EXPECT_EQ(colourAt(*window, 50, 88 - d.HullLength * keel.Y), kBlackPixel);
    EXPECT_EQ(colourAt(*window, 150, 100), kWhitePixel);  // below the panels, right of the bulkheads
}

TEST_F(PanelPreview, ButtonsClearAndHideAndEachOpeningFollowsTheDesign)
{
    openKayakWithPanelEnds();
    addBulkheadAt(0.5);
    form->menu("PreviewPanels").click();
    QApplication::processEvents();
    panels::frmPanels* window = preview();
    ASSERT_NE(window, nullptr);
    int orders = 0;
    window->openOrderForm = [&] { ++orders; };
    const model::Design& d = model::currentDesign();
    const double keelY = 88 - d.HullLength * d.Bulkheads[1].Pts[d.LineCount].Y;
    ASSERT_EQ(colourAt(*window, 25, keelY), kBlackPixel);

    window->Command2->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(testsupport::countPixels(window->PanelView->image(), platform::kBlack), 0);
    EXPECT_EQ(orders, 0);

    // Without its bulkhead and with no file name, the next opening shows neither.
    form->menu("RemoveBulkhead").click();
    model::currentDesign().FileName.clear();
    form->menu("PreviewPanels").click();
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(preview(), window);
    EXPECT_EQ(window->windowTitle(), "Quillock Panel Preview - ");
    EXPECT_EQ(colourAt(*window, 25, keelY), kWhitePixel);
    EXPECT_EQ(colourAt(*window, 5, 4), kBlackPixel);

    window->Command1->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(orders, 1);
    EXPECT_EQ(testsupport::countPixels(window->PanelView->image(), platform::kBlack), 0);
}
