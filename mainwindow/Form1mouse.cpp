// The main window's mouse handlers: picking and dragging in the three long
// views, presses and the cursor read-out of the small views, and the
// read-out reset over the window's background.

#include "mainwindow/Form1.h"

#include "dialogs/frmInfo.h"
#include "model/file/numbertext.h"
#include "model/hydrostatics/inchtext.h"

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>

namespace mainwindow {

namespace {

model::Design& design() { return model::currentDesign(); }

constexpr const char* kZeroReadOut = "0\"";

}  // namespace

void Form1::connectMouse()
{
    using platform::PictureBox;
    using Handler = void (Form1::*)(float, float);
    struct Events {
        PictureBox* box;
        Handler down, move, up;
    };
    const Events events[] = {
        {boxes.RightView, &Form1::RightView_MouseDown, &Form1::RightView_MouseMove, &Form1::RightView_MouseUp},
        {boxes.TopView, &Form1::TopView_MouseDown, &Form1::TopView_MouseMove, &Form1::TopView_MouseUp},
        {boxes.BottomView, &Form1::BottomView_MouseDown, &Form1::BottomView_MouseMove, &Form1::BottomView_MouseUp},
        {boxes.FrontView, &Form1::FrontView_MouseDown, &Form1::FrontView_MouseMove, nullptr},
        {boxes.SectionEdit, &Form1::SectionEdit_MouseDown, &Form1::SectionEdit_MouseMove, nullptr},
        {boxes.picVolumeDistributionGraph, &Form1::picVolumeDistributionGraph_MouseDown, nullptr, nullptr},
    };
    // The views' handlers read the position alone: which button or keys are
    // held changes nothing, so those arguments end here.
    const auto at = [this](Handler h, float x, float y) { guarded([&] { (this->*h)(x, y); }); };
    for (const Events& e : events) {
        const Handler down = e.down, move = e.move, up = e.up;
        if (down)
            connect(e.box, &PictureBox::mouseDown, this,
                    [at, down](Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) { at(down, x, y); });
        if (move)
            connect(e.box, &PictureBox::mouseMove, this,
                    [at, move](Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) { at(move, x, y); });
        if (up)
            connect(e.box, &PictureBox::mouseUp, this,
                    [at, up](Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) { at(up, x, y); });
    }
    connect(Command1, &QPushButton::clicked, this, [this] { guarded([this] { Command1_Click(); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { guarded([this] { Command2_Click(); }); });
    // Moves over the background, outside every view, reset the read-out.
    centralWidget()->setMouseTracking(true);
    centralWidget()->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::MouseMove) guarded([this] { Form_MouseMove(); });
    return QMainWindow::eventFilter(watched, event);
}

void Form1::RightView_MouseDown(float X, float Y)
{
    state_.ActiveView = views::kActiveRight;
    drag_.pressProfile(design(), {X, Y}, state_.ZoomFactor, state_.ViewExtents[views::kRightView].XMax);
}

void Form1::RightView_MouseMove(float X, float Y)
{
    // The profile shows where the mouse is even without a design.
    showCursor(X, Y);
    followMouse(model::Plane::XY, X, Y);
}

void Form1::RightView_MouseUp(float, float) { dropDrag(model::Plane::XY); }

void Form1::TopView_MouseDown(float X, float Y) { planPress(model::PlanView::Top, views::kActiveTop, X, Y); }
void Form1::TopView_MouseMove(float X, float Y) { followMouse(model::Plane::XZ, X, Y); }
void Form1::TopView_MouseUp(float, float) { dropDrag(model::Plane::XZ); }

void Form1::BottomView_MouseDown(float X, float Y) { planPress(model::PlanView::Bottom, views::kActiveBottom, X, Y); }
void Form1::BottomView_MouseMove(float X, float Y) { followMouse(model::Plane::XZ, X, Y); }
void Form1::BottomView_MouseUp(float, float) { dropDrag(model::Plane::XZ); }

void Form1::planPress(model::PlanView view, std::int16_t active, float x, float y)
{
    state_.ActiveView = active;
    drag_.pressPlan(design(), view, {x, y}, state_.ZoomFactor);
}

void Form1::followMouse(model::Plane plane, float x, float y)
{
    const model::MoveOutcome outcome = drag_.move(design(), plane, {x, y});
    if (plane == model::Plane::XZ && design().DesignLoaded) showCursor(x, y);
    switch (outcome) {
    case model::MoveOutcome::None: break;
    case model::MoveOutcome::WaterlineMoved:
        info().setControlText("txtWaterLevel", QString::fromStdString(model::plainText(design().WaterlineHeight)));
        drawscreens();
        break;
    case model::MoveOutcome::ShapeMoved:
        // The hydrostatics wait for the release: a move only rebuilds and redraws.
        makesections();
        drawscreens();
        break;
    }
}

void Form1::dropDrag(model::Plane plane)
{
    const model::ReleaseOutcome outcome = drag_.release(design(), plane);
    if (!outcome.rebuild) return;
    state_.DrawMin = design().HullMin;
    state_.DrawMax = design().HullMax;
    // Unchecking starts no search: the waterline stays where it is.
    if (outcome.clearAutoDetect) info().checkBox("chkAutoDetect")->setChecked(false);
    GetCalculations();
    makesections();
    drawscreens();
    enableTimer1();
}

void Form1::showCursor(float x, float y)
{
    dialogs::frmInfo& w = info();
    w.setControlText("txtX", QString::fromStdString(model::inchText(x)));
    w.setControlText("txtY", QString::fromStdString(model::inchText(y)));
}

void Form1::FrontView_MouseDown(float, float) { smallViewPress(views::kActiveFront); }
void Form1::FrontView_MouseMove(float X, float Y) { showCursor(X, Y); }
void Form1::SectionEdit_MouseDown(float, float) { smallViewPress(views::kActiveSection); }
void Form1::SectionEdit_MouseMove(float X, float Y) { showCursor(X, Y); }
void Form1::picVolumeDistributionGraph_MouseDown(float, float) { smallViewPress(views::kActiveGraph); }

void Form1::smallViewPress(std::int16_t active)
{
    // The long views' handles go at this redraw.
    state_.ActiveView = active;
    drawscreens();
    if (viewWaterLineChecked()) DrawWaterline();
}

void Form1::Form_MouseMove()
{
    dialogs::frmInfo& w = info();
    w.setControlText("txtX", kZeroReadOut);
    w.setControlText("txtY", kZeroReadOut);
}

}  // namespace mainwindow
