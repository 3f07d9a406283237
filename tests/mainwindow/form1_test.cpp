#include "dialogs/frmInfo.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QTest>

#include <cmath>

using model::MessageAnswer;
using MainWindow = testsupport::FormFixture;

TEST_F(MainWindow, StartsWithItsDefaultsAndWaitsForADesign)
{
    EXPECT_EQ(form->windowTitle(), " Quillock ");
    EXPECT_TRUE(form->menu("x1").Checked() && form->menu("Solid").Checked());
    EXPECT_FALSE(form->menu("Wireframe").Checked());
    EXPECT_EQ(form->Text1->text(), "0\"");
    EXPECT_FALSE(form->Text1->isVisible());
    EXPECT_EQ(model::currentDesign().StitchMarkLength, 0.25);
    EXPECT_EQ(model::currentHydrostatics().EntryMeasuredFrom, 36);
    const auto& extents = form->drawingState().ViewExtents;
    EXPECT_EQ(extents[views::kRightView].XMax, 5);  // no hull yet: HullLength 0
    // Laid out at load on the client area the window really has: the
    // profile's aspect ratio sets its height in inches (R = 10).
    const QSize client = form->centralWidget()->size();
    const double perPixel = form->twipsPerPixel(), sw = client.width() * perPixel, sh = client.height() * perPixel;
    EXPECT_EQ(extents[views::kRightView].YMax, std::nearbyint(2 * (sh / 10) / (sw - 2) * 0.75 * 10));
    EXPECT_EQ(extents[views::kSectionEdit].XMax, 13);
    EXPECT_EQ(extents[views::kVolumeGraph].YMax, 60);

    form->menu("x2").click();  // handlers that need a design do nothing
    form->menu("AddBulkhead").click();
    EXPECT_EQ(form->ZoomFactor(), 1);
    EXPECT_TRUE(form->menu("x1").Checked());
    EXPECT_EQ(model::currentDesign().BulkheadCount, 0);
}

// The outer frame is what the sizes fix, and the station row keeps its
// defined sizes (255 x 255 and 735 x 285 twips) on every layout.
TEST_F(MainWindow, TheLiveWindowsFrameAndStationRow)
{
    const QRect screen = form->screen()->geometry();
    const double perPixel = form->twipsPerPixel();
    const auto px = [perPixel](double twips) { return int(std::lround(twips / perPixel)); };
    const auto expectStationRow = [&] {
        EXPECT_EQ(form->Command2->size(), QSize(px(255), px(255)));
        EXPECT_EQ(form->Command1->size(), QSize(px(255), px(255)));
        EXPECT_EQ(form->Text1->size(), QSize(px(735), px(285)));
    };
    EXPECT_EQ(form->frameGeometry(), QRect(0, 0, screen.width(), int(float(screen.height()) * 0.975f)));
    expectStationRow();

    openKayak();
    form->ViewData_Click();
    const int infoWidth = form->info().frameGeometry().width();
    EXPECT_EQ(form->frameGeometry(), QRect(infoWidth, 0, screen.width() - infoWidth, screen.height()));
    expectStationRow();
    form->ViewData_Click();
    EXPECT_EQ(form->frameGeometry(), screen);
    EXPECT_FALSE(form->info().isVisible());
    expectStationRow();
}

TEST_F(MainWindow, TooSmallBelowThreeThousandTwips)
{
    const double perPixel = form->twipsPerPixel();
    const int frame = form->frameGeometry().height() - form->height();
    form->resize(800, int(2999 / perPixel) - frame);
    QApplication::processEvents();
    EXPECT_TRUE(form->FormTooSmall());
    form->resize(800, int(3300 / perPixel) - frame);
    QApplication::processEvents();
    EXPECT_FALSE(form->FormTooSmall());
}

TEST_F(MainWindow, OpenShowsTheDesignAndACorruptFileLeavesIt)
{
    openKayak();
    EXPECT_EQ(form->windowTitle().toStdString(), "Quillock - " + path("kayak.qlk"));
    EXPECT_TRUE(form->Text1->isVisible());
    EXPECT_EQ(form->info().controlText("txtKayakLength"), "204");
    EXPECT_GT(model::currentHydrostatics().WetVolume, 0);
    const QImage picture = form->boxes.RightView->image();  // drawn: not the blank start
    EXPECT_NE(picture.pixel(picture.width() / 2, picture.height() / 2), picture.pixel(0, picture.height() - 1));

    model::currentDesign().DesignChanged = true;
    std::ofstream(path("bad.qlk")) << "1.2.0\r\n204\r\n30000\r\n";
    messages.answers = {MessageAnswer::No};
    open(path("bad.qlk"));
    EXPECT_EQ(messages.texts().back(), "Error opening file - File is corrupt");
    EXPECT_EQ(form->windowTitle().toStdString(), "Quillock - " + path("kayak.qlk"));
    EXPECT_EQ(model::currentDesign().PointCount, testsupport::cockpitKayak().PointCount);
    EXPECT_TRUE(model::currentDesign().DesignChanged);
}

// Minimising and restoring rebuild as a size change does.
TEST_F(MainWindow, MinimisingAndRestoringRebuild)
{
    openKayak();
    for (bool minimised : {true, false}) {
        model::currentHydrostatics().WetVolume = -1;  // marks whether a rebuild ran
        form->Timer1.setEnabled(false);
        minimised ? form->showMinimized() : form->showNormal();
        EXPECT_GT(model::currentHydrostatics().WetVolume, 0) << minimised;
        EXPECT_TRUE(form->Timer1.isEnabled()) << minimised;
    }
}

// Each zoom item sets its factor and only its mark; Open goes back to 1,
// unless the user cancels at the save prompt: then nothing is reset.
TEST_F(MainWindow, ZoomItemsAndOpenCancelledAtThePrompt)
{
    openKayak();
    const std::pair<const char*, double> zooms[] = {{"x5", 0.5}, {"x75", 0.75}, {"x2", 2}, {"x1", 1}, {"x4", 4}};
    for (auto [item, factor] : zooms) {
        form->menu(item).click();
        EXPECT_EQ(form->ZoomFactor(), factor) << item;
        for (auto [other, f] : zooms) EXPECT_EQ(form->menu(other).Checked(), f == factor) << item << " " << other;
    }
    form->scrollBar("TopviewHScroll").setValue(30);
    form->ViewData_Click();
    model::currentDesign().DesignChanged = true;
    messages.answers = {MessageAnswer::Cancel};
    form->menu("Open").click();
    EXPECT_EQ(messages.texts().back(), "Do you wish to save your work?");
    EXPECT_EQ(dialogs.opens.size(), 1u);  // only the first Open's
    EXPECT_EQ(form->ZoomFactor(), 4);
    EXPECT_TRUE(form->menu("x4").Checked());
    EXPECT_EQ(form->scrollBar("TopviewHScroll").value(), 30);
    EXPECT_TRUE(form->info().isVisible() && form->menu("ViewData").Checked());

    messages.answers = {MessageAnswer::No};
    openKayak();
    EXPECT_EQ(form->ZoomFactor(), 1);
    EXPECT_TRUE(form->menu("x1").Checked() && !form->menu("x4").Checked());
    EXPECT_FALSE(form->info().isVisible() || form->menu("ViewData").Checked());
}

TEST_F(MainWindow, ZoomScrollBarsDrawModeAndBulkheads)
{
    openKayak();
    form->menu("x2").click();
    EXPECT_TRUE(form->scrollBar("TopviewHScroll").isVisible());
    form->scrollBar("TopviewHScroll").setValue(30);
    EXPECT_EQ(form->drawingState().TopviewHScroll.Value, 30);
    form->menu("x1").click();
    EXPECT_FALSE(form->scrollBar("TopviewHScroll").isVisible());
    EXPECT_EQ(form->scrollBar("TopviewHScroll").value(), 0);
    EXPECT_EQ(form->drawingState().TopviewHScroll.Value, 0);

    // A draw mode redraws on the next tick: outlined panels show more water.
    QTest::qWait(250);
    const auto water = [this] { return testsupport::countPixels(form->boxes.TopView->image(), platform::RGB(150, 150, 255)); };
    const int solidWater = water();
    form->menu("Wireframe").click();
    EXPECT_FALSE(form->menu("Solid").Checked());
    QTest::qWait(250);
    EXPECT_GT(water(), solidWater);
    form->menu("Solid").click();
    QTest::qWait(250);
    EXPECT_EQ(water(), solidWater);
    form->menu("ViewWaterLine").click();
    form->menu("ViewWaterLine").click();
    EXPECT_FALSE(form->viewWaterLineChecked());
    form->menu("AddBulkhead").click();
    EXPECT_EQ(model::currentDesign().BulkheadCount, 1);
    EXPECT_TRUE(model::currentDesign().DesignChanged);  // bulkheads are unsaved work
    model::currentDesign().DesignChanged = false;
    form->menu("RemoveBulkhead").click();
    EXPECT_EQ(model::currentDesign().BulkheadCount, 0);
    EXPECT_TRUE(model::currentDesign().DesignChanged);
}

TEST_F(MainWindow, ExitPromptAnswers)
{
    openKayak();
    model::Design& d = model::currentDesign();
    d.DesignChanged = true;
    messages.answers = {MessageAnswer::Cancel};
    form->menu("Exit").click();
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(messages.texts().back(), "Do you wish to save your work?");

    messages.answers = {MessageAnswer::Cancel};  // closing the window asks too
    QCloseEvent close;
    QApplication::sendEvent(form.get(), &close);
    EXPECT_FALSE(close.isAccepted());

    d.FileName = "";  // untitled: Yes asks for a name; a cancelled save keeps the program running
    messages.answers = {MessageAnswer::Yes};
    form->menu("Exit").click();
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(d.DesignChanged);

    messages.answers = {MessageAnswer::Yes};
    dialogs.answers.push_back(path("saved.qlk"));
    form->menu("Exit").click();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(d.DesignChanged);
}

TEST_F(MainWindow, ABurstOfRebuildRequestsGivesOneTick)
{
    openKayak();
    QTest::qWait(250);
    model::currentHydrostatics().WetVolume = -1;  // marks whether a rebuild ran
    for (int i = 0; i < 5; ++i) form->enableTimer1();
    QTest::qWait(250);
    EXPECT_FALSE(form->Timer1.isEnabled());
    EXPECT_GT(model::currentHydrostatics().WetVolume, 0);
}

TEST_F(MainWindow, SaveAsTwiceWritesTheSameFile)
{
    openKayak();
    for (const char* name : {"copy.qlk", "again.qlk"}) {
        dialogs.answers.push_back(path(name));
        form->menu("SaveAs").click();
    }
    EXPECT_EQ(form->windowTitle().toStdString(), "Quillock - " + path("again.qlk"));
    EXPECT_FALSE(model::currentDesign().DesignChanged);
    std::ifstream a(path("copy.qlk")), b(path("again.qlk"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));
}
