#include "dialogs/frmFriction.h"
#include "dialogs/frmPreferences.h"
#include "mainwindow/frmAbout.h"
#include "platform/picturebox.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using MainWindow = testsupport::FormFixture;

namespace {

struct FakeShell : platform::Shell {
    bool starts = true;
    std::vector<std::string> opened;
    bool openWebAddress(const std::string& address) override
    {
        opened.push_back(address);
        return starts;
    }
};

bool shown(const char* window)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == window && w->isVisible()) return true;
    return false;
}

}  // namespace

TEST_F(MainWindow, WindowCommandsWaitForADesignExceptTheAboutBoxAndTheWebSite)
{
    auto shell = std::make_unique<FakeShell>();
    FakeShell& fake = *shell;
    form->shell = std::move(shell);

    form->menu("preferences").click();
    form->menu("ViewDragCurves").click();
    EXPECT_FALSE(shown("frmPreferences") || shown("frmFriction"));
    form->menu("About").click();
    EXPECT_TRUE(shown("frmAbout"));
    form->menu("HWB").click();
    ASSERT_EQ(fake.opened.size(), 1u);
    EXPECT_EQ(fake.opened[0].find("https://"), 0u);
    EXPECT_NE(fake.opened[0].find(".example/"), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
    fake.starts = false;
    form->menu("HWB").click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Could not start the web browser."});

    openKayak();
    model::currentHydrostatics() = {};  // the curves must use fresh hydrostatics
    form->menu("ViewDragCurves").click();
    EXPECT_GT(model::currentHydrostatics().LWL, 0);
    EXPECT_TRUE(form->friction().isVisible());
    EXPECT_GT(testsupport::countPixels(form->friction().picFriction->image(), platform::RGB(0, 0, 200)), 100);

    // "Ok" rebuilds the main window's sections and resets its station box.
    form->menu("preferences").click();
    dialogs::frmPreferences& prefs = form->preferences();
    ASSERT_TRUE(prefs.isVisible());
    EXPECT_EQ(prefs.txtNumberofSections->text().toDouble(), model::currentDesign().StationCount - 1);
    form->Text1->setText("12\"");
    prefs.txtNumberofSections->setText("30");
    prefs.Command1->click();
    EXPECT_EQ(model::currentDesign().Sections.size(), 32u);
    EXPECT_EQ(form->Text1->text(), "0\"");
    EXPECT_TRUE(model::currentDesign().DesignChanged);
}

TEST_F(MainWindow, AboutBoxIsCentredOnceAndHidesOnClickDoubleClickAndLostFocus)
{
    form->menu("About").click();
    mainwindow::frmAbout& about = form->about();
    ASSERT_TRUE(about.isVisible());
    EXPECT_EQ(about.size(), QSize(679, 187));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    const QRect screen = about.screen()->geometry();
    EXPECT_EQ(about.geometry().center(), screen.center());
    EXPECT_EQ(about.picture->geometry(), about.rect());
    // Painted, not blank: the name's white letters on the dark sky.
    EXPECT_GT(testsupport::countPixels(about.picture->image(), platform::kWhite), 500);

    QTest::mouseClick(about.picture, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_FALSE(about.isVisible());

    about.move(40, 30);  // shown again where it was, not centred anew
    form->menu("About").click();
    EXPECT_EQ(about.pos(), QPoint(40, 30));
    EXPECT_EQ(about.size(), QSize(679, 187));
    QTest::mouseDClick(about.picture, Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_FALSE(about.isVisible());

    form->menu("About").click();
    QApplication::processEvents();
    ASSERT_TRUE(about.isActiveWindow());
    form->activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(about.isVisible());
}
