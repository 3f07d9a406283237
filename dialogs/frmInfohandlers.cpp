// The design-data window's apply buttons, switches and waterline search.

#include "dialogs/frmInfo.h"

#include "model/document/actionguard.h"
#include "model/document/messagebox.h"
#include "model/edits/cockpitedits.h"
#include "model/edits/hullresize.h"
#include "model/file/numbertext.h"
#include "model/file/textreading.h"
#include "model/hull/design.h"
#include "model/hull/floaterror.h"
#include "model/hydrostatics/rounding.h"
#include "model/hydrostatics/waterlinesearch.h"
#include "platform/doevents.h"
#include "platform/repaintpacer.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

namespace {

constexpr const char* kTooWideMessage = "Kayak width may not exceed 48\"";
constexpr const char* kThinnerMessage = "Kayak cannot be thinner than cockpit";
constexpr const char* kNoBeamMessage = "The kayak has no beam to scale from";
constexpr const char* kTooLargeMessage = "That number is too large to use; the previous value is kept";
constexpr int kWidthBoxDecimals = 3;

constexpr unsigned kR1toR6 = kR1GetCalculations | kR2makesections | kR3drawscreens | kR4DrawWaterline |
                             kR5detect | kR6Timer1;
constexpr unsigned kR1toR4R6 = kR1GetCalculations | kR2makesections | kR3drawscreens | kR4DrawWaterline |
                               kR6Timer1;

// Cockpit-2 controls that a one-cockpit design disables.
const char* const kSecondCockpitControls[] = {"txtPaddler2Weight", "Command13", "Command14", "Command15",
                                              "Command16", "txtCockpit2Width", "txtCockpit2Length",
                                              "txtCockpit2AfttoCG"};

QString plain(double value) { return QString::fromStdString(model::plainText(value)); }

model::Design& design() { return model::currentDesign(); }

}  // namespace

void frmInfo::connectTo(MainWindowOps* main, model::MessageBox* messages)
{
    main_ = main;
    messages_ = messages;
}

double frmInfo::boxValue(const QString& name) const
{
    return model::leadingNumber(textBox(name)->text().toStdString());
}

void frmInfo::rebuild(unsigned steps)
{
    if (steps & kR1GetCalculations) main_->GetCalculations();
    if (steps & kR2makesections) main_->makesections();
    if (steps & kR3drawscreens) main_->drawscreens();
    if ((steps & kR4DrawWaterline) && main_->viewWaterLineChecked()) main_->DrawWaterline();
    if ((steps & kR5detect) && isChecked("chkAutoDetect")) detect();
    if (steps & kR6Timer1) main_->enableTimer1();
}

void frmInfo::applyChange(const std::function<void()>& change)
{
    if (!main_) return;
    model::runRestoringOnError(change, [this](const model::FloatError&) {
        // The boxes go back to the values in force before anything is
        // rebuilt: the rebuild reads the measured-from boxes, and the text
        // that failed must not be read again.
        refillBoxes();
        if (messages_) messages_->show(kTooLargeMessage, model::MessageIcon::Exclamation);
        try {
            rebuild(kR1GetCalculations | kR2makesections | kR3drawscreens | kR4DrawWaterline);
        } catch (const model::FloatError&) {
            // The design as it was could not be rebuilt either: it and its
            // results are back, and the user has been told.
        }
    });
}

void frmInfo::applyValue(const QString& box, const std::function<void(double)>& store, unsigned steps,
                         bool marksChanged)
{
    applyChange([&] {
        store(boxValue(box));
        // Values the design file keeps are unsaved work until the next save.
        if (marksChanged) design().DesignChanged = true;
        rebuild(steps);
    });
}

void frmInfo::Form_Activate()
{
    platform::doEvents();
    const model::Design& d = design();
    const bool second = d.cockpitCount() != 1;
    for (const char* name : kSecondCockpitControls)
        if (auto* w = findChild<QWidget*>(name)) w->setEnabled(second);

    const model::Cockpit &c1 = d.Cockpits[1], &c2 = d.Cockpits[2];
    const model::Hydrostatics& h = model::currentHydrostatics();
    const double beam = main_ ? main_->MaxBeam() : 0;
    const std::pair<const char*, double> values[] = {
        {"txtKayakLength", d.HullLength},
        {"txtKayakWidth", model::roundTo(beam, kWidthBoxDecimals)},
        {"txtPaddlerWeight", d.PaddlerWeights[1]},
        {"txtPaddler2Weight", d.PaddlerWeights[2]},
        {"txtCargoWeight", d.CargoWeight},
        {"txtMaterialWeightPerSquareFoot", d.MaterialWeightPerSqFt},
        {"txtWaterLevel", d.WaterlineHeight},
        {"txtDistanceBetweenCockpits", c1.DistanceBetweenCockpits},
        {"txtCockpitAftToCG", c1.AftToCG},
        {"txtCockpitWidth", c1.Width},
        {"txtCockpitLength", c1.Length},
        {"txtCockpit2AfttoCG", c2.AftToCG},
        {"txtCockpit2Width", c2.Width},
        {"txtCockpit2Length", c2.Length},
        {"txtStartMeasuredFrom", h.EntryMeasuredFrom},
        {"txtEndMeasuredFrom", h.ExitMeasuredFrom},
    };
    for (const auto& [name, value] : values) textBox(name)->setText(plain(value));
}

void frmInfo::detect()
{
    model::Design& d = design();
    if (!d.DesignLoaded || detecting_ || !main_) return;
    detecting_ = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        // Passes come faster than the screen shows them: each one yields, its
        // picture is shown when the screen can take another.
        platform::RepaintPacer pacer;
        model::detect(d, model::currentHydrostatics(),
                      {[this] { main_->GetCalculations(); },
                       [this, &pacer] {
                           main_->drawscreens();
                           pacer.doEvents();
                       }});
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        detecting_ = false;
        throw;
    }
    main_->enableTimer1();
    QGuiApplication::restoreOverrideCursor();
    detecting_ = false;
}

void frmInfo::Command1_Click()
{
    if (!design().DesignLoaded) return;
    if (isChecked("chkAutoDetect")) checkBox("chkAutoDetect")->setChecked(false);
    applyValue("txtWaterLevel", [](double v) { design().WaterlineHeight = v; },
               kR1GetCalculations | kR3drawscreens | kR4DrawWaterline | kR6Timer1);
}

void frmInfo::Command5_Click()
{
    applyChange([&] {
        model::Design& d = design();
        const double n = boxValue("txtKayakLength");
        if (!model::lengthInRange(n) || !d.DesignLoaded || !model::stretchToLength(d, n)) {
            textBox("txtKayakLength")->setText(plain(d.HullLength));
            main_->enableTimer1();
            return;
        }
        d.DesignChanged = true;
        model::respaceRims(d);
        main_->GetCalculations();
        model::respaceRims(d);
        rebuild(kR1toR6);
    });
}

void frmInfo::Command10_Click()
{
    applyChange([&] {
        model::Design& d = design();
        const double w = boxValue("txtKayakWidth");
        const double beam = main_->MaxBeam();
        auto refuse = [&](const char* message) {
            if (messages_) messages_->show(message);
            textBox("txtKayakWidth")->setText(plain(beam));
        };
        switch (model::checkWidth(d, w)) {
        case model::WidthCheck::TooWide: refuse(kTooWideMessage); return;
        case model::WidthCheck::ThinnerThanCockpit:
            refuse(kThinnerMessage);
            main_->enableTimer1();
            return;
        case model::WidthCheck::Accepted: break;
        }
        // The beam is measured from the hull now, never taken from a redraw
        // that may not have run; a hull without beam cannot be scaled.
        if (!model::scaleToBeam(d, w, beam)) {
            refuse(kNoBeamMessage);
            return;
        }
        d.DesignChanged = true;
        rebuild(kR1toR6);
    });
}

void frmInfo::cockpitLength_Click(int cockpit, const QString& box)
{
    model::Design& d = design();
    if (!d.DesignLoaded || d.cockpitCount() == 0) return;
    applyChange([&] {
        d.Cockpits[cockpit].Length = boxValue(box);
        d.DesignChanged = true;
        model::respaceRims(d);
        main_->GetCalculations();
        model::respaceRims(d);
        rebuild(kR1toR4R6);
    });
}

void frmInfo::cockpitWidth_Click(int cockpit, const QString& box)
{
    model::Design& d = design();
    if (!d.DesignLoaded || d.cockpitCount() == 0) return;
    applyValue(box,
               [cockpit](double v) {
                   design().Cockpits[cockpit].Width = v;
                   model::setRimHalfWidth(design(), cockpit);
               },
               kR1toR4R6);
}

void frmInfo::markerSwitch_Click()
{
    if (!main_) return;
    applyChange([&] { rebuild(kR1GetCalculations | kR3drawscreens | kR4DrawWaterline | kR6Timer1); });
}

void frmInfo::connectHandlers()
{
    auto onClick = [this](const char* name, auto handler) {
        connect(button(name), &QPushButton::clicked, this, handler);
    };
    auto weight = [this](const QString& box, auto store) {
        if (!design().DesignLoaded) return;
        applyValue(box, store, kR1toR6);
    };
    auto measuredFrom = [this](const QString& box, double model::Hydrostatics::*field) {
        if (!design().DesignLoaded) return;
        applyValue(box, [field](double v) { model::currentHydrostatics().*field = v; }, kR1toR4R6, false);
    };
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [=] { weight("txtPaddlerWeight", [](double v) { design().PaddlerWeights[1] = v; }); });
    onClick("Command13", [=] { weight("txtPaddler2Weight", [](double v) { design().PaddlerWeights[2] = v; }); });
    onClick("Command3", [=] { weight("txtCargoWeight", [](double v) { design().CargoWeight = v; }); });
    onClick("Command4",
            [=] { weight("txtMaterialWeightPerSquareFoot", [](double v) { design().MaterialWeightPerSqFt = v; }); });
    onClick("Command6", [=] { measuredFrom("txtStartMeasuredFrom", &model::Hydrostatics::EntryMeasuredFrom); });
    onClick("Command11", [=] { measuredFrom("txtEndMeasuredFrom", &model::Hydrostatics::ExitMeasuredFrom); });
    onClick("Command5", [this] { Command5_Click(); });
    onClick("Command10", [this] { Command10_Click(); });
    onClick("Command7", [this] { cockpitLength_Click(1, "txtCockpitLength"); });
    onClick("Command14", [this] { cockpitLength_Click(2, "txtCockpit2Length"); });
    onClick("Command8", [this] { cockpitWidth_Click(1, "txtCockpitWidth"); });
    onClick("Command15", [this] { cockpitWidth_Click(2, "txtCockpit2Width"); });
    onClick("Command9", [this] {
        applyValue("txtCockpitAftToCG", [](double v) { design().Cockpits[1].AftToCG = v; }, kR1toR4R6);
    });
    onClick("Command16", [this] {
        applyValue("txtCockpit2AfttoCG", [](double v) { design().Cockpits[2].AftToCG = v; }, kR1toR4R6);
    });
    onClick("Command12", [this] {
        if (design().cockpitCount() == 0) return;
        applyValue("txtDistanceBetweenCockpits",
                   [](double v) { design().Cockpits[1].DistanceBetweenCockpits = v; }, kR1toR4R6);
    });
    onClick("cmdDetect", [this] { applyChange([this] { detect(); }); });

    // A change of value, by the user or by code, runs the switch's handler.
    connect(checkBox("chkAutoDetect"), &QCheckBox::toggled, this, [this](bool on) {
        if (on) applyChange([this] { detect(); });
    });
    for (const char* name : {"chkAutoPositionCockpit", "chkLCBVisible", "chkLCFVisible", "chkMidship"})
        connect(checkBox(name), &QCheckBox::toggled, this, [this] { markerSwitch_Click(); });
    for (const char* name : {"chkEntryHalfAngle", "chkExitHalfAngle"})
        connect(checkBox(name), &QCheckBox::toggled, this, [this] { applyChange([this] { main_->drawscreens(); }); });
}

}  // namespace dialogs
