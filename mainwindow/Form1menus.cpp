// The main window's menu and scroll-bar handlers.

#include "mainwindow/Form1.h"

#include "dialogs/frmInfo.h"
#include "dialogs/frmNew.h"
#include "model/document/document.h"
#include "model/hull/sections.h"
#include "model/hydrostatics/hydrostatics.h"
#include "platform/doevents.h"
#include "platform/windowplacement.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace mainwindow {

namespace {

struct ZoomItem {
    const char* name;
    double factor;
    bool laysOutBars;
};
constexpr ZoomItem kZoomItems[] = {
    {"x5", 0.5, false}, {"x75", 0.75, false}, {"x1", 1, false}, {"x2", 2, true}, {"x4", 4, true},
};
constexpr const char* kInchSign = "\"";

model::Design& design() { return model::currentDesign(); }

}  // namespace

void Form1::connectMenus()
{
    auto on = [this](const char* name, std::function<void()> handler) {
        menu(name).setOnClick([this, handler] { guarded(handler); });
    };
    on("New", [this] { New_Click(); });
    on("Open", [this] { Open_Click(); });
    on("Save", [this] { Save_Click(); });
    on("SaveAs", [this] { SaveAs_Click(); });
    on("Exit", [this] { Exit_Click(); });
    on("AddBulkhead", [this] { AddBulkhead_Click(); });
    on("RemoveBulkhead", [this] { RemoveBulkhead_Click(); });
    on("PreviewPanels", [this] { PreviewPanels_Click(); });
    on("BuyPlans", [this] { BuyPlans_Click(); });
    on("BuyModel", [this] { BuyModel_Click(); });
    on("ViewData", [this] { ViewData_Click(); });
    on("preferences", [this] { preferences_Click(); });
    on("ViewDragCurves", [this] { ViewDragCurves_Click(); });
    on("About", [this] { About_Click(); });
    on("HWB", [this] { HWB_Click(); });
    on("ViewWaterLine", [this] { ViewWaterLine_Click(); });
    on("Render3D", [this] { Render3D_Click(); });
    on("Wireframe", [this] { setDrawMode(false); });
    on("Solid", [this] { setDrawMode(true); });
    for (const ZoomItem& z : kZoomItems)
        on(z.name, [this, z] { setZoom(z.name, z.factor, z.laysOutBars); });
}

void Form1::writeStationText()
{
    Text1->setText(QString::number(design().CurrentStation) + kInchSign);
}

void Form1::showStationRow()
{
    Command1->setVisible(true);
    Command2->setVisible(true);
    Text1->setVisible(true);
}

void Form1::resetToZoomOne()
{
    state_.ZoomFactor = 1.0;
    for (const ZoomItem& z : kZoomItems) menu(z.name).setChecked(z.factor == 1);
}

void Form1::setZoom(const char* item, double factor, bool layOutBars)
{
    if (!design().DesignLoaded) return;
    for (const ZoomItem& z : kZoomItems) menu(z.name).setChecked(std::string_view(z.name) == item);
    if (layOutBars) applyScrollBarLayout(currentLayout().scrollBars);
    state_.ZoomFactor = factor;
    drawscreens();
    GetCalculations();
    enableTimer1();
}

void Form1::setDrawMode(bool solid)
{
    if (!design().DesignLoaded) return;
    menu("Wireframe").setChecked(!solid);
    menu("Solid").setChecked(solid);
    state_.Solid = solid;
    enableTimer1();
}

void Form1::ViewWaterLine_Click()
{
    if (!design().DesignLoaded) return;
    platform::MenuItem& item = menu("ViewWaterLine");
    item.setChecked(!item.Checked());
    state_.ViewWaterLine = item.Checked();
    if (item.Checked()) DrawWaterline();
    else drawscreens();
    enableTimer1();
}

void Form1::scrollChange(views::ScrollBar& bar, int value)
{
    bar.Value = value;
    guarded([this] {
        platform::doEvents();
        drawscreens();
        Timer2.setEnabled(true);
    });
}

void Form1::scrollScroll(views::ScrollBar& bar, int value)
{
    bar.Value = value;
    guarded([this] { drawscreens(); });
}

void Form1::AddBulkhead_Click()
{
    if (!design().DesignLoaded) return;
    model::addBulkhead(design());
    drawscreens();
}

void Form1::RemoveBulkhead_Click()
{
    if (!design().DesignLoaded) return;
    model::removeBulkhead(design());
    drawscreens();
}

void Form1::New_Click()
{
    // Unsaved work is offered for saving before the wizard starts; the
    // document itself is reset only when the wizard's OK succeeds.
    if (!offerToSave()) return;
    dialogs::frmNew& w = wizard();
    w.ProgressBar1->setValue(0);
    // The wizard stays in front of the main window it disables, centred on
    // it. It is not the main window's child: disabling would disable it too.
    w.adjustSize();
    platform::centreOver(w, *this);
    w.show();
    setEnabled(false);
}

void Form1::resetForNewDesign()
{
    resetToZoomOne();
    menu("ViewWaterLine").setChecked(false);
    state_.ViewWaterLine = false;
    design().CurrentStation = 0;
    writeStationText();
    setWindowTitle(QString::fromStdString(model::windowCaption(model::Design{})));
}

void Form1::setMainWindowEnabled(bool enabled) { setEnabled(enabled); }

void Form1::Open_Click()
{
    // Unsaved work is offered for saving before anything is reset, so a
    // Cancel leaves the window exactly as it was.
    if (!offerToSave()) return;
    resetToZoomOne();
    design().CurveStep = model::kDefaultCurveStep;
    if (menu("ViewData").Checked()) {
        menu("ViewData").setChecked(false);
        ViewData_Click();
    }
    // A file whose hull cannot be calculated is refused like a corrupt one.
    const auto check = [this](model::Design& fresh) {
        model::makesections(fresh);
        model::Hydrostatics scratch;
        const model::HydroInputs inputs{info().isChecked("chkAutoPositionCockpit"),
                                        info().controlText("txtStartMeasuredFrom").toStdString(),
                                        info().controlText("txtEndMeasuredFrom").toStdString()};
        model::runHydrostatics(fresh, inputs, scratch);
    };
    const model::DocumentResult result = model::openDocument(design(), dialogs_, messages_, check);
    if (result.done()) {
        design().CurrentStation = 0;
        menu("ViewWaterLine").setChecked(false);
        state_.ViewWaterLine = false;
        model::currentHydrostatics().LCBPosition = 0;
        writeStationText();
        setWindowTitle(QString::fromStdString(result.caption));
        // The file is open whatever its first rebuild does: an error there
        // goes back to the design as opened, not to the one before.
        guarded([this] {
            GetCalculations();
            makesections();
            drawscreens();
            platform::doEvents();
            GetCalculations();
            enableTimer1();
        });
    }
    if (design().DesignLoaded) showStationRow();
}

bool Form1::offerToSave()
{
    if (!design().DesignChanged || !design().DesignLoaded) return true;
    switch (messages_.ask("Do you wish to save your work?", model::MessageButtons::YesNoCancel,
                          model::MessageIcon::None)) {
    case model::MessageAnswer::Cancel: return false;
    case model::MessageAnswer::Yes: return Save_Click();
    default: return true;
    }
}

bool Form1::afterSave(const model::DocumentResult& result)
{
    if (!result.done()) return false;
    setWindowTitle(QString::fromStdString(result.caption));
    // Saved is saved: a rebuild that fails after it does not undo it.
    guarded([this] {
        makesections();
        drawscreens();
        GetCalculations();
    });
    return true;
}

bool Form1::Save_Click() { return afterSave(model::saveDocument(design(), dialogs_, messages_, saver_)); }

bool Form1::SaveAs_Click() { return afterSave(model::saveDocumentAs(design(), dialogs_, messages_, saver_)); }

bool Form1::confirmEnd()
{
    bool mayEnd = false;
    guarded([&] { mayEnd = model::confirmEnd(design(), dialogs_, messages_, saver_); });
    // After Yes the caption may have changed; keep it in step.
    if (!design().FileName.empty()) setWindowTitle(QString::fromStdString(model::windowCaption(design())));
    return mayEnd;
}

void Form1::Exit_Click()
{
    if (confirmEnd()) EndProgram();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (ending_ || confirmEnd()) {
        event->accept();
        EndProgram();
    } else {
        event->ignore();
    }
}

void Form1::EndProgram()
{
    if (ending_) return;
    ending_ = true;
    platform::doEvents();
    endProgram();
}

}  // namespace mainwindow
