// One launch of the program under a real window manager (run by run_wm.sh on
// its own X server with openbox): start-up, the data window on and off, a
// message box of the data window, the wizard, the panel preview, the 3D view,
// the smaller windows, the data window closed by the window manager, and the
// order form and its verify window against an order server of the test's own,
// each window's frame, owner and stacking read back from the X server.

#include "dialogs/frmInfo.h"
#include "dialogs/frmNew.h"
#include "ordering/frmPurchase.h"
#include "ordering/frmVerifyOrder.h"
#include "platform/qtmessagebox.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/soundorder.h"
#include "tests/wm/localorderserver.h"
#include "tests/wm/x11windows.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>

using testsupport::X11Window;

namespace {

constexpr int kSettleMs = 5000;
constexpr int kClickSettleMs = 300;
// Only a failing run waits this long: a loaded machine's window manager can
// take seconds to pass a close request on.
constexpr int kCloseMs = 30000;
// The screen run_wm.sh gives the X server; openbox reserves none of it.
const QRect kScreen(0, 0, 1600, 1000);

// Whether a window's frame has its centre within a pixel of the owner's.
std::function<bool(const X11Window&)> centredOn(const X11Window& owner)
{
    return [centre = owner.frame.center()](const X11Window& x) {
        const QPoint off = x.frame.center() - centre;
        return std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
    };
}

class Launch : public testsupport::FormFixture {
protected:
    Launch() { form->wizard().templateFolder = QUILLOCK_TEMPLATES; }

    // Lets the program and the window manager work until `done` holds for
    // the window as the X server has it, or the time is up.
    X11Window settle(const QWidget& w, const std::function<bool(const X11Window&)>& done)
    {
        const QDeadlineTimer deadline(kSettleMs);
        X11Window now;
        do {
            QTest::qWait(20);
            now = testsupport::x11Window(w.winId());
        } while (!(now.viewable && done(now)) && !deadline.hasExpired());
        return now;
    }

    void expectFrame(const QWidget& w, const QRect& expected)
    {
        EXPECT_EQ(settle(w, [&](const X11Window& x) { return x.frame == expected; }).frame, expected)
            << w.objectName().toStdString();
    }

    // Every shown window lies within the screen, title bar and bottom edge included.
    void expectAllOnScreen(const char* step)
    {
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || !w->testAttribute(Qt::WA_WState_Created)) continue;
            const QRect frame = testsupport::x11Window(w->winId()).frame;
            EXPECT_TRUE(kScreen.contains(frame))
                << step << ' ' << w->objectName().toStdString() << ' ' << testing::PrintToString(frame);
        }
        shoot(step);
    }

    // The whole screen, once per test run, for a person to look at.
    void shoot(const char* step)
    {
        const QString folder = qEnvironmentVariable("QUILLOCK_WM_SHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        form->screen()->grabWindow(0).save(folder + "/" + step + ".png");
    }

    // The wizard comes up centred on the main window and owned by it, and
    // stays in front when the disabled main window is clicked.
    void expectWizardOverMain(const char* step)
    {
        form->menu("New").click();
        dialogs::frmNew& wizard = form->wizard();
        const X11Window main = testsupport::x11Window(form->winId());
        const auto centred = centredOn(main);
        const X11Window shown = settle(wizard, centred);
        EXPECT_TRUE(centred(shown)) << step << ' ' << testing::PrintToString(shown.frame);
        EXPECT_EQ(shown.transientFor, form->winId()) << step;
        expectAllOnScreen(step);

        testsupport::clickAt(main.frame.topLeft() + QPoint(main.frame.width() / 8, main.frame.height() / 4));
        QTest::qWait(kClickSettleMs);
        const QList<WId> stack = testsupport::stackingOrder();
        EXPECT_GT(stack.indexOf(wizard.winId()), stack.indexOf(form->winId())) << step;
        EXPECT_TRUE(testsupport::x11Window(wizard.winId()).viewable) << step;
    }

    // A click on the main window's title bar, beside `other`, brings the main
    // window in front of it; `other` stays shown.
    void expectMainActivatedInFrontOf(const QWidget& other)
    {
        const QRect main = testsupport::x11Window(form->winId()).frame;
        const QRect beside = testsupport::x11Window(other.winId()).frame;
        ASSERT_LT(beside.right(), main.right()) << testing::PrintToString(main);
        const QPoint title((beside.right() + main.right()) / 2, (main.top() + form->mapToGlobal(QPoint()).y()) / 2);
        testsupport::clickAt(title);
        const auto inFront = [&] {
            const QList<WId> stack = testsupport::stackingOrder();
            return stack.indexOf(form->winId()) > stack.indexOf(other.winId());
        };
        const QDeadlineTimer deadline(kSettleMs);
        while (!inFront() && !deadline.hasExpired()) QTest::qWait(20);
        EXPECT_TRUE(inFront()) << other.objectName().toStdString();
        EXPECT_TRUE(testsupport::x11Window(other.winId()).viewable) << other.objectName().toStdString();
    }

    // A point in the main window's views that no other shown window of the program covers.
    std::optional<QPoint> uncoveredMainPoint() const
    {
        const QRect inner(form->mapToGlobal(QPoint()), form->size());
        for (const int y : {3, 5, 7})
            for (const int x : {1, 3, 5, 7}) {
                const QPoint p(inner.left() + inner.width() * x / 8, inner.top() + inner.height() * y / 8);
                const auto covers = [&](const QWidget* w) {
                    return w != form.get() && w->isVisible() && w->testAttribute(Qt::WA_WState_Created) &&
                           testsupport::x11Window(w->winId()).frame.contains(p);
                };
                if (std::ranges::none_of(QApplication::topLevelWidgets(), covers)) return p;
            }
        return std::nullopt;
    }

    // `owned` is shown as the main window's; a click in the main window's
    // views activates the main window, and `owned` stays shown in front of it.
    void expectInFrontOfMain(const QWidget& owned, const char* step)
    {
        const auto ownedByMain = [this](const X11Window& x) { return x.transientFor == form->winId(); };
        const X11Window shown = settle(owned, ownedByMain);
        EXPECT_TRUE(shown.viewable && ownedByMain(shown)) << step << " owned by " << shown.transientFor;
        const std::optional<QPoint> point = uncoveredMainPoint();
        ASSERT_TRUE(point) << step;
        testsupport::clickAt(*point);
        EXPECT_TRUE(QTest::qWaitFor([this] { return form->isActiveWindow(); }, kSettleMs)) << step;
        QTest::qWait(kClickSettleMs);
        const QList<WId> stack = testsupport::stackingOrder();
        EXPECT_GT(stack.indexOf(owned.winId()), stack.indexOf(form->winId())) << step;
        EXPECT_TRUE(testsupport::x11Window(owned.winId()).viewable) << step;
        expectAllOnScreen(step);
    }

    void viewData(bool on, const char* step)
    {
        form->menu("ViewData").click();
        if (!on) {
            expectFrame(*form, kScreen);
        } else {
            // The data window keeps its width; the main window takes the rest.
            const auto atLeft = [](const X11Window& x) {
                return x.frame.topLeft() == QPoint() && x.frame.height() == 1000;
            };
            const X11Window info = settle(form->info(), atLeft);
            EXPECT_TRUE(atLeft(info)) << testing::PrintToString(info.frame);
            expectFrame(*form, {info.frame.width(), 0, 1600 - info.frame.width(), 1000});
        }
        expectAllOnScreen(step);
    }
};

}  // namespace

TEST_F(Launch, EveryWindowIsPlacedOnScreenOwnedAndSizedAtItsFirstShow)
{
    ASSERT_EQ(form->screen()->availableGeometry(), kScreen);
    expectFrame(*form, {0, 0, 1600, 975});
    expectAllOnScreen("1_start");

    expectWizardOverMain("2_wizard");
    form->wizard().Command1->click();  // OK: the default kayak
    ASSERT_TRUE(model::currentDesign().DesignLoaded && form->isEnabled());

    for (int step = 3; step <= 7; ++step)
        viewData(step % 2 == 1, (std::to_string(step) + (step % 2 == 1 ? "_data_on" : "_data_off")).c_str());

    // A message box of the data window comes up centred on it and owned by it.
    form->info().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form->info()));
    platform::QtMessageBox boxes(form.get());
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        const X11Window info = testsupport::x11Window(form->info().winId());
        const auto centred = centredOn(info);
        const X11Window shown = settle(*box, centred);
        EXPECT_TRUE(centred(shown)) << testing::PrintToString(shown.frame);
        EXPECT_EQ(shown.transientFor, form->info().winId());
        expectAllOnScreen("8_data_window_message");
        box->close();
    });
    boxes.show("Kayak width may not exceed 48\"");

    expectWizardOverMain("9_wizard_beside_data");
    form->wizard().Command2->click();  // Cancel

    // Three quarters of the screen's width, centred; then the 3D view,
    // 0.95 of the screen's height at its top, 1.1 times as wide.
    const std::pair<const char*, QRect> sized[] = {{"frmPanels", {200, 140, 1200, 720}},
                                                   {"frmRender", {0, 0, 1045, 950}}};
    const char* items[] = {"PreviewPanels", "Render3D"};
    const char* steps[] = {"10_panel_preview", "11_3d_view"};
    // The panel preview belongs to the main window; the 3D view is a window of its own.
    const WId owners[] = {form->winId(), 0};
    for (int i = 0; i < 2; ++i) {
        form->menu(items[i]).click();
        QWidget* w = testsupport::topLevel(sized[i].first);
        ASSERT_NE(w, nullptr) << items[i];
        expectFrame(*w, sized[i].second);
        EXPECT_EQ(testsupport::x11Window(w->winId()).transientFor, owners[i]) << items[i];
        expectAllOnScreen(steps[i]);
    }
    expectMainActivatedInFrontOf(*testsupport::topLevel("frmRender"));

    // The smaller windows belong to the main window too.
    for (const auto& [item, name] : {std::pair{"ViewDragCurves", "frmFriction"}, {"preferences", "frmPreferences"},
                                     {"About", "frmAbout"}}) {
        form->menu(item).click();
        QWidget* w = testsupport::topLevel(name);
        ASSERT_NE(w, nullptr) << name;
        const auto owned = [&](const X11Window& x) { return x.transientFor == form->winId(); };
        EXPECT_TRUE(owned(settle(*w, owned))) << name;
        expectAllOnScreen(QByteArray("12_") + name);
    }

    // The data window closed by the window manager is View > Data unchecked.
    // Only the manager acts on the request, so Qt's own close() cannot pass.
    dialogs::frmInfo& info = form->info();
    ASSERT_TRUE(testsupport::closeByWindowManager(info.winId()));
    const auto shownAndChecked = [&] {
        return std::pair(info.isVisible() || testsupport::x11Window(info.winId()).viewable,
                         form->menu("ViewData").Checked());
    };
    const QDeadlineTimer deadline(kCloseMs);
    while (shownAndChecked() != std::pair(false, false) && !deadline.hasExpired()) QTest::qWait(20);
    EXPECT_EQ(shownAndChecked(), std::pair(false, false));
    expectFrame(*form, kScreen);
    expectAllOnScreen("13_data_window_closed");
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().front();

    // The order form, and the verify window shown while the form is hidden,
    // each stay in front of the main window; after Back and Continue too.
    const testsupport::LocalOrderServer server;
    ASSERT_TRUE(server.running()) << server.error;
    ordering::frmPurchase& order = form->purchase();
    order.clock = testsupport::fixedClock;
    form->menu("BuyPlans").click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !order.lblPrice->text().isEmpty(); }, kCloseMs));
    expectInFrontOfMain(order, "14_order_form");
    testsupport::fillSoundOrder(order);
    ordering::frmVerifyOrder& verify = order.verify();
    const auto continueToVerify = [&](const char* step) {
        order.Command1->click();
        ASSERT_TRUE(verify.isVisible() && !order.isVisible()) << step;
        expectInFrontOfMain(verify, step);
    };
    continueToVerify("15_verify");
    verify.Command1->click();  // Back
    expectInFrontOfMain(order, "16_order_form_again");
    continueToVerify("17_verify_again");
    verify.cmdCancel->click();
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().front();
}
