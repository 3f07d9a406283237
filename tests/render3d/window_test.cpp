// The 3D view's window under a real X display.

#include "mainwindow/Form1.h"
#include "platform/device3d.h"
#include "render3d/frmRender.h"
#include "tests/render3d/fakescreensaver.h"
#include "tests/render3d/viewkayak.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace render3d {
namespace {

constexpr QRgb kClear = qRgb(0xAA, 0xBB, 0xCC);
constexpr QRgb kWater = qRgb(0x44, 0x44, 0xFF);

testsupport::TestBus& bus()
{
    static testsupport::TestBus* b = new testsupport::TestBus;  // lives as long as the binary
    return *b;
}

struct View : ::testing::Test {
    View()
    {
        bus().fake().held = 0;
        window = std::make_unique<frmRender>(design, messages, bus().client("view"));
        window->purchasePlans = [this] { ++purchases; };
        window->Form_Load();
    }
    ~View() override { window.reset(); }

    // Lets the loop present `frames` more frames.
    void runFrames(int frames)
    {
        QSignalSpy swapped(window->Picture1, &platform::Device3D::frameSwapped);
        while (swapped.count() < frames) ASSERT_TRUE(swapped.wait(2000)) << "the render loop stalled";
        QApplication::processEvents();
    }
    QImage picture() { return window->Picture1->grabFramebuffer(); }
    QRgb centre()
    {
        const QImage image = picture();
        return image.pixel(image.width() / 2, image.height() / 2);
    }
    void tick(std::initializer_list<QCheckBox*> ticked)
    {
        for (QCheckBox* box : {window->chkHull, window->chkDeck, window->Check1, window->Check2, window->Check3})
            box->setChecked(std::find(ticked.begin(), ticked.end(), box) != ticked.end());
        runFrames(1);
    }

    QApplication& app = testsupport::testApp();
    model::Design design = testsupport::viewKayak();
    testsupport::ScriptedMessageBox messages;
    std::unique_ptr<frmRender> window;
    int purchases = 0;
};

TEST_F(View, OpensRunningWithItsControlsAsDesigned)
{
    EXPECT_TRUE(window->RenderRunning());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window->windowTitle(), "Quillock - 3D Render");
    struct SliderCase {
        QSlider* slider;
        int minimum, maximum, value;
    };
    for (const SliderCase& s : {SliderCase{window->Slider1, 62, 200, 120}, {window->SliderExplode, 0, 100, 0},
                                {window->ThicknessSlider, 2, 41, 5}}) {
        EXPECT_EQ(s.slider->minimum(), s.minimum) << s.slider->objectName().toStdString();
        EXPECT_EQ(s.slider->maximum(), s.maximum);
        EXPECT_EQ(s.slider->value(), s.value);
    }
    struct BoxCase {
        QCheckBox* box;
        const char* caption;
        bool ticked;
    };
    for (const BoxCase& b : {BoxCase{window->chkHull, "Hull", true}, {window->chkDeck, "Deck", true},
                             {window->Check1, "Solid Panels", true}, {window->Check2, "Wire Frame", true},
                             {window->Check3, "Water", false}}) {
        EXPECT_EQ(b.box->text(), b.caption);
        EXPECT_EQ(b.box->isChecked(), b.ticked) << b.caption;
    }
    EXPECT_EQ(window->CmdExit->text(), "Close Window");
    EXPECT_EQ(window->Command1->text(), "Purchase Full Size Plans");
    EXPECT_EQ(window->settings().ExplodeDistance, 0);
    EXPECT_EQ(window->settings().LineThickness, 5 / 10000.0);
    // A square picture on top, the controls centred under it.
    const QRect picture = window->Picture1->geometry();
    EXPECT_EQ(picture.width(), picture.height());
    EXPECT_EQ(picture.top(), 0);
    EXPECT_NEAR(2 * picture.left() + picture.width(), window->width(), 1);
    EXPECT_EQ(window->Frame1->y(), picture.bottom() + 1);
    EXPECT_EQ(window->verts().panels, 6);
    EXPECT_EQ(bus().fake().held, 1) << "the screen saver is held off";
}

// Opening returns at once; the loop then keeps presenting frames.
TEST_F(View, TheLoopRunsFromTheEventLoopAndFollowsTheMouse)
{
    runFrames(3);
    const Vector3 startEye = window->EyePoint();
    EXPECT_NEAR(startEye.x, -0.5561009, 1e-6);
    QWindow* picture = window->Picture1->surfaceWindow();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(picture, QPoint(140, 120));
    runFrames(2);
    EXPECT_NEAR(window->camera().CameraYaw, kStartYaw - 0.2, 1e-9);
    EXPECT_NEAR(window->camera().CameraPitch, kStartPitch + 0.1, 1e-9);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(140, 120));
    QTest::mouseMove(picture, QPoint(10, 10));
    runFrames(2);
    EXPECT_NEAR(window->camera().CameraYaw, kStartYaw - 0.2, 1e-9) << "no drag after the release";
    window->Slider1->setValue(200);
    runFrames(1);
    const Vector3 eye = window->EyePoint();
    const Vector3 at = lookAtPoint(window->camera());
    EXPECT_NEAR(std::hypot(eye.x - 0.5, eye.z), 2.0 * std::cos(0.99 * window->camera().CameraPitch), 1e-5);
    EXPECT_LT(at.x, 0.75f);
}

TEST_F(View, SlidersRebuildTheLists)
{
    window->SliderExplode->setValue(60);
    EXPECT_EQ(window->settings().ExplodeDistance, 0.06);
    EXPECT_DOUBLE_EQ(window->verts().ExplodeOffsets[1].Y, 0.06 * std::cos(3.14159265 / 7));
    window->ThicknessSlider->setValue(41);
    EXPECT_EQ(window->settings().LineThickness, 41 / 10000.0);
    const model::Point3 l = design.Sections[0].Pts[1];
    EXPECT_EQ(window->verts().RibbonVerts[1][1].Y, float(l.Y + 0.0041 + window->verts().ExplodeOffsets[1].Y));
    runFrames(1);
    EXPECT_TRUE(window->RenderRunning());
}

TEST_F(View, EveryBoxClearShowsOnlyTheClearColourAndWaterShowsBlue)
{
    runFrames(1);
    tick({});
    const QImage blank = picture();
    for (int y = 0; y < blank.height(); y += 5)
        for (int x = 0; x < blank.width(); x += 5) ASSERT_EQ(blank.pixel(x, y), kClear) << x << "," << y;
    tick({window->Check3});
    EXPECT_EQ(centre(), kWater);
    tick({window->Check1, window->chkHull, window->chkDeck});
    const QImage hull = picture();
    int shaded = 0;
    for (int y = 0; y < hull.height(); y += 3)
        for (int x = 0; x < hull.width(); x += 3) shaded += hull.pixel(x, y) != kClear;
    EXPECT_GT(shaded, 100) << "the panels show";
}

struct WayOut {
    const char* what;
    std::function<void(frmRender&)> take;
    std::vector<std::string> messages;
    int purchases;
};

// Every way out stops the loop, hides the window and lets the screen saver
// run again; a failing frame says so once.
TEST_F(View, EveryWayOutEndsTheLoopAndFreesTheScreenSaver)
{
    const WayOut ways[] = {
        {"Close Window", [](frmRender& w) { w.CmdExit->click(); }, {}, 0},
        {"title bar", [](frmRender& w) { w.close(); }, {}, 0},
        {"Purchase Full Size Plans", [](frmRender& w) { w.Command1->click(); }, {}, 1},
        {"reopened", [](frmRender& w) { w.unload(); }, {}, 0},
        {"failing frames",
         [](frmRender& w) {
             emit w.Picture1->frameFailed();
             emit w.Picture1->frameFailed();
         },
         {"Could not initialize D3d - Render"}, 0},
    };
    for (const WayOut& way : ways) {
        SCOPED_TRACE(way.what);
        window = std::make_unique<frmRender>(design, messages, bus().client("view"));
        window->purchasePlans = [this] { ++purchases; };
        window->Form_Load();
        messages.shown.clear();
        purchases = 0;
        runFrames(1);
        EXPECT_EQ(bus().fake().held, 1);
        way.take(*window);
        QApplication::processEvents();
        EXPECT_FALSE(window->RenderRunning());
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->Picture1->isReady());
        EXPECT_EQ(bus().fake().held, 0);
        EXPECT_EQ(messages.texts(), way.messages);
        EXPECT_EQ(purchases, way.purchases);
    }
}

TEST_F(View, ADesignTheListsCannotHoldIsSaidOnceAndTheWindowCloses)
{
    model::Design broken = design;
    broken.PanelEnds[2][1] = 0;
    window = std::make_unique<frmRender>(broken, messages, bus().client("view"));
    messages.shown.clear();
    window->Form_Load();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"could not initialize d3d"});
    EXPECT_FALSE(window->RenderRunning());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(bus().fake().held, 0);
}

struct MainWindow : ::testing::Test {
    MainWindow()
    {
        model::currentDesign() = {};
        form = std::make_unique<mainwindow::Form1>(messages, dialogs);
        form->endProgram = [] {};
    }
    ~MainWindow() override
    {
        form.reset();
        model::currentDesign() = {};
    }
    static QList<frmRender*> views()
    {
        QList<frmRender*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<frmRender*>(w)) found << v;
        return found;
    }

    QApplication& app = testsupport::testApp();
    testsupport::ScriptedMessageBox messages;
    testsupport::ScriptedFileDialogs dialogs;
    std::unique_ptr<mainwindow::Form1> form;
};

// The menu opens a fresh view each time; the running one stops first.
TEST_F(MainWindow, RenderingMenuReplacesAnyRunningView)
{
    form->menu("Render3D").click();
    EXPECT_TRUE(views().isEmpty()) << "no design, no view";
    model::currentDesign() = testsupport::viewKayak();
    form->menu("Render3D").click();
    ASSERT_EQ(views().size(), 1);
    QPointer<frmRender> first = views().front();
    EXPECT_TRUE(first->RenderRunning());
    form->menu("Render3D").click();
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(views().size(), 1);
    EXPECT_TRUE(views().front()->RenderRunning());
    EXPECT_TRUE(views().front()->isVisible());
    views().front()->Command1->click();
    EXPECT_FALSE(views().front()->RenderRunning());
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace render3d
