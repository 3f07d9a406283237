#include "dialogs/frmFriction.h"
#include "dialogs/frmPreferences.h"
#include "mainwindow/frmAbout.h"
#include "ordering/frmPurchase.h"
#include "ordering/serveraddress.h"
#include "panels/frmPanels.h"
#include "platform/picturebox.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

using MainWindow = testsupport::FormFixture;

namespace {

struct FakeShell : platform::Shell {
    bool starts = true;
    std::vector<std::string> opened;
    bool openWebAddress(const std::string& address) override { return opened.push_back(address), starts; }
};

}  // namespace

// The about box: borderless, centred on its first showing only, hidden by a
// click, a double-click or losing focus. The web site opens without a design.
TEST_F(MainWindow, AboutBoxWebSitePlansMenuDragCurvesAndPreferences)
{
    form->menu("About").click();
    mainwindow::frmAbout& about = form->about();
    ASSERT_TRUE(about.isVisible() && (about.windowFlags() & Qt::FramelessWindowHint));
    EXPECT_EQ(std::tuple(about.size(), about.geometry().center(), about.picture->geometry()),
              std::tuple(QSize(679, 187), about.screen()->geometry().center(), about.rect()));
    EXPECT_GT(testsupport::countPixels(about.picture->image(), platform::kWhite), 500);
    QTest::mouseClick(about.picture, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_FALSE(about.isVisible());
    about.move(40, 30);
    form->menu("About").click();
    EXPECT_EQ(about.geometry(), QRect(40, 30, 679, 187));
    QTest::mouseDClick(about.picture, Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_FALSE(about.isVisible());
    form->menu("About").click();
    QApplication::processEvents();
    ASSERT_TRUE(about.isActiveWindow());
    form->activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(about.isVisible());

    form->shell = std::make_unique<FakeShell>();
    FakeShell& fake = static_cast<FakeShell&>(*form->shell);
    form->menu("HWB").click();
    ASSERT_EQ(fake.opened.size(), 1u);
    EXPECT_TRUE(fake.opened[0].starts_with("https://") && fake.opened[0].find(".example/") != std::string::npos &&
                messages.shown.empty());
    fake.starts = false;
    form->menu("HWB").click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Could not start the web browser."});

    // The Plans items open the order form only with a design; the panel preview's
    // order button (the 3D view's is the same call) keeps a chosen kind, else full size.
    // A closed port: the form's activation fails at once and says so.
    messages.shown.clear();
    setenv(ordering::kOrderServerVariable, "http://127.0.0.1:9", 1);
    form->menu("BuyModel").click();
    EXPECT_EQ(std::tuple(form->purchase().OrderType, form->purchase().isVisible()), std::tuple(2, false));

    openKayak();
    form->menu("BuyPlans").click();
    EXPECT_EQ(std::tuple(form->purchase().OrderType, form->purchase().isVisible()), std::tuple(1, true));
    EXPECT_EQ(form->purchase().windowHandle()->transientParent(), form->windowHandle());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.shown.empty(); }, 5000));
    EXPECT_EQ(messages.shown.back().text.rfind("Must be connected to the internet to place order.", 0), 0u);
    EXPECT_FALSE(form->purchase().isVisible());

    // The curves use fresh hydrostatics; "Ok" in the preferences rebuilds the
    // main window's sections and resets its station box.
    model::currentHydrostatics() = {};
    form->menu("ViewDragCurves").click();
    EXPECT_TRUE(model::currentHydrostatics().LWL > 0 && form->friction().isVisible());

    form->menu("preferences").click();
    dialogs::frmPreferences& prefs = form->preferences();
    ASSERT_TRUE(prefs.isVisible());
    form->Text1->setText("12\"");
    prefs.txtNumberofSections->setText("30");
    prefs.Command1->click();
    EXPECT_EQ(std::tuple(model::currentDesign().Sections.size(), form->Text1->text()), std::tuple(32u, "0\""));

    form->purchase().OrderType = 0;
    form->menu("PreviewPanels").click();
    auto* preview = qobject_cast<panels::frmPanels*>(testsupport::topLevel("frmPanels"));
    ASSERT_NE(preview, nullptr);
    preview->Command1->click();
    const int chosen = form->purchase().OrderType;
    form->purchase().OrderType = 2;
    form->menu("PreviewPanels").click();
    preview->Command1->click();
    EXPECT_EQ(std::tuple(chosen, form->purchase().OrderType, form->purchase().isVisible(), preview->isVisible()),
              std::tuple(1, 2, true, false));
    unsetenv(ordering::kOrderServerVariable);
}

