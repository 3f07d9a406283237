#include "dialogs/frmFriction.h"
#include "dialogs/frmInfo.h"
#include "dialogs/frmNew.h"
#include "dialogs/frmPreferences.h"
#include "model/file/textfile.h"
#include "platform/terminationsignals.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <csignal>
#include <iterator>
#include <sys/resource.h>

using model::MessageAnswer;
using MainWindow = testsupport::FormFixture;

namespace {

constexpr int kTimeout = 5000;

// The station row keeps its sizes (255 x 255 and 735 x 285 twips) on every layout.
void expectStationRow(const mainwindow::Form1& form)
{
    const auto px = [&](double twips) { return int(std::lround(twips / form.twipsPerPixel())); };
    EXPECT_EQ(std::tuple(form.Command2->size(), form.Command1->size(), form.Text1->size()),
              std::tuple(QSize(px(255), px(255)), QSize(px(255), px(255)), QSize(px(735), px(285))));
}

// The program's start-up signal handling for one test: what the process had
// before is put back after it, so the tests that follow in this process keep
// the default handling of a file-size limit and of termination.
class ProgramSignalsForOneTest
{
public:
    ProgramSignalsForOneTest()
    {
        for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], nullptr, &before_[i]);
        platform::setUpProgramSignals();
    }
    ~ProgramSignalsForOneTest()
    {
        for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &before_[i], nullptr);
    }
    ProgramSignalsForOneTest(const ProgramSignalsForOneTest&) = delete;
    ProgramSignalsForOneTest& operator=(const ProgramSignalsForOneTest&) = delete;

private:
    static constexpr int kSignals[] = {SIGXFSZ, SIGTERM, SIGINT, SIGHUP};
    struct sigaction before_[std::size(kSignals)] = {};
};

}  // namespace

// Laid out at load on the client area the window really has: the profile's
// aspect ratio sets its height in inches (R = 10).
TEST_F(MainWindow, StartsWithItsDefaultsAndFrameAndWaitsForADesign)
{
    EXPECT_TRUE(form->windowTitle() == " Quillock " && form->menu("x1").Checked() && form->menu("Solid").Checked() &&
                !form->menu("Wireframe").Checked());
    EXPECT_EQ(std::tuple(form->Text1->text(), form->Text1->isVisible(), model::currentDesign().StitchMarkLength),
              std::tuple("0\"", false, 0.25));
    const auto& extents = form->drawingState().ViewExtents;
    const QSize client = form->centralWidget()->size();
    const double perPixel = form->twipsPerPixel(), sw = client.width() * perPixel, sh = client.height() * perPixel;
    EXPECT_EQ(std::tuple(extents[views::kRightView].XMax, extents[views::kRightView].YMax,  // XMax: HullLength 0
                         extents[views::kSectionEdit].XMax, extents[views::kVolumeGraph].YMax),
              std::tuple(5, std::nearbyint(2 * (sh / 10) / (sw - 2) * 0.75 * 10), 13, 60));
    expectStationRow(*form);

    for (const char* item : {"x2", "AddBulkhead", "preferences", "ViewDragCurves"}) form->menu(item).click();
    EXPECT_EQ(std::tuple(form->ZoomFactor(), form->menu("x1").Checked(), model::currentDesign().BulkheadCount),
              std::tuple(1.0, true, 0));
    EXPECT_FALSE(form->preferences().isVisible() || form->friction().isVisible());

    const int frame = form->frameGeometry().height() - form->height();
    for (auto [twips, tooSmall] : {std::pair{2999, true}, std::pair{3300, false}}) {
        form->resize(800, int(twips / perPixel) - frame);
        QApplication::processEvents();
        EXPECT_EQ(form->FormTooSmall(), tooSmall) << twips;
    }
}

// The data window comes and goes with the station row kept; a corrupt file leaves the open design.
TEST_F(MainWindow, OpenCorruptFileMinimiseRestoreExitAndSaveAs)
{
    openKayak();
    const auto title = [this] { return form->windowTitle().toStdString(); };
    EXPECT_EQ(std::tuple(title(), form->Text1->isVisible(), form->info().controlText("txtKayakLength")),
              std::tuple("Quillock - " + path("kayak.qlk"), true, "204"));

    // The windows' frames are pinned under a window manager (tests/wm).
    form->ViewData_Click();
    expectStationRow(*form);
    form->ViewData_Click();
    EXPECT_FALSE(form->info().isVisible());
    expectStationRow(*form);

    model::currentDesign().DesignChanged = true;
    std::ofstream(path("bad.qlk")) << "1.2.0\r\n204\r\n30000\r\n";
    messages.answers = {MessageAnswer::No};
    open(path("bad.qlk"));
    EXPECT_EQ(std::tuple(title(), model::currentDesign().PointCount, model::currentDesign().DesignChanged),
              std::tuple("Quillock - " + path("kayak.qlk"), testsupport::cockpitKayak().PointCount, true));

    // Minimising and restoring rebuild as a size change does and arm the
    // deferred pass, whose tick rebuilds again and stops the timer.
    auto& volume = model::currentHydrostatics().WetVolume;  // -1 marks whether a rebuild ran
    for (bool minimised : {true, false}) {
        volume = -1;
        form->Timer1.setEnabled(false);
        minimised ? form->showMinimized() : form->showNormal();
        EXPECT_TRUE(volume > 0 && form->Timer1.isEnabled()) << minimised;
    }
    volume = -1;
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->Timer1.isEnabled(); }, kTimeout));
    EXPECT_GT(volume, 0);

    // The exit prompt's answers, then Save As.
    messages.shown.clear();
    model::Design& d = model::currentDesign();
    d.DesignChanged = true;
    messages.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel, MessageAnswer::Yes};
    form->menu("Exit").click();
    QCloseEvent close;
    QApplication::sendEvent(form.get(), &close);
    EXPECT_TRUE(!close.isAccepted() && ended == 0);
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, "Do you wish to save your work?"));
    form->menu("Exit").click();
    EXPECT_EQ(std::tuple(ended, d.DesignChanged), std::tuple(1, false));

    dialogs.answers.push_back(path("again.qlk"));
    form->menu("SaveAs").click();
    EXPECT_EQ(form->windowTitle().toStdString(), "Quillock - " + path("again.qlk"));
    EXPECT_EQ(model::readTextFile(path("again.qlk"), 1 << 20), model::readTextFile(path("kayak.qlk"), 1 << 20));

    // A save that fails at the New and Open prompts keeps the design open: no wizard, no file dialog.
    d.DesignChanged = true;
    d.FileName = path("missing/kayak.qlk");
    const std::size_t opens = dialogs.opens.size();
    for (const char* item : {"New", "Open"}) {
        messages.answers = {MessageAnswer::Yes};
        form->menu(item).click();
        EXPECT_EQ(messages.texts().back(), "Failed to save to the file: '" + d.FileName + "'") << item;
    }
    EXPECT_EQ(std::tuple(dialogs.opens.size(), form->wizard().isVisible(), d.DesignChanged), std::tuple(opens, false, true));
}

// Save As over an existing file past the file-size limit, with only the
// program's own start-up: the save says it failed, the design stays unsaved
// under its old name and the file it would have replaced keeps every byte.
TEST_F(MainWindow, SaveAsPastTheFileSizeLimitKeepsTheWorkAndTheOldFile)
{
    openKayak();
    model::Design& d = model::currentDesign();
    d.DesignChanged = true;  // as a dragged point leaves it
    const std::string boat = path("boat.qlk"), old = "1.2.0\r\n 150\r\n";
    std::ofstream(boat, std::ios::binary) << old;
    const ProgramSignalsForOneTest programSignals;
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const rlim_t limit = model::writeDesignText(d).size() / 2;
    // Only the soft limit drops, so it can be put back for the other tests.
    const rlimit sizeLimit{limit, before.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &sizeLimit), 0);
    dialogs.answers.push_back(boat);  // the replace prompt is the dialog's
    form->menu("SaveAs").click();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &before), 0);
    std::string report;
    for (const auto& m : messages.texts()) report += m + "|";
    report += std::to_string(d.DesignChanged) + " " + d.FileName + " " + form->windowTitle().toStdString();
    EXPECT_EQ(report, "Failed to save to the file: '" + boat + "'|1 " + path("kayak.qlk") + " Quillock - " +
                          path("kayak.qlk"));
    EXPECT_EQ(model::readTextFile(boat, 1 << 20), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary file left
}

// Open resets the zoom unless the user cancels at the save prompt.
TEST_F(MainWindow, ZoomDrawModesMarkersAndBulkheads)
{
    form->DrawWaterline();  // no design: returns at once
    openKayak();
    const std::pair<const char*, double> zooms[] = {{"x5", 0.5}, {"x75", 0.75}, {"x2", 2}, {"x1", 1}, {"x4", 4}};
    for (auto [item, factor] : zooms) {
        form->menu(item).click();
        EXPECT_EQ(form->ZoomFactor(), factor) << item;
        for (auto [other, f] : zooms) EXPECT_EQ(form->menu(other).Checked(), f == factor) << item << " " << other;
    }
    QScrollBar& scroll = form->scrollBar("TopviewHScroll");
    const auto& state = form->drawingState().TopviewHScroll;
    scroll.setValue(30);
    EXPECT_TRUE(scroll.isVisible() && state.Value == 30);
    form->ViewData_Click();
    model::currentDesign().DesignChanged = true;
    messages.answers = {MessageAnswer::Cancel};
    form->menu("Open").click();
    EXPECT_EQ(messages.texts().back(), "Do you wish to save your work?");
    EXPECT_EQ(dialogs.opens.size(), 1u);  // no second file dialog
    EXPECT_EQ(std::tuple(form->ZoomFactor(), form->menu("x4").Checked(), scroll.value()), std::tuple(4.0, true, 30));
    EXPECT_TRUE(form->info().isVisible() && form->menu("ViewData").Checked());

    form->menu("x1").click();
    EXPECT_EQ(std::tuple(scroll.isVisible(), scroll.value(), state.Value), std::tuple(false, 0, 0));
    form->menu("x4").click();
    messages.answers = {MessageAnswer::No};
    openKayak();
    EXPECT_EQ(std::tuple(form->ZoomFactor(), form->menu("x1").Checked(), form->menu("x4").Checked()),
              std::tuple(1.0, true, false));
    EXPECT_FALSE(form->info().isVisible() || form->menu("ViewData").Checked());

    // The view pictures pin how each draw mode looks.
    form->menu("Wireframe").click();
    EXPECT_EQ(std::tuple(form->menu("Solid").Checked(), form->drawingState().Solid), std::tuple(false, false));
    form->menu("Solid").click();
    EXPECT_TRUE(form->drawingState().Solid);
    const auto count = [](auto* box, platform::ColorRef c) { return testsupport::countPixels(box->image(), c); };

    form->info().checkBox("chkLCBVisible")->setCheckState(Qt::Checked);
    form->info().checkBox("chkLCFVisible")->setCheckState(Qt::PartiallyChecked);
    form->drawscreens();
    EXPECT_TRUE(count(form->boxes.RightView, platform::RGB(225, 0, 0)) > 0 && count(form->boxes.RightView, platform::RGB(0, 0, 225)) == 0);
    constexpr platform::ColorRef kDot = platform::RGB(255, 0, 0);
    EXPECT_EQ(count(form->boxes.TopView, kDot), 0);
    form->menu("ViewWaterLine").click();
    EXPECT_GT(count(form->boxes.TopView, kDot), 0);

    model::Design& d = model::currentDesign();
    for (auto [item, bulkheads] : {std::pair{"AddBulkhead", 1}, std::pair{"RemoveBulkhead", 0}}) {
        d.DesignChanged = false;
        form->menu(item).click();
        EXPECT_EQ(std::tuple(d.BulkheadCount, d.DesignChanged), std::tuple(bulkheads, true)) << item;
    }
}

