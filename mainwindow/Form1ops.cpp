// The main window's public operations and its deferred rebuild and redraw.

#include "mainwindow/Form1.h"

#include "dialogs/frmInfo.h"
#include "dialogs/frmNew.h"
#include "model/document/messagebox.h"
#include "model/hull/maxbeam.h"
#include "model/hull/sections.h"
#include "model/hydrostatics/hydrostatics.h"
#include "model/hydrostatics/readout.h"
#include "platform/doevents.h"
#include "platform/windowplacement.h"
#include "views/drawscreens.h"
#include "views/drawwaterline.h"
#include "views/volumegraph.h"

#include <QCheckBox>
#include <QScreen>
#include <QScrollBar>

namespace mainwindow {

namespace {

void writeReadOut(dialogs::frmInfo& info, const std::vector<model::ControlText>& texts)
{
    for (const model::ControlText& t : texts)
        info.setControlText(QString::fromStdString(t.control), QString::fromStdString(t.text));
}

// A marker shows only for a box that is checked: a greyed one counts as clear.
bool ticked(const dialogs::frmInfo& info, const char* name)
{
    const QCheckBox* box = info.checkBox(name);
    return box && box->checkState() == Qt::Checked;
}

views::MarkerSwitches markerSwitches(const dialogs::frmInfo& info)
{
    return {ticked(info, "chkMidship"), ticked(info, "chkLCBVisible"), ticked(info, "chkLCFVisible"),
            ticked(info, "chkEntryHalfAngle"), ticked(info, "chkExitHalfAngle")};
}

}  // namespace

dialogs::frmInfo& Form1::info()
{
    if (!info_) {
        info_ = std::make_unique<dialogs::frmInfo>();
        info_->connectTo(this, &messages_);
        connect(info_.get(), &dialogs::frmInfo::closing, this, [this] { frmInfo_Closing(); });
    }
    return *info_;
}

dialogs::frmNew& Form1::wizard()
{
    if (!wizard_) {
        wizard_ = std::make_unique<dialogs::frmNew>();
        wizard_->connectTo(this, &info(), &messages_);
    }
    return *wizard_;
}

void Form1::GetCalculations()
{
    dialogs::frmInfo& w = info();
    const model::HydroInputs inputs{w.isChecked("chkAutoPositionCockpit"),
                                    w.controlText("txtStartMeasuredFrom").toStdString(),
                                    w.controlText("txtEndMeasuredFrom").toStdString()};
    model::Design& d = model::currentDesign();
    model::Hydrostatics& h = model::currentHydrostatics();
    if (!model::runHydrostatics(d, inputs, h)) return;
    views::drawVolumeGraph(*boxes.picVolumeDistributionGraph, h.volumeGraph, state_);
    writeReadOut(w, model::halfAngleReadOut(h));
    writeReadOut(w, model::designDataReadOut(d, h, MaxBeam()));
}

void Form1::makesections()
{
    model::makesections(model::currentDesign());
}

void Form1::drawscreens()
{
    if (info_) state_.markers = markerSwitches(*info_);
    views::drawscreens(model::currentDesign(), model::currentHydrostatics(), boxes, state_);
}

void Form1::DrawWaterline() { views::DrawWaterline(model::currentDesign(), *boxes.TopView); }

bool Form1::viewWaterLineChecked() const { return menu("ViewWaterLine").Checked(); }
bool Form1::viewDataChecked() const { return menu("ViewData").Checked(); }
void Form1::enableTimer1() { Timer1.setEnabled(true); }
double Form1::MaxBeam() const { return model::MaxBeam(model::currentDesign()); }

void Form1::focusInEvent(QFocusEvent* event)
{
    // Form_GotFocus: only when the window itself, not one of its controls,
    // takes the focus.
    QMainWindow::focusInEvent(event);
    guarded([this] {
        platform::doEvents();
        GetCalculations();
        makesections();
        drawscreens();
        enableTimer1();
    });
}

void Form1::Timer1_Timer()
{
    guarded([this] {
        GetCalculations();
        makesections();
        drawscreens();
    });
}

void Form1::Timer2_Timer()
{
    guarded([this] { drawscreens(); });
}

void Form1::ViewData_Click()
{
    if (!model::currentDesign().DesignLoaded) return;
    const QScreen* s = screen();
    const QRect screenRect = s ? s->availableGeometry() : QRect(0, 0, width(), height());
    dialogs::frmInfo& w = info();
    showNormal();
    if (w.isVisible()) {
        w.hide();
        menu("ViewData").setChecked(false);
        setOuterGeometry(screenRect);
    } else {
        w.show();
        menu("ViewData").setChecked(true);
        // The data window keeps its width; its frame adds the window manager's borders.
        const int infoWidth = platform::outerSize(w).width();
        platform::placeFrame(w, {screenRect.left(), screenRect.top(), infoWidth, screenRect.height()});
        setOuterGeometry({screenRect.left() + infoWidth, screenRect.top(), screenRect.width() - infoWidth,
                          screenRect.height()});
    }
    // The profile view's horizontal bar runs under the vertical one here.
    const Layout layout = currentLayout();
    ScrollBars right = layout.scrollBars[0];
    right.horizontal.width = layout.views[kRight].width;
    std::array<ScrollBars, 3> bars = layout.scrollBars;
    bars[0] = right;
    applyScrollBarLayout(bars);
    scrollBar("RightViewHScroll").raise();
    scrollBar("RightViewVScroll").raise();

    GetCalculations();
    if (viewWaterLineChecked()) DrawWaterline();
    enableTimer1();
}

// Closing the data window by its frame is View > Data unchecked: the check
// goes off and the main window takes the whole screen. When the program
// ends, the main window is going too and keeps its place.
void Form1::frmInfo_Closing()
{
    if (ending_ || !viewDataChecked()) return;
    guarded([this] { ViewData_Click(); });
}

}  // namespace mainwindow
