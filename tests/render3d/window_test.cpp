// The GL device and the 3D view's window under a real X display: pixels read back from the framebuffer, the screen
// saver watched on a private bus.

#include "mainwindow/Form1.h"
#include "model/hull/floaterror.h"
#include "platform/device3d.h"
#include "platform/screensaver.h"
#include "render3d/frmRender.h"
#include "tests/render3d/viewkayak.h"
#include "tests/render3d/watchedmessages.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusContext>
#include <QElapsedTimer>
#include <QFrame>
#include <QOpenGLContext>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QThread>
#include <QWindow>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <atomic>
#include <csignal>

namespace render3d {

// A desktop's screen-saver service counting the inhibits asked for. Made absent, it answers late with an error, as a
// bus without the service would.
class FakeScreenSaver : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    std::atomic<int> held{0}, inhibits{0};  // held: inhibits not yet let go
    std::atomic<int> absentAnswerMs{-1};  // below 0: present
    std::atomic<bool> refuses{false};  // answers every inhibit with an error of its own

public slots:
    uint Inhibit(const QString&, const QString&)
    {
        ++inhibits;
        if (refuses) {
            sendErrorReply(QDBusError::AccessDenied, "the screen saver stays on here");
            return 0;
        }
        if (absentAnswerMs < 0) return uint(++held);
        QThread::msleep(unsigned(absentAnswerMs.load()));
        sendErrorReply(QDBusError::ServiceUnknown, "no screen saver here");
        return 0;
    }
    void UnInhibit(uint) { --held; }
};

// A dbus-daemon of the test's own, ended with the test binary, the fake served from its own thread so blocking calls
// from the test thread are answered.
struct TestBus {
    explicit TestBus(bool withScreenSaver = true)
    {
        daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        daemon.waitForReadyRead(5000);
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        if (!withScreenSaver) return;
        fake.moveToThread(&thread);
        thread.start();
        QDBusConnection service = QDBusConnection::connectToBus(address, "fake-screensaver");
        service.registerObject("/org/freedesktop/ScreenSaver", &fake, QDBusConnection::ExportAllSlots);
        service.registerService("org.freedesktop.ScreenSaver");
    }
    QDBusConnection client(const QString& name) { return QDBusConnection::connectToBus(address, name); }

    QProcess daemon;
    QString address;
    QThread thread;
    FakeScreenSaver fake;
};

namespace {

constexpr int kSide = 200;
constexpr QRgb kClear = qRgb(0xAA, 0xBB, 0xCC), kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0);
const platform::Matrix4x4 kIdentity = identityMatrix();
using Quad = std::array<LitVertex, 4>;  // one strip of four

Quad square(float x0, float y0, float x1, float y1, float z, std::uint32_t colour)
{
    return {{{x0, y0, z, colour}, {x1, y0, z, colour}, {x0, y1, z, colour}, {x1, y1, z, colour}}};
}

// The quads as one strip each unless `strips` are given.
platform::Frame3D frameOf(const std::vector<Quad>& quads, std::vector<platform::StripRange> strips = {})
{
    if (strips.empty())
        for (int i = 0; i < int(quads.size()); ++i) strips.push_back({4 * i, 4});
    return {0xAABBCC, kIdentity, kIdentity, kIdentity, {kLitVertexStride, 0, 12}, quads.data(),
            4 * int(quads.size()), std::move(strips)};
}

// The first pixel of `colour` in scan order; (-1, -1) when there is none.
QPoint pixelOf(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) return {x, y};
    return {-1, -1};
}

// Depth runs 0..1: the nearer square wins whatever the order, a tie goes to the later one, anything before the near
// plane is clipped away. Translation sits in the bottom row of a row-vector matrix. Through the view's start camera a
// red block at the bow lands lower left of a green one at the stern. Strips reaching outside the vertices refuse a
// frame.
TEST(Device, DepthColoursMatricesStripsAndTheStartCamera)
{
    testsupport::testApp();
    platform::Device3D device;
    device.resize(kSide, kSide);
    device.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&device) && device.open() == platform::Device3D::Opened::Ready);
    QApplication::processEvents();
    ASSERT_TRUE(device.isReady());
    auto draw = [&](const std::vector<Quad>& quads, const platform::Matrix4x4& world,
                    const platform::Matrix4x4& view = kIdentity, const platform::Matrix4x4& projection = kIdentity) {
        platform::Frame3D f = frameOf(quads);
        f.world = world, f.view = view, f.projection = projection;
        EXPECT_TRUE(device.setFrame(f));
        return device.grabFramebuffer();
    };
    struct Case { const char* what; float firstZ, secondZ; QRgb centre; };
    for (const Case& c : {Case{"near first", 0.2f, 0.8f, kRed}, {"near second", 0.8f, 0.2f, kGreen},
                          {"a tie", 0.5f, 0.5f, kGreen}, {"before the near plane", -0.2f, -0.5f, kClear}}) {
        const QImage image = draw({square(-1, -1, 1, 1, c.firstZ, 0xFF0000), square(-1, -1, 1, 1, c.secondZ, 0x00FF00)},
                                  kIdentity);
        EXPECT_EQ(image.pixel(kSide / 2, kSide / 2), c.centre) << c.what;
    }
    platform::Matrix4x4 moveRight = kIdentity;
    moveRight[12] = 0.5f;
    const QImage moved = draw({square(-0.2f, -0.2f, 0.2f, 0.2f, 0.5f, 0xFF0000)}, moveRight);
    EXPECT_EQ(std::pair(moved.pixel(kSide * 3 / 4, kSide / 2), moved.pixel(kSide / 2, kSide / 2)),
              std::pair(kRed, kClear));
    const std::vector<Quad> one{square(-1, -1, 1, 1, 0.5f, 0xFF)};
    for (platform::StripRange bad : {platform::StripRange{2, 3}, {-1, 2}, {0, -1}})
        EXPECT_FALSE(device.setFrame(frameOf(one, {{0, 4}, bad}))) << bad.first << "+" << bad.count;

    const QImage image = draw({square(-0.05f, 0, 0.05f, 0.1f, 0, 0xFF0000), square(0.95f, 0, 1.05f, 0.1f, 0, 0x00FF00)},
                              kIdentity, viewMatrix(OrbitCamera{}, 1.2), projectionMatrix());
    const QPoint red = pixelOf(image, kRed), green = pixelOf(image, kGreen);
    EXPECT_TRUE(red.x() >= 0 && red.x() < kSide / 2 && red.y() > kSide / 2) << red.x() << "," << red.y();
    EXPECT_TRUE(green.x() > red.x() && green.y() >= 0 && green.y() < red.y()) << green.x() << "," << green.y();
}

TestBus& bus()
{
    static TestBus* b = new TestBus;  // lives as long as the binary
    return *b;
}

TestBus& busWithoutScreenSaver()
{
    static TestBus* b = new TestBus(false);
    return *b;
}

bool heldBecomes(int count) { return QTest::qWaitFor([count] { return bus().fake.held == count; }, 2000); }

// Held off once however often asked, let go with its owner, even while the answer is still on its way; refused at once
// without a bus.
TEST(ScreenSaver, InhibitsOnceAndLetsGo)
{
    testsupport::testApp();
    bus().fake.held = 0;
    {
        platform::ScreenSaver saver(bus().client("saver"));
        for (int asked = 0; asked < 2; ++asked) saver.inhibit();
        EXPECT_TRUE(QTest::qWaitFor([&] { return saver.inhibited(); }, 2000) && bus().fake.held == 1);
    }
    EXPECT_TRUE(heldBecomes(0)) << "let go with its owner";
    const int inhibits = bus().fake.inhibits;
    std::make_unique<platform::ScreenSaver>(bus().client("saver"))->inhibit();
    EXPECT_TRUE(QTest::qWaitFor([inhibits] { return bus().fake.inhibits == inhibits + 1; }, 2000) && heldBecomes(0))
        << "let go when granted after its owner went";
    platform::ScreenSaver noBus(QDBusConnection("no bus"));
    noBus.inhibit();
    EXPECT_TRUE(noBus.refused() && !noBus.inhibited());
}

// A saver gone before a service's error answers its inhibit reports nothing (the view's own failures are below).
TEST(ScreenSaver, AnErrorAnsweredAfterItsOwnerWentIsNotReported)
{
    testsupport::testApp();
    bus().fake.refuses = true;
    const int inhibits = bus().fake.inhibits;
    bool heard = false;
    auto gone = std::make_unique<platform::ScreenSaver>(bus().client("gone"));
    gone->setOnFailure([&heard] { heard = true; });
    gone->inhibit();
    gone.reset();
    EXPECT_TRUE(QTest::qWaitFor([inhibits] { return bus().fake.inhibits == inhibits + 1; }, 2000));
    QTest::qWait(50);
    bus().fake.refuses = false;
    EXPECT_FALSE(heard);
}

// The view with its lists and frames made to fail on demand, as a computation raising its error would.
struct FailingView : frmRender {
    using frmRender::frmRender;
    bool InitKayakVerts() override
    {
        if (listsFail) throw model::FloatError("the lists overflow");
        return frmRender::InitKayakVerts();
    }
    void Render() override
    {
        if (framesFail) throw std::bad_alloc();
        frmRender::Render();
    }
    bool listsFail = false, framesFail = false;
};

struct View : ::testing::Test {
    View() { open(design); }

    using Prepare = std::function<void(FailingView&)>;
    void open(const model::Design& d, const Prepare& prepare = {}, QDBusConnection saverBus = bus().client("view"))
    {
        window.reset();
        shown = d;  // the window keeps a reference
        window = std::make_unique<FailingView>(shown, messages, saverBus);
        messages.window = window.get();
        window->purchasePlans = [this] { ++purchases; };
        if (prepare) prepare(*window);
        window->Form_Load();
    }
    // Lets the loop present one more frame.
    void runFrame()
    {
        QSignalSpy swapped(window->Picture1, &platform::Device3D::frameSwapped);
        ASSERT_TRUE(swapped.wait(2000)) << "the render loop stalled";
        QApplication::processEvents();
    }
    QImage tick(std::initializer_list<QCheckBox*> ticked)
    {
        for (QCheckBox* box : {window->chkHull, window->chkDeck, window->Check1, window->Check2, window->Check3})
            box->setChecked(std::find(ticked.begin(), ticked.end(), box) != ticked.end());
        runFrame();
        return window->Picture1->grabFramebuffer();
    }

    QApplication& app = testsupport::testApp();
    model::Design design = testsupport::viewKayak(), shown;
    testsupport::WatchedMessages messages;
    std::unique_ptr<FailingView> window;
    int purchases = 0;
};

// Opening returns at once with a frame on its way; nothing is drawn while nothing changes; a frame is drawn for a
// resize, for each drag step, and for the sliders, rebuilding the lists. The boxes choose what is drawn.
TEST_F(View, FramesFollowTheMouseSlidersAndBoxesAndRestOtherwise)
{
    QStringList controls{window->windowTitle()};
    for (QSlider* s : {window->Slider1, window->SliderExplode, window->ThicknessSlider})
        controls << QString("%1-%2:%3").arg(s->minimum()).arg(s->maximum()).arg(s->value());
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{window->chkHull, window->chkDeck, window->Check1,
                                                                      window->Check2, window->Check3, window->CmdExit,
                                                                      window->Command1})
        controls << b->text() + (b->isChecked() ? "+" : "");
    EXPECT_EQ(controls.join('|'), "Quillock - 3D Render|62-200:120|0-100:0|2-41:5|Hull+|Deck+|Solid Panels+|"
                                  "Wire Frame+|Water|Close Window|Purchase Full Size Plans");
    runFrame();
    int framesWhileResting = 0;  // once the window's exposures are drawn
    for (int tries = 0; tries < 5; ++tries) {
        QSignalSpy resting(window->Picture1, &platform::Device3D::frameSwapped);
        QTest::qWait(300);
        if ((framesWhileResting = int(resting.count())) == 0) break;
    }
    EXPECT_EQ(framesWhileResting, 0) << "frames drawn while nothing changes";
    window->Picture1->resize(window->Picture1->size() / 2);
    runFrame();
    QWindow* picture = window->Picture1->surfaceWindow();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(picture, QPoint(140, 120));
    runFrame();
    EXPECT_NEAR(window->camera().CameraPitch, kStartPitch + 0.1, 1e-9);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(140, 120));
    QTest::mouseMove(picture, QPoint(10, 10));
    window->Slider1->setValue(200);
    window->SliderExplode->setValue(60);
    window->ThicknessSlider->setValue(41);
    runFrame();
    EXPECT_NEAR(window->camera().CameraYaw, kStartYaw - 0.2, 1e-9) << "no drag after the release";
    const Vector3 eye = window->EyePoint();
    EXPECT_NEAR(std::hypot(eye.x - 0.5, eye.z), 2.0 * std::cos(0.99 * window->camera().CameraPitch), 1e-5);
    const model::Point3 offset = window->verts().ExplodeOffsets[1];
    EXPECT_DOUBLE_EQ(offset.Y, 0.06 * std::cos(kPi / 7));
    EXPECT_EQ(window->verts().RibbonVerts[1][1].Y, float(design.Sections[0].Pts[1].Y + 0.0041 + offset.Y));

    const QImage blank = tick({});
    for (int y = 0; y < blank.height(); y += 5)
        for (int x = 0; x < blank.width(); x += 5) ASSERT_EQ(blank.pixel(x, y), kClear) << x << "," << y;
    const QImage water = tick({window->Check3});
    EXPECT_EQ(water.pixel(water.width() / 2, water.height() / 2), qRgb(0x44, 0x44, 0xFF));
    const QImage hull = tick({window->Check1, window->chkHull, window->chkDeck});
    int shaded = 0;
    for (int y = 0; y < hull.height(); y += 3)
        for (int x = 0; x < hull.width(); x += 3) shaded += hull.pixel(x, y) != kClear;
    EXPECT_GT(shaded, 100) << "the panels show";
}

// Every way out stops the loop, hides the window, lets its device go and the screen saver run again; a failing frame or
// a design the lists cannot hold says so once.
TEST_F(View, EveryWayOutEndsTheLoopAndFreesTheScreenSaver)
{
    const std::vector<std::string> failed{"Could not initialize D3d - Render"};
    const struct { const char* what; std::function<void(frmRender&)> take; std::vector<std::string> messages;
                   int purchases = 0; bool broken = false; } ways[] = {
        {"a slider on lists that can no longer be built",
         [this](frmRender& w) {
             shown.Sections.resize(1);
             w.ThicknessSlider->setValue(30);
             w.SliderExplode->setValue(30);
         }, failed},
        {"Close Window", [](frmRender& w) { w.CmdExit->click(); }, {}},
        {"title bar", [](frmRender& w) { w.close(); }, {}},
        {"Purchase Full Size Plans", [](frmRender& w) { w.Command1->click(); }, {}, 1},
        {"reopened", [](frmRender& w) { w.unload(); }, {}},
        {"failing frames", [](frmRender& w) { emit w.Picture1->frameFailed(), emit w.Picture1->frameFailed(); },
         failed},
        {"a panel ending on no point", [](frmRender&) {}, {"could not initialize d3d"}, 0, true},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        model::Design d = design;
        if (way.broken) d.PanelEnds[2][1] = 0;
        messages.shown.clear();
        purchases = 0;
        open(d);
        if (!way.broken) {
            runFrame();
            EXPECT_TRUE(heldBecomes(1));
        }
        way.take(*window);
        QApplication::processEvents();
        EXPECT_FALSE(window->RenderRunning() || window->isVisible() || window->Picture1->isReady());
        EXPECT_TRUE(heldBecomes(0));
        EXPECT_EQ(std::pair(messages.texts(), purchases), std::pair(way.messages, way.purchases));
    }
}

// With no screen-saver service on the bus, the one inhibit asked for at opening is refused late; the frames do not wait
// for it, and it is not asked again.
TEST_F(View, AMissingScreenSaverIsAskedOnceAndHoldsUpNoFrame)
{
    constexpr int kAnswerMs = 1000;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->screenSaver().inhibited(); }, 2000));
    window.reset();
    ASSERT_TRUE(heldBecomes(0));
    bus().fake.inhibits = 0;
    bus().fake.absentAnswerMs = kAnswerMs;
    QElapsedTimer clock;
    clock.start();
    open(design);
    runFrame();
    for (int value : {150, 160, 170}) {
        window->Slider1->setValue(value);
        runFrame();
    }
    EXPECT_LT(clock.elapsed(), kAnswerMs) << "a frame waited for the screen saver";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->screenSaver().refused(); }, 3 * kAnswerMs));
    window->Slider1->setValue(180);
    runFrame();
    window->CmdExit->click();
    QApplication::processEvents();
    bus().fake.absentAnswerMs = -1;
    EXPECT_EQ(bus().fake.inhibits, 1);
}

// Each failure says where it happened over the window, then hides it, lets the device and the screen saver go, and ends
// the view: no error leaves a handler. At opening a device that cannot be made and lists raising an error; then a lost
// context, the explode slider's lists and a drag's frame raising an error, and a screen saver answering with an error.
TEST_F(View, EachFailureSaysWhereThenHidesAndLetsEverythingGo)
{
    const std::string load = "Could not initialize D3d - Load", render = "Could not initialize D3d - Render";
    QPointer<QOpenGLContext> lost;
    const struct { const char* what; Prepare prepare; std::function<void(FailingView&)> fail; std::string says; }
        cases[] = {
        {"a device that cannot be made", [](FailingView& w) { w.Picture1->vertexShaderForTest = "no shader"; }, {},
         load},
        {"lists raising an error at opening", [](FailingView& w) { w.listsFail = true; }, {}, load},
        {"a lost context", {},
         [&lost](FailingView& w) {
             lost = w.Picture1->context();
             // A window no context can draw on stands for one lost under it.
             w.Picture1->surfaceWindow()->setSurfaceType(QSurface::VulkanSurface);
             w.Slider1->setValue(150);
         }, render},
        {"the explode slider's lists raising an error", {},
         [](FailingView& w) {
             w.listsFail = true;
             w.SliderExplode->setValue(30);
         }, render},
        {"a drag's frame raising an error", {},
         [](FailingView& w) {
             w.framesFail = true;
             QTest::mousePress(w.Picture1->surfaceWindow(), Qt::LeftButton, {}, QPoint(100, 100));
             QTest::mouseMove(w.Picture1->surfaceWindow(), QPoint(140, 120));
         }, render},
        {"a screen saver answering with an error", [](FailingView&) { bus().fake.refuses = true; }, {},
         "Could not initialize D3d - TSSA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.seen.clear();
        open(design, c.prepare);
        if (c.fail) {
            runFrame();
            c.fail(*window);
        }
        EXPECT_TRUE(QTest::qWaitFor([this] { return !messages.seen.empty(); }, 2000));
        QTest::qWait(50);  // room for a second message that must not come
        bus().fake.refuses = false;
        EXPECT_EQ(messages.seen, (testsupport::WatchedMessages::Seen{{c.says, true}}));
        EXPECT_FALSE(window->RenderRunning() || window->isVisible() || window->Picture1->surfaceWindow());
        EXPECT_TRUE(heldBecomes(0));
    }
    EXPECT_TRUE(lost.isNull()) << "the lost context was kept";
}

// When the window's inner size changes after opening (as it does once the window manager's frame is known) the square
// picture and the strip of controls under it follow, the strip whole inside the window.
TEST_F(View, ThePictureAndTheStripFollowTheWindowsInnerSize)
{
    runFrame();
    const QSize smaller = window->size() - QSize(100, 60);
    window->resize(smaller);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == smaller; }, 2000));
    const int side = smaller.height() - window->Frame1->height();
    EXPECT_EQ(window->Picture1->geometry(), QRect((smaller.width() - side) / 2, 0, side, side));
    EXPECT_EQ(window->Frame1->geometry().bottomLeft(),
              QPoint((smaller.width() - window->Frame1->width()) / 2, smaller.height() - 1));
}

// With no screen-saver service on the bus at all the view runs on and says nothing.
TEST_F(View, NoScreenSaverServiceOnTheBusIsNoFailure)
{
    open(design, {}, busWithoutScreenSaver().client("view without a screen saver"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->screenSaver().refused(); }, 2000));
    window->Slider1->setValue(150);
    runFrame();
    EXPECT_TRUE(window->RenderRunning() && window->isVisible() && messages.seen.empty());
}

// The menu opens a fresh view each time, a window of its own; the running
// one stops first, and the last goes with the main window.
TEST(MainWindow, RenderingMenuReplacesAnyRunningView)
{
    testsupport::testApp();
    testsupport::ScriptedMessageBox messages;
    testsupport::ScriptedFileDialogs dialogs;
    model::currentDesign() = {};
    auto form = std::make_unique<mainwindow::Form1>(messages, dialogs);
    form->endProgram = [] {};
    auto views = [] {
        QList<frmRender*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<frmRender*>(w)) found << v;
        return found;
    };
    form->menu("Render3D").click();
    EXPECT_TRUE(views().isEmpty()) << "no design, no view";
    model::currentDesign() = testsupport::viewKayak();
    form->menu("Render3D").click();
    ASSERT_EQ(views().size(), 1);
    QPointer<frmRender> first = views().front();
    EXPECT_TRUE(first->RenderRunning());
    form->menu("Render3D").click();
    ASSERT_TRUE(first.isNull() && views().size() == 1);
    EXPECT_TRUE(views().front()->RenderRunning() && views().front()->isVisible() && messages.texts().empty());
    // A window of its own, not kept above the main window, yet gone with it.
    EXPECT_EQ(views().front()->windowHandle()->transientParent(), nullptr);
    form.reset();
    EXPECT_TRUE(views().isEmpty());
    model::currentDesign() = {};
}

}  // namespace
}  // namespace render3d

#include "window_test.moc"
