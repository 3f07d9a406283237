#include "dialogs/frmInfo.h"
#include "tests/mainwindow/formfixture.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

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
    EXPECT_EQ(extents[views::kSectionEdit].XMax, 13);
    EXPECT_EQ(extents[views::kVolumeGraph].YMax, 60);

    form->menu("x2").click();  // handlers that need a design do nothing
    form->menu("AddBulkhead").click();
    EXPECT_EQ(form->ZoomFactor(), 1);
    EXPECT_TRUE(form->menu("x1").Checked());
    EXPECT_EQ(model::currentDesign().BulkheadCount, 0);
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

TEST_F(MainWindow, ZoomScrollBarsDrawModeAndBulkheads)
{
    openKayak();
    form->menu("x2").click();
    EXPECT_EQ(form->ZoomFactor(), 2);
    EXPECT_FALSE(form->menu("x1").Checked());
    EXPECT_TRUE(form->scrollBar("TopviewHScroll").isVisible());
    form->scrollBar("TopviewHScroll").setValue(30);
    EXPECT_EQ(form->drawingState().TopviewHScroll.Value, 30);
    form->menu("x1").click();
    EXPECT_FALSE(form->scrollBar("TopviewHScroll").isVisible());
    EXPECT_EQ(form->scrollBar("TopviewHScroll").value(), 0);
    EXPECT_EQ(form->drawingState().TopviewHScroll.Value, 0);

    form->menu("Wireframe").click();
    EXPECT_FALSE(form->menu("Solid").Checked());
    form->menu("ViewWaterLine").click();
    form->menu("ViewWaterLine").click();
    EXPECT_FALSE(form->viewWaterLineChecked());
    form->menu("AddBulkhead").click();
    EXPECT_EQ(model::currentDesign().BulkheadCount, 1);
    EXPECT_TRUE(model::currentDesign().DesignChanged);  // bulkheads are unsaved work
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
