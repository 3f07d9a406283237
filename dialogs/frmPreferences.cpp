#include "dialogs/frmPreferences.h"

#include "dialogs/mainwindowops.h"
#include "model/document/messagebox.h"
#include "model/document/programname.h"
#include "model/edits/preferencevalues.h"
#include "model/file/numbertext.h"
#include "model/hull/design.h"
#include "model/hull/floaterror.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

namespace {

constexpr const char* kStationsMessage = "Number of Stations must be within 10 to 100";
constexpr const char* kStitchSpacingMessage =
    "Distance Between Stitches must be a whole number of inches from 1 to 32767; the previous value is kept";
constexpr const char* kMarkLengthMessage = "Stitch Mark Length is too large to use; the previous value is kept";
constexpr const char* kCalculationFailed = "The hull could not be calculated: ";
constexpr const char* kInchSign = "\"";

model::Design& design() { return model::currentDesign(); }

QString plain(double value) { return QString::fromStdString(model::plainText(value)); }

QLineEdit* box(const char* name)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    return e;
}

QPushButton* button(const char* name, const char* caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

}  // namespace

frmPreferences::frmPreferences(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName("frmPreferences");
    setWindowTitle(model::kProgramName);
    txtNumberofSections = box("txtNumberofSections");
    txtStitchLength = box("txtStitchLength");
    txtStitchMarkLength = box("txtStitchMarkLength");
    Command1 = button("Command1", "Ok");
    Command2 = button("Command2", "Cancel");

    auto* grid = new QGridLayout(this);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Number of Stations (10-100)", txtNumberofSections},
        {"Distance Between Stitches", txtStitchLength},
        {"Stitch Mark Length", txtStitchMarkLength},
    };
    int r = 0;
    for (const auto& [caption, edit] : rows) {
        grid->addWidget(new QLabel(caption), r, 0);
        grid->addWidget(edit, r++, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    grid->addLayout(buttons, r, 0, 1, 2);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    Form_Load();
}

void frmPreferences::connectTo(MainWindowOps* main, model::MessageBox* messages, QLineEdit* stationBox)
{
    main_ = main;
    messages_ = messages;
    stationBox_ = stationBox;
}

bool frmPreferences::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(e);
}

void frmPreferences::Form_Load()
{
    const model::Design& d = design();
    txtNumberofSections->setText(plain(d.StationCount - 1));
    txtStitchLength->setText(plain(d.StitchSpacing));
    txtStitchMarkLength->setText(plain(d.StitchMarkLength));
}

void frmPreferences::Form_Activate() { Form_Load(); }

bool frmPreferences::storeValues()
{
    model::Design& d = design();
    // Every box is read before any message: closing a message activates the
    // window again, which fills the boxes from the stored values.
    const model::StationsEntry stations = model::stationsFromText(txtNumberofSections->text().toStdString());
    const auto spacing = model::stitchSpacingFromText(txtStitchLength->text().toStdString());
    const auto markLength = model::stitchMarkLengthFromText(txtStitchMarkLength->text().toStdString());
    if (stations.outOfRange) messages_->show(kStationsMessage);
    if (!spacing) messages_->show(kStitchSpacingMessage, model::MessageIcon::Exclamation);
    if (!markLength) messages_->show(kMarkLengthMessage, model::MessageIcon::Exclamation);
    // One refused box keeps the whole press from taking effect.
    if (!spacing || !markLength) return false;

    // Both travel in the design file: a change is unsaved work.
    if (stations.StationCount != d.StationCount || *spacing != d.StitchSpacing) d.DesignChanged = true;
    d.StationCount = stations.StationCount;
    d.StitchSpacing = *spacing;
    d.StitchMarkLength = *markLength;
    d.CurrentStation = 0;
    if (stationBox_) stationBox_->setText(QString::number(d.CurrentStation) + kInchSign);
    return true;
}

void frmPreferences::Command1_Click()
{
    if (!main_) return;
    // After a refusal nothing was stored: the window stays, showing the
    // values in force.
    if (!storeValues()) {
        Form_Load();
        return;
    }
    try {
        main_->makesections();
        main_->drawscreens();
        main_->GetCalculations();
    } catch (const model::FloatError& e) {
        messages_->show(std::string(kCalculationFailed) + e.what(), model::MessageIcon::Exclamation);
    }
    hide();
}

void frmPreferences::Command2_Click() { hide(); }

}  // namespace dialogs
