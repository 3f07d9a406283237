// The wizard's OK and Cancel: the checks of its boxes, then a new design
// read from a template, stretched to the chosen length and beam, with its
// cockpits shaped and everything rebuilt.

#include "dialogs/frmInfo.h"
#include "dialogs/frmNew.h"

#include "model/document/actionguard.h"
#include "model/document/document.h"
#include "model/document/messagebox.h"
#include "model/edits/cockpitedits.h"
#include "model/edits/hullresize.h"
#include "model/edits/newdesign.h"
#include "model/edits/wizardchecks.h"
#include "model/file/designreader.h"
#include "model/file/textfile.h"
#include "model/file/textreading.h"
#include "model/hull/design.h"
#include "model/hull/floaterror.h"
#include "model/hull/maxbeam.h"
#include "model/hydrostatics/hydrostatics.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

namespace dialogs {

namespace {

constexpr int kDoubleTab = 1;
constexpr std::uintmax_t kMaxTemplateBytes = 1 << 20;
constexpr const char* kCalculationFailed = "The new design could not be calculated: ";
constexpr const char* kCalculationFailedKept = "The new design could not be calculated; the open design is kept: ";
constexpr const char* kNoBeamMessage = "The template has no beam to scale: ";
constexpr const char* kTemplateMessage = "Could not read the template design: ";

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

void frmNew::connectTo(MainWindowOps* main, frmInfo* info, model::MessageBox* messages)
{
    main_ = main;
    info_ = info;
    messages_ = messages;
}

void frmNew::tell(const std::string& message)
{
    if (messages_) messages_->show(message);
}

void frmNew::progress(int value) { ProgressBar1->setValue(value); }

QString frmNew::templateName() const
{
    if (SSTab1->currentIndex() == kDoubleTab) return "tqlk";
    if (opt4hullpan->isChecked()) return "kqlk22";
    if (opt8hullpan->isChecked()) return "kqlk42";
    return "kqlk32";
}

std::optional<std::string> frmNew::checkBoxes() const
{
    if (SSTab1->currentIndex() == kDoubleTab)
        return model::checkDoubleCockpit(
            {text(txtBeam), text(textBox("txtPaddler1Weight")), text(textBox("txtCockpit1Length")),
             text(textBox("txtCockpit1Width")), text(textBox("txtCockpit1AftTocenterofgravity")),
             text(textBox("txtPaddler2Weight")), text(textBox("txtCockpit2Length")),
             text(textBox("txtCockpit2Width")), text(textBox("txtCockpit2Afttocenterofgravity"))});
    return model::checkSingleCockpit({text(txtBeam), text(textBox("txtPaddlerWeight")),
                                      text(textBox("txtCockpitLength")), text(textBox("txtCockpitWidth")),
                                      text(textBox("txtCockpitAftToCG"))});
}

bool frmNew::readInputs()
{
    Inputs in;
    std::string refused;  // the first box whose text cannot be used
    auto lead = [&](const char* name) {
        try {
            return refused.empty() ? model::leadingNumber(text(textBox(name))) : 0.0;
        } catch (const model::FloatError&) {
            refused = name;
            return 0.0;
        }
    };
    auto strict = [&](const char* name) {
        const std::optional<double> value = model::strictNumber(text(textBox(name)));
        if (!value && refused.empty()) refused = name;
        return value.value_or(0.0);
    };
    in.length = lead("txtLength");
    // The length divides every height and breadth: only the slider's range is sound.
    if (refused.empty() && !(in.length >= SliderLength->minimum() && in.length <= SliderLength->maximum()))
        refused = "txtLength";
    in.beam = lead("txtBeam");
    if (SSTab1->currentIndex() == kDoubleTab) {
        in.weight1 = lead("txtPaddler1Weight");
        in.length1 = lead("txtCockpit1Length");
        in.width1 = lead("txtCockpit1Width");
        in.aft1 = lead("txtCockpit1AftTocenterofgravity");
        in.weight2 = lead("txtPaddler2Weight");
        in.length2 = lead("txtCockpit2Length");
        in.width2 = lead("txtCockpit2Width");
        in.aft2 = lead("txtCockpit2Afttocenterofgravity");
        in.distance = lead("txtDistanceBetweenCockpits");
    } else {
        in.weight1 = in.weight2 = strict("txtPaddlerWeight");
        in.length1 = strict("txtCockpitLength");
        in.width1 = strict("txtCockpitWidth");
        in.aft1 = strict("txtCockpitAftToCG");
    }
    if (!refused.empty()) {
        tell(model::requestFor(refused));
        return false;
    }
    inputs_ = in;
    return true;
}

std::optional<model::Design> frmNew::readTemplate()
{
    const QString path = QDir(templateFolder).filePath(templateName());
    const auto paddlers = SSTab1->currentIndex() == kDoubleTab ? model::PaddlerRows::One : model::PaddlerRows::Two;
    const std::optional<std::string> contents = model::readTextFile(path.toStdString(), kMaxTemplateBytes);
    model::DesignRead read;
    if (contents) read = model::readTemplateText(*contents, paddlers);
    if (!read.design) {
        tell(kTemplateMessage + path.toStdString());
        return std::nullopt;
    }
    // Stretched to the new length the template must still have a beam to scale.
    model::Design trial = *read.design;
    double beam = 0;
    try {
        model::rescaleHeightsAndBreadths(trial, trial.HullLength, inputs_.length);
        trial.HullLength = inputs_.length;
        trial.CurveStep = model::kDefaultCurveStep;
        beam = model::MaxBeam(trial);
    } catch (const model::FloatError&) {
        // A template whose beam cannot be measured has none to scale.
    }
    if (!(beam > 0)) {
        tell(kNoBeamMessage + path.toStdString());
        return std::nullopt;
    }
    return read.design;
}

void frmNew::copyInputs(model::Design& d)
{
    const Inputs& in = inputs_;
    d.PaddlerWeights[1] = in.weight1;
    d.PaddlerWeights[2] = in.weight2;
    d.Cockpits[1].AftToCG = in.aft1;
    d.Cockpits[1].Length = in.length1;
    d.Cockpits[1].Width = in.width1;
    if (SSTab1->currentIndex() != kDoubleTab) return;
    d.Cockpits[1].DistanceBetweenCockpits = in.distance;
    d.Cockpits[2].AftToCG = in.aft2;
    d.Cockpits[2].Length = in.length2;
    d.Cockpits[2].Width = in.width2;
}

void frmNew::Command1_Click()
{
    if (!main_) return;
    if (const auto message = checkBoxes()) {
        tell(*message);
        return;
    }
    if (!readInputs()) return;
    std::optional<model::Design> fresh = readTemplate();
    if (!fresh) return;
    // The open design is replaced only by a new one that could be built
    // whole; otherwise it and its results are put back and redrawn.
    const bool built = model::runRestoringOnError([&] { buildFromTemplate(std::move(*fresh)); },
                                                  [this](const model::FloatError& e) { keepOpenDesign(e); });
    if (built) showNewDesign();
}

void frmNew::keepOpenDesign(const model::FloatError& e)
{
    progress(0);
    // Redrawn first, so the message stands over the design that is kept.
    try {
        main_->makesections();
        main_->drawscreens();
    } catch (const model::FloatError&) {
        // The open design is back as it was; only its picture is stale.
    }
    const bool kept = model::currentDesign().DesignLoaded;  // at start-up there is none to keep
    tell(std::string(kept ? kCalculationFailedKept : kCalculationFailed) + e.what());
}

void frmNew::buildFromTemplate(model::Design fresh)
{
    const double cockpits = fresh.CockpitCount;
    model::newDocument(fresh);
    fresh.CockpitCount = cockpits;
    fresh.StitchMarkLength = model::currentDesign().StitchMarkLength;
    fresh.DesignLoaded = true;
    model::Design& d = model::currentDesign();
    d = std::move(fresh);
    // A new design has no centre of buoyancy until its first calculation.
    model::currentHydrostatics().LCBPosition = 0;

    const bool tandem = SSTab1->currentIndex() == kDoubleTab;
    if (tandem) progress(10);
    copyInputs(d);
    auto rebuild = [this] {
        main_->GetCalculations();
        main_->makesections();
        main_->drawscreens();
    };

    rebuild();
    progress(20);
    const double oldLength = d.HullLength;
    d.HullLength = inputs_.length;
    model::rescaleHeightsAndBreadths(d, oldLength, inputs_.length);

    main_->GetCalculations();
    progress(25);
    main_->makesections();
    progress(30);
    main_->drawscreens();
    progress(35);
    model::scaleAllToBeam(d, inputs_.beam, model::MaxBeam(d));
    model::setRimHalfWidth(d, 1);

    progress(40);
    main_->GetCalculations();
    progress(45);
    main_->makesections();
    progress(50);
    main_->drawscreens();
    progress(60);

    if (d.cockpitCount() == 2) {
        model::setRimHalfWidth(d, 2);
        model::placeTandemFixedPoints(d);
    }
    model::respaceAndLevelRim(d, 1);
    if (d.cockpitCount() == 2) model::respaceAndLevelRim(d, 2);
    model::flagDeckAndHullPanels(d);

    main_->GetCalculations();
    progress(70);
    main_->makesections();
    main_->drawscreens();
    progress(80);
    if (info_ && info_->isChecked("chkAutoDetect")) info_->detect();
}

void frmNew::showNewDesign()
{
    main_->resetForNewDesign();
    main_->setMainWindowEnabled(true);
    main_->showStationRow();
    if (main_->viewDataChecked()) main_->ViewData_Click();
    main_->drawscreens();
    progress(90);
    hide();
}

void frmNew::Command2_Click()
{
    if (main_) main_->setMainWindowEnabled(true);
    hide();
}

}  // namespace dialogs
