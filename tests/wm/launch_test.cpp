// One launch of the program under a real window manager (run by run_wm.sh on
// its own X server with openbox): start-up, the data window on and off, the
// wizard, the panel preview and the 3D view, each window's frame read back
// from the X server.

#include "dialogs/frmInfo.h"
#include "dialogs/frmNew.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/wm/x11windows.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <functional>
#include <utility>

using testsupport::X11Window;

namespace {

constexpr int kSettleMs = 5000;
constexpr int kClickSettleMs = 300;
constexpr float kStartHeightShare = 0.975f;
constexpr float kPreviewWidthShare = 0.75f, kPreviewHeightPerWidth = 0.6f;
constexpr double kRenderHeightShare = 0.95, kRenderWidthPerHeight = 1.1;

QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

class Launch : public testsupport::FormFixture {
protected:
    Launch() { form->wizard().templateFolder = QUILLOCK_TEMPLATES; }

    QRect screenArea() const { return form->screen()->availableGeometry(); }

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
            EXPECT_TRUE(screenArea().contains(frame))
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
        const auto centred = [&](const X11Window& x) {
            const QPoint off = x.frame.center() - main.frame.center();
            return std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
        };
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

    void viewData(bool on, const char* step)
    {
        form->menu("ViewData").click();
        const QRect area = screenArea();
        if (!on) {
            expectFrame(*form, area);
        } else {
            const QWidget& info = form->info();
            const int infoWidth = settle(info, [&](const X11Window& x) { return x.frame.height() == area.height(); })
                                      .frame.width();
            expectFrame(info, {area.left(), area.top(), infoWidth, area.height()});
            expectFrame(*form, {area.left() + infoWidth, area.top(), area.width() - infoWidth, area.height()});
        }
        expectAllOnScreen(step);
    }
};

}  // namespace

TEST_F(Launch, EveryWindowIsPlacedOnScreenOwnedAndSizedAtItsFirstShow)
{
    const QRect area = screenArea();
    expectFrame(*form, {area.left(), area.top(), area.width(), int(float(area.height()) * kStartHeightShare)});
    expectAllOnScreen("1_start");

    expectWizardOverMain("2_wizard");
    form->wizard().Command1->click();  // OK: the default kayak
    ASSERT_TRUE(model::currentDesign().DesignLoaded && form->isEnabled());

    viewData(true, "3_data_on");
    viewData(false, "4_data_off");
    viewData(true, "5_data_on");
    viewData(false, "6_data_off");
    viewData(true, "7_data_on");

    expectWizardOverMain("8_wizard_beside_data");
    form->wizard().Command2->click();  // Cancel

    form->menu("PreviewPanels").click();
    QWidget* preview = topLevel("frmPanels");
    ASSERT_NE(preview, nullptr);
    const float previewWidth = float(area.width()) * kPreviewWidthShare,
                previewHeight = previewWidth * kPreviewHeightPerWidth;
    expectFrame(*preview, {int(float(area.width()) / 2 - previewWidth / 2),
                           int(float(area.height()) / 2 - previewHeight / 2), int(previewWidth), int(previewHeight)});
    EXPECT_EQ(testsupport::x11Window(preview->winId()).transientFor, form->winId());
    expectAllOnScreen("9_panel_preview");

    form->menu("Render3D").click();
    QWidget* view = topLevel("frmRender");
    ASSERT_NE(view, nullptr);
    const int viewHeight = int(kRenderHeightShare * area.height());
    expectFrame(*view, {0, 0, int(kRenderWidthPerHeight * viewHeight), viewHeight});
    EXPECT_EQ(testsupport::x11Window(view->winId()).transientFor, form->winId());
    expectAllOnScreen("10_3d_view");

    // The smaller windows belong to the main window too.
    for (const auto& [item, name] : {std::pair{"preferences", "frmPreferences"}, {"ViewDragCurves", "frmFriction"},
                                     {"About", "frmAbout"}}) {
        form->menu(item).click();
        QWidget* w = topLevel(name);
        ASSERT_NE(w, nullptr) << name;
        const auto owned = [&](const X11Window& x) { return x.transientFor == form->winId(); };
        EXPECT_TRUE(owned(settle(*w, owned))) << name;
    }
    expectAllOnScreen("11_preferences_curves_about");
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().front();
}
