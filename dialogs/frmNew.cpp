#include "dialogs/frmNew.h"

#include "dialogs/kayaksketch.h"
#include "model/edits/newdesign.h"
#include "model/file/textreading.h"
#include "model/hull/floaterror.h"
#include "model/hydrostatics/rounding.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dialogs {

namespace {

constexpr const char* kCaption = "Quillock - New";
constexpr int kMinLength = 96, kMaxLength = 276, kDefaultLength = 204;
constexpr int kMinBeam = 12, kMaxBeam = 48, kDefaultBeam = 23;
constexpr int kProgressMax = 100;
// The feet label's caption as the window is made, written without the
// blanks the slider's own text puts before each number.
constexpr const char* kFirstFeetCaption = "17' 0\"";

struct BoxSpec {
    const char* label;
    const char* name;
    const char* initial;
};

constexpr BoxSpec kSingleBoxes[] = {
    {"Paddler Weight (lbs)", "txtPaddlerWeight", "190"},
    {"Cockpit Length (inches)", "txtCockpitLength", "32"},
    {"Cockpit Width (inches)", "txtCockpitWidth", "18"},
    {"Cockpit Aft to Paddlers Center of Gravity (inches)", "txtCockpitAftToCG", "11"},
};

constexpr BoxSpec kDoubleBoxes[] = {
    {"Paddler 1 Weight", "txtPaddler1Weight", "190"},
    {"Cockpit 1 Length", "txtCockpit1Length", "32"},
    {"Cockpit 1 Width", "txtCockpit1Width", "18"},
    {"Cockpit 1 Aft to Paddlers Center of Gravity", "txtCockpit1AftTocenterofgravity", "11"},
    {"Paddler 2 Weight", "txtPaddler2Weight", "190"},
    {"Cockpit 2 Length", "txtCockpit2Length", "32"},
    {"Cockpit 2 Width", "txtCockpit2Width", "18"},
    {"Cockpit 2 Aft to Paddlers Center of Gravity", "txtCockpit2Afttocenterofgravity", "11"},
    {"Distance Between Cockpits (inches)", "txtDistanceBetweenCockpits", "60"},
};

QSlider* slider(const char* name, int min, int max, int value)
{
    auto* s = new QSlider(Qt::Horizontal);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setValue(value);
    return s;
}

QLineEdit* box(const char* name, const char* text)
{
    auto* e = new QLineEdit(text);
    e->setObjectName(name);
    return e;
}

template <std::size_t N>
QFormLayout* boxes(const BoxSpec (&specs)[N])
{
    auto* form = new QFormLayout;
    for (const BoxSpec& s : specs) form->addRow(s.label, box(s.name, s.initial));
    return form;
}

}  // namespace

frmNew::frmNew(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);

    auto* sizes = new QFormLayout;
    SliderLength = slider("SliderLength", kMinLength, kMaxLength, kDefaultLength);
    txtLength = box("txtLength", "204");
    LabelFeet = new QLabel(kFirstFeetCaption);
    LabelFeet->setObjectName("LabelFeet");
    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(SliderLength, 1);
    lengthRow->addWidget(txtLength);
    lengthRow->addWidget(LabelFeet);
    sizes->addRow("Kayak Length", lengthRow);

    SliderWidth = slider("SliderWidth", kMinBeam, kMaxBeam, kDefaultBeam);
    txtBeam = box("txtBeam", "23");
    lblBeam = new QLabel;
    lblBeam->setObjectName("lblBeam");
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(SliderWidth, 1);
    widthRow->addWidget(txtBeam);
    widthRow->addWidget(lblBeam);
    sizes->addRow("Width (Beam over all)", widthRow);
    layout->addLayout(sizes);

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName("SSTab1");
    SSTab1->addTab(buildSingleTab(), "Single Cockpit Kayak");
    SSTab1->addTab(buildDoubleTab(), "Double Cockpit Kayak");
    layout->addWidget(SSTab1);

    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, kProgressMax);
    ProgressBar1->setValue(0);
    layout->addWidget(ProgressBar1);

    auto* buttons = new QHBoxLayout;
    Command1 = new QPushButton("Ok");
    Command1->setObjectName("Command1");
    Command2 = new QPushButton("Cancel");
    Command2->setObjectName("Command2");
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);

    // Form_Load: the beam caption is set once; the feet label keeps its
    // first caption until the length slider moves.
    showBeamCaption(SliderWidth->value());
    connect(SliderLength, &QSlider::valueChanged, this, &frmNew::SliderLength_Change);
    connect(SliderWidth, &QSlider::valueChanged, this, &frmNew::SliderWidth_Change);
    connect(txtLength, &QLineEdit::textEdited, this,
            [this] { followTypedSize(txtLength, SliderLength, &frmNew::showLengthCaption); });
    connect(txtBeam, &QLineEdit::textEdited, this, [this] { followTypedSize(txtBeam, SliderWidth, &frmNew::showBeamCaption); });
    templateFolder = QCoreApplication::applicationDirPath();
    connect(Command1, &QPushButton::clicked, this, [this] {
        Command1_Click();
        emit okClicked();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        Command2_Click();
        emit cancelClicked();
    });
}

QWidget* frmNew::buildSingleTab()
{
    auto* tab = new QWidget;
    auto* row = new QHBoxLayout(tab);
    auto* left = new QVBoxLayout;
    auto* panels = new QGroupBox("Number of Hull Panels");
    auto* panelRow = new QHBoxLayout(panels);
    opt4hullpan = new QRadioButton("4 Panels");
    opt6hullpan = new QRadioButton("6 Panels");
    opt8hullpan = new QRadioButton("8 Panels");
    opt4hullpan->setObjectName("opt4hullpan");
    opt6hullpan->setObjectName("opt6hullpan");
    opt8hullpan->setObjectName("opt8hullpan");
    opt6hullpan->setChecked(true);
    for (auto* o : {opt4hullpan, opt6hullpan, opt8hullpan}) panelRow->addWidget(o);
    left->addWidget(panels);
    left->addLayout(boxes(kSingleBoxes));
    left->addStretch();
    row->addLayout(left, 1);
    auto* picture = new KayakSketch(1);
    picture->setObjectName("Picture1");
    row->addWidget(picture);
    return tab;
}

QWidget* frmNew::buildDoubleTab()
{
    auto* tab = new QWidget;
    auto* row = new QHBoxLayout(tab);
    row->addLayout(boxes(kDoubleBoxes), 1);
    auto* picture = new KayakSketch(2);
    picture->setObjectName("Picture2");
    row->addWidget(picture);
    return tab;
}

void frmNew::SliderLength_Change(int value)
{
    txtLength->setText(QString::number(value));
    showLengthCaption(value);
}

void frmNew::showLengthCaption(int inches)
{
    const QString feet = QString::fromStdString(model::feetAndInchesText(inches));
    LabelFeet->setToolTip(feet);
    LabelFeet->setText(feet);
}

void frmNew::SliderWidth_Change(int value)
{
    txtBeam->setText(QString::number(value));
    showBeamCaption(value);
}

void frmNew::showBeamCaption(int inches) { lblBeam->setText(QString::fromStdString(model::beamCaption(inches))); }

// A size typed into its box moves the slider and its caption along, but the
// box keeps what was typed: OK reads the box.
void frmNew::followTypedSize(QLineEdit* box, QSlider* slider, void (frmNew::*showCaption)(int))
{
    double typed = 0;
    try {
        typed = model::leadingNumber(box->text().toStdString());
    } catch (const model::FloatError&) {
        return;  // too large for any slider; OK reports it
    }
    if (!(typed >= slider->minimum() && typed <= slider->maximum())) return;
    const QSignalBlocker keepTheText(slider);
    slider->setValue(model::roundToInt16(typed));
    (this->*showCaption)(slider->value());
}

QLineEdit* frmNew::textBox(const QString& name) const { return findChild<QLineEdit*>(name); }

void frmNew::closeEvent(QCloseEvent* event)
{
    // Closing the window frame is a Cancel: the main window must not stay disabled.
    event->ignore();
    Command2_Click();
    emit cancelClicked();
}

}  // namespace dialogs
