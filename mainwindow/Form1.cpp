#include "mainwindow/Form1.h"

#include "dialogs/frmFriction.h"
#include "dialogs/frmInfo.h"
#include "dialogs/frmNew.h"
#include "dialogs/frmPreferences.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/menutree.h"
#include "model/document/actionguard.h"
#include "model/document/messagebox.h"
#include "model/hull/design.h"
#include "model/hull/floaterror.h"
#include "model/hydrostatics/hydrostatics.h"
#include "ordering/frmPurchase.h"
#include "platform/doevents.h"
#include "platform/transfer.h"
#include "platform/twips.h"
#include "platform/windowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

namespace mainwindow {

namespace {

constexpr int kTimerIntervalMs = 100;
constexpr const char* kStartCaption = " Quillock ";
constexpr float kStartHeightShare = 0.975f;
constexpr double kStitchMarkLength = 0.25;  // inches
constexpr int kScrollMax = 100;
constexpr const char* kCalculationFailed = "The hull could not be calculated: ";

int toPixels(double twips, double perPixel) { return int(std::lround(twips / perPixel)); }

QRect pixelRect(const Rect& r, double perPixel)
{
    return {toPixels(r.left, perPixel), toPixels(r.top, perPixel), toPixels(r.width, perPixel),
            toPixels(r.height, perPixel)};
}

}  // namespace

Form1::Form1(model::MessageBox& messages, model::FileDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      Timer1(kTimerIntervalMs, [this] { Timer1_Timer(); }),
      Timer2(kTimerIntervalMs, [this] { Timer2_Timer(); }),
      messages_(messages),
      dialogs_(dialogs)
{
    setObjectName("Form1");
    setWindowTitle(kStartCaption);
    endProgram = [] { QApplication::exit(0); };
    setCentralWidget(new QWidget);
    createViews();
    createScrollBars();
    menu_ = buildMenus(menuBar());
    connectMenus();
    connectMouse();
    state_.scrollBarsSet = [this](const views::DrawingState& s) { showScrollBarState(s); };
    Form_Load();
}

Form1::~Form1() = default;

double Form1::twipsPerPixel() const { return platform::twipsPerPixel(*this); }

void Form1::createViews()
{
    QWidget* client = centralWidget();
    auto make = [client](const char* name) {
        auto* box = new platform::PictureBox(client);
        box->setObjectName(name);
        return box;
    };
    boxes.RightView = make("RightView");
    boxes.TopView = make("TopView");
    boxes.BottomView = make("BottomView");
    boxes.FrontView = make("FrontView");
    boxes.SectionEdit = make("SectionEdit");
    boxes.picVolumeDistributionGraph = make("picVolumeDistributionGraph");

    Command2 = new QPushButton("<", client);
    Command2->setObjectName("Command2");
    Command1 = new QPushButton(">", client);
    Command1->setObjectName("Command1");
    Text1 = new QLineEdit(client);
    Text1->setObjectName("Text1");
}

void Form1::createScrollBars()
{
    struct BarSpec {
        const char* name;
        Qt::Orientation orientation;
        views::ScrollBar views::DrawingState::*bar;
    };
    const BarSpec specs[] = {
        {"RightViewVScroll", Qt::Vertical, &views::DrawingState::RightViewVScroll},
        {"RightViewHScroll", Qt::Horizontal, &views::DrawingState::RightViewHScroll},
        {"TopViewVScroll", Qt::Vertical, &views::DrawingState::TopViewVScroll},
        {"TopviewHScroll", Qt::Horizontal, &views::DrawingState::TopviewHScroll},
        {"BottomViewVScroll", Qt::Vertical, &views::DrawingState::BottomViewVScroll},
        {"BottomViewHScroll", Qt::Horizontal, &views::DrawingState::BottomViewHScroll},
    };
    for (const BarSpec& spec : specs) {
        auto* bar = new QScrollBar(spec.orientation, centralWidget());
        bar->setObjectName(spec.name);
        bar->setRange(0, kScrollMax);
        // Change comes once the thumb is let go; Scroll while it is dragged.
        bar->setTracking(false);
        bar->hide();
        views::ScrollBar& state = state_.*spec.bar;
        state.Max = kScrollMax;
        connect(bar, &QScrollBar::valueChanged, this, [this, &state](int v) { scrollChange(state, v); });
        connect(bar, &QScrollBar::sliderMoved, this, [this, &state](int v) { scrollScroll(state, v); });
        // Letting the thumb go is a change too. The redraws while it moved
        // already set the value to its position, so Qt reports no change then.
        connect(bar, &QScrollBar::sliderReleased, this, [this, bar, &state] {
            {
                const QSignalBlocker quiet(bar);
                bar->setValue(bar->sliderPosition());
            }
            scrollChange(state, bar->value());
        });
        scrollBars_.insert(spec.name, bar);
    }
}

QScrollBar& Form1::scrollBar(const QString& name) const { return *scrollBars_.value(name); }

void Form1::Form_Load()
{
    state_.ZoomFactor = 1.0;
    menu("x1").setChecked(true);
    menu("Wireframe").setChecked(false);
    menu("Solid").setChecked(true);
    state_.Solid = true;

    if (const QScreen* s = screen()) {
        const QRect screenRect = s->availableGeometry();
        winId();  // some platforms know the frame's widths once the window exists
        setOuterGeometry({screenRect.left(), screenRect.top(), screenRect.width(),
                          int(float(screenRect.height()) * kStartHeightShare)});
    }
    // The views are laid out on the client area the window really has, not
    // on the size its parts had before the window was first shown.
    if (QLayout* l = layout()) l->activate();
    const Layout layout = currentLayout();
    applyLayout(layout, false);

    model::currentDesign().CurrentStation = 0;
    writeStationText();
    model::currentHydrostatics().EntryMeasuredFrom = model::kDefaultMeasuredFrom;
    model::currentHydrostatics().ExitMeasuredFrom = model::kDefaultMeasuredFrom;
    model::currentDesign().StitchMarkLength = kStitchMarkLength;
    state_.ViewExtents = defaultViewExtents(layout.views, model::currentDesign().HullLength);
}

void Form1::setOuterGeometry(QRect outer) { platform::placeFrame(*this, outer); }

Layout Form1::currentLayout() const
{
    const double perPixel = twipsPerPixel();
    const QSize client = centralWidget()->size();
    // The station row keeps the sizes it was defined with (ControlSizes).
    ControlSizes sizes;
    sizes.scrollThickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent) * perPixel;
    return layOut(client.width() * perPixel, client.height() * perPixel, sizes);
}

void Form1::applyLayout(const Layout& layout, bool showStationRow)
{
    const double perPixel = twipsPerPixel();
    for (int v = 0; v < kViewCount; ++v) boxes.box(v + 1).setGeometry(pixelRect(layout.views[v], perPixel));
    boxes.picVolumeDistributionGraph->show();
    Command2->setGeometry(pixelRect(layout.command2, perPixel));
    Text1->setGeometry(pixelRect(layout.text1, perPixel));
    Command1->setGeometry(pixelRect(layout.command1, perPixel));
    for (QWidget* w : {static_cast<QWidget*>(Command2), static_cast<QWidget*>(Text1), static_cast<QWidget*>(Command1)}) {
        w->setVisible(showStationRow);
        w->raise();
    }
    applyScrollBarLayout(layout.scrollBars);
}

void Form1::applyScrollBarLayout(const std::array<ScrollBars, 3>& bars)
{
    const double perPixel = twipsPerPixel();
    const char* names[3][2] = {{"RightViewVScroll", "RightViewHScroll"},
                               {"TopViewVScroll", "TopviewHScroll"},
                               {"BottomViewVScroll", "BottomViewHScroll"}};
    for (int v = 0; v < 3; ++v) {
        QScrollBar& vertical = scrollBar(names[v][0]);
        QScrollBar& horizontal = scrollBar(names[v][1]);
        vertical.raise();
        horizontal.raise();
        vertical.setGeometry(pixelRect(bars[v].vertical, perPixel));
        horizontal.setGeometry(pixelRect(bars[v].horizontal, perPixel));
    }
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    guarded([this] { Form_Resize(); });
}

// Minimising and restoring change no size Qt reports, but they lay out too.
void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) guarded([this] { Form_Resize(); });
}

// A resize that comes in during the yield of the one running is laid out
// once that one is done, so the views end at the window's last size.
void Form1::Form_Resize()
{
    if (resizing_) {
        resizePending_ = true;
        return;
    }
    resizing_ = true;
    const auto done = qScopeGuard([this] { resizing_ = false; });
    do {
        resizePending_ = false;
        layOutForSize();
    } while (resizePending_);
}

void Form1::layOutForSize()
{
    const double outerHeight = platform::outerFrame(*this).height() * twipsPerPixel();
    state_.FormTooSmall = outerHeight < kMinimumHeight;
    if (state_.FormTooSmall) return;
    const model::Design& d = model::currentDesign();
    const Layout layout = currentLayout();
    if (!isMinimized()) applyLayout(layout, d.DesignLoaded);
    else applyScrollBarLayout(layout.scrollBars);
    if (d.DesignLoaded) {
        platform::doEvents();
        GetCalculations();
        makesections();
        drawscreens();
        enableTimer1();
    }
}

void Form1::showScrollBarState(const views::DrawingState& s)
{
    const std::pair<const char*, const views::ScrollBar*> bars[] = {
        {"RightViewHScroll", &s.RightViewHScroll}, {"RightViewVScroll", &s.RightViewVScroll},
        {"TopviewHScroll", &s.TopviewHScroll},     {"TopViewVScroll", &s.TopViewVScroll},
        {"BottomViewHScroll", &s.BottomViewHScroll}, {"BottomViewVScroll", &s.BottomViewVScroll},
    };
    for (const auto& [name, state] : bars) {
        QScrollBar& bar = scrollBar(name);
        // Setting a bar from inside the redraw must not run its change handler.
        const QSignalBlocker quiet(&bar);
        bar.setValue(state->Value);
        bar.setVisible(state->Visible);
    }
}

void Form1::guarded(const std::function<void()>& handler)
{
    model::runRestoringOnError(handler, [this](const model::FloatError& e) {
        // The views show the design as it is again before the message does.
        try {
            drawscreens();
        } catch (const model::FloatError&) {
            // The old design cannot be drawn either; the message says why.
        }
        messages_.show(std::string(kCalculationFailed) + e.what(), model::MessageIcon::Exclamation);
    });
}

}  // namespace mainwindow
