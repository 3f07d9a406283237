#include "render3d/frmRender.h"

#include "model/document/messagebox.h"
#include "platform/device3d.h"
#include "platform/doevents.h"
#include "platform/windowplacement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

#include <cstddef>

namespace render3d {

namespace {

constexpr const char* kCaption = "Quillock - 3D Render";
constexpr const char* kNotInitialised = "could not initialize d3d";
constexpr const char* kInitialiseFailed = "Could not initialize D3d - Initialize";
constexpr const char* kLoadFailed = "Could not initialize D3d - Load";
constexpr const char* kRenderFailed = "Could not initialize D3d - Render";
constexpr const char* kScreenSaverFailed = "Could not initialize D3d - TSSA";
constexpr std::uint32_t kClearColour = 0xAABBCC;
constexpr double kHeightShare = 0.95;  // of the screen
constexpr double kWidthPerHeight = 1.1;

struct SliderSpec {
    int minimum, maximum, value;
};
constexpr SliderSpec kZoom{62, 200, 120};
constexpr SliderSpec kExplode{0, 100, 0};
constexpr SliderSpec kThickness{2, 41, 5};
constexpr double kExplodeUnitsPerHull = 1000;
constexpr double kThicknessUnitsPerHull = 10000;

QSlider* makeSlider(const SliderSpec& spec, const char* name)
{
    auto* s = new QSlider(Qt::Horizontal);
    s->setObjectName(name);
    s->setRange(spec.minimum, spec.maximum);
    s->setValue(spec.value);
    return s;
}

QLabel* makeLabel(const char* caption, const char* name)
{
    auto* l = new QLabel(caption);
    l->setObjectName(name);
    return l;
}

QCheckBox* makeCheck(const char* caption, const char* name, bool ticked)
{
    auto* c = new QCheckBox(caption);
    c->setObjectName(name);
    c->setChecked(ticked);
    return c;
}

QVBoxLayout* column(QHBoxLayout* row, std::initializer_list<QWidget*> widgets)
{
    auto* c = new QVBoxLayout;
    for (QWidget* w : widgets) c->addWidget(w);
    row->addLayout(c);
    return c;
}

}  // namespace

frmRender::frmRender(const model::Design& design, model::MessageBox& messages, QDBusConnection bus, QWidget* parent)
    : QWidget(parent, Qt::Window), design_(design), messages_(messages), screenSaver_(std::move(bus))
{
    setObjectName("frmRender");
    setWindowTitle(kCaption);
    buildControls();
    connectHandlers();
    screenSaver_.setOnFailure([this] { endView(kScreenSaverFailed); });
}

frmRender::~frmRender() { unload(); }

void frmRender::buildControls()
{
    Picture1 = new platform::Device3D(this);
    Picture1->setObjectName("Picture1");
    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Slider1 = makeSlider(kZoom, "Slider1");
    SliderExplode = makeSlider(kExplode, "SliderExplode");
    ThicknessSlider = makeSlider(kThickness, "ThicknessSlider");
    Label1 = makeLabel("Zoom", "Label1");
    Label3 = makeLabel("Explode", "Label3");
    Label2 = makeLabel("Line Thickness", "Label2");
    chkDeck = makeCheck("Deck", "chkDeck", true);
    chkHull = makeCheck("Hull", "chkHull", true);
    Check1 = makeCheck("Solid Panels", "Check1", true);
    Check2 = makeCheck("Wire Frame", "Check2", true);
    Check3 = makeCheck("Water", "Check3", false);
    CmdExit = new QPushButton("Close Window");
    CmdExit->setObjectName("CmdExit");
    Command1 = new QPushButton("Purchase Full Size Plans");
    Command1->setObjectName("Command1");

    auto* row = new QHBoxLayout(Frame1);
    column(row, {Label1, Slider1, Label3, SliderExplode});
    column(row, {chkDeck, chkHull});
    column(row, {Check1, Check2, Check3});
    column(row, {Label2, ThicknessSlider});
    column(row, {CmdExit, Command1});
    Frame1->resize(Frame1->sizeHint());
}

void frmRender::connectHandlers()
{
    connect(Picture1, &platform::Device3D::mouseDown, this, &frmRender::Picture1_MouseDown);
    connect(Picture1, &platform::Device3D::mouseMove, this, &frmRender::Picture1_MouseMove);
    connect(Picture1, &platform::Device3D::mouseUp, this, [this] { Picture1_MouseUp(); });
    connect(Slider1, &QSlider::valueChanged, this, &frmRender::requestFrame);
    connect(SliderExplode, &QSlider::valueChanged, this, &frmRender::SliderExplode_Change);
    connect(ThicknessSlider, &QSlider::valueChanged, this, &frmRender::ThicknessSlider_Change);
    for (QCheckBox* box : {chkDeck, chkHull, Check1, Check2, Check3})
        connect(box, &QCheckBox::toggled, this, &frmRender::requestFrame);
    connect(CmdExit, &QPushButton::clicked, this, &frmRender::CmdExit_Click);
    connect(Command1, &QPushButton::clicked, this, &frmRender::Command1_Click);
    connect(Picture1, &platform::Device3D::frameFailed, this, &frmRender::renderFailed);
}

// A window a little wider than tall.
void frmRender::layOut()
{
    const QScreen* s = screen();
    const int height = int(kHeightShare * (s ? s->geometry().height() : 0));
    layOutInside(platform::placeFrame(*this, QRect(x(), 0, int(kWidthPerHeight * height), height)).size());
}

// The square picture on top and the strip of controls centred under it.
void frmRender::layOutInside(QSize inner)
{
    const int side = std::max(0, inner.height() - Frame1->height());
    Picture1->setGeometry((inner.width() - side) / 2, 0, side, side);
    Frame1->move((inner.width() - Frame1->width()) / 2, side);
}

// The window manager's frame, learnt only once the window is shown, takes
// its share of the window: the picture and the strip follow, so the strip
// is never cut off at the bottom.
void frmRender::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutInside(size());
}

void frmRender::Form_Load()
{
    ended_ = false;
    atEdge(kLoadFailed, [this] { load(); });
}

void frmRender::load()
{
    ToggleScreenSaverActive(false);
    layOut();
    settings_.ExplodeDistance = SliderExplode->value() / kExplodeUnitsPerHull;
    show();
    settings_.LineThickness = ThicknessSlider->value() / kThicknessUnitsPerHull;
    const bool initialised = Initialise();
    if (ended_) return;  // a failure arrived while it yielded and has been reported
    if (!initialised) return endView(kNotInitialised);
    // A context without a device: the first frame would have nothing to draw with.
    if (!Picture1->isReady()) return endView(kLoadFailed);
    running_ = true;
    camera_ = OrbitCamera{};
    renderPass();
}

bool frmRender::Initialise()
{
    if (Picture1->open() == platform::Device3D::Opened::NoContext) {
        messages_.show(kInitialiseFailed);
        hide();
        return false;
    }
    // Without a device the lists are still built; the load handler finds it missing.
    platform::doEvents();
    view_ = startViewMatrix();
    return InitKayakVerts();
}

bool frmRender::InitKayakVerts() { return render3d::InitKayakVerts(design_, settings_, verts_); }

Vector3 frmRender::EyePoint() const { return eyePoint(camera_, zoomDistance(Slider1->value())); }

void frmRender::requestFrame()
{
    if (!running_ || passQueued_) return;
    passQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            passQueued_ = false;
            atEdge(kRenderFailed, [this] { renderPass(); });
        },
        Qt::QueuedConnection);
}

void frmRender::Picture1_MouseMove(double x, double y)
{
    drag_.move(x, y);
    if (drag_.OrbitDragging) requestFrame();
}

void frmRender::renderPass()
{
    if (!running_) return;
    camera_.follow(drag_);
    view_ = viewMatrix(camera_, zoomDistance(Slider1->value()));
    Render();
}

RenderSwitches frmRender::switches() const
{
    return {chkHull->isChecked(), chkDeck->isChecked(), Check1->isChecked(), Check2->isChecked(), Check3->isChecked()};
}

void frmRender::Render()
{
    if (!composeFrame(design_, verts_, switches(), frame_)) return renderFailed();
    platform::Frame3D f;
    f.clearColour = kClearColour;
    f.world = identityMatrix();
    f.view = view_;
    f.projection = projectionMatrix();
    f.layout = {kLitVertexStride, int(offsetof(LitVertex, X)), int(offsetof(LitVertex, Diffuse))};
    f.vertices = frame_.vertices.data();
    f.vertexCount = int(frame_.vertices.size());
    f.strips = frame_.strips;
    if (!Picture1->setFrame(f)) renderFailed();
}

void frmRender::renderFailed() { endView(kRenderFailed); }

// Asked once per opening, never waiting for the desktop.
void frmRender::ToggleScreenSaverActive(bool Active)
{
    if (Active) screenSaver_.release();
    else screenSaver_.inhibit();
}

void frmRender::atEdge(const char* message, const std::function<void()>& work)
{
    try {
        work();
    } catch (...) {
        endView(message);
    }
}

// Every way out ends here. The loop stops first, so nothing the message
// box lets run draws again or reports a second failure.
void frmRender::endView(const char* message)
{
    if (ended_) return;
    ended_ = true;
    running_ = false;
    if (message) messages_.show(message);
    hide();
    ToggleScreenSaverActive(true);
    Picture1->release();
}

void frmRender::unload() { endView(); }

void frmRender::rebuildLists()
{
    if (!running_) return;
    atEdge(kRenderFailed, [this] {
        if (!InitKayakVerts()) return renderFailed();
        requestFrame();
    });
}

void frmRender::SliderExplode_Change()
{
    settings_.ExplodeDistance = SliderExplode->value() / kExplodeUnitsPerHull;
    rebuildLists();
}

void frmRender::ThicknessSlider_Change()
{
    settings_.LineThickness = ThicknessSlider->value() / kThicknessUnitsPerHull;
    rebuildLists();
}

void frmRender::CmdExit_Click() { endView(); }

void frmRender::Command1_Click()
{
    endView();
    if (purchasePlans) purchasePlans();
}

void frmRender::closeEvent(QCloseEvent* event)
{
    CmdExit_Click();
    event->accept();
}

}  // namespace render3d
