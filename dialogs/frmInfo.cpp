#include "dialogs/frmInfo.h"

#include "dialogs/frmInforows.h"
#include "model/hull/floaterror.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace dialogs {

namespace {

constexpr const char* kCaption = "Quillock ";
constexpr const char* kMeasuredFromDefault = "36";
constexpr int kValueWidth = 110;

// The waterline search writes the read-outs at every pass: a read-out keeps
// its size (a text box's, as the column they share gives both), so a new
// text is painted in place without laying the window out again.
QLabel* readOut(const char* name)
{
    auto* l = new QLabel;
    l->setObjectName(name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setFixedSize(std::max(kValueWidth, QLineEdit().sizeHint().width()), l->sizeHint().height());
    return l;
}

QLineEdit* textBox(const char* name)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setMinimumWidth(kValueWidth);
    return e;
}

QPushButton* setButton(const char* name)
{
    auto* b = new QPushButton("Set");
    b->setObjectName(name);
    return b;
}

QWidget* rightEnd(const InfoRow& row)
{
    switch (row.rightKind) {
    case RightKind::SetButton: return setButton(row.right);
    case RightKind::VisibleCheck: {
        auto* c = new QCheckBox("Visible");
        c->setObjectName(row.right);
        c->setStyleSheet(QString("color: #%1").arg(row.rightColor, 6, 16, QChar('0')));
        return c;
    }
    case RightKind::Check: {
        auto* c = new QCheckBox("Auto Position Cockpits");
        c->setObjectName(row.right);
        return c;
    }
    case RightKind::None: break;
    }
    return nullptr;
}

QFrame* separator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void addRow(QGridLayout* grid, int r, const InfoRow& row)
{
    switch (row.kind) {
    case ValueKind::Separator: grid->addWidget(separator(), r, 0, 1, 4); return;
    case ValueKind::Heading: {
        auto* heading = new QLabel(QString("<b>%1</b>").arg(row.caption));
        grid->addWidget(heading, r, 0, 1, 4);
        return;
    }
    case ValueKind::TextBox: grid->addWidget(textBox(row.control), r, 1); break;
    case ValueKind::ReadOut: {
        if (*row.below) {
            auto* pair = new QVBoxLayout;
            pair->addWidget(readOut(row.control));
            pair->addWidget(readOut(row.below));
            grid->addLayout(pair, r, 1);
        } else {
            grid->addWidget(readOut(row.control), r, 1);
        }
        break;
    }
    case ValueKind::None: break;
    }
    if (*row.caption) grid->addWidget(new QLabel(row.caption), r, 0);
    if (*row.unit) grid->addWidget(new QLabel(row.unit), r, 2);
    if (QWidget* right = rightEnd(row)) grid->addWidget(right, r, row.rightKind == RightKind::Check ? 1 : 3);
}

}  // namespace

frmInfo::frmInfo(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    buildTop();
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName("SSTab1");
    SSTab1->addTab(buildTab(kDimensionsRows, int(std::size(kDimensionsRows))), "Dimensions");
    SSTab1->addTab(buildTab(kCapacityRows, int(std::size(kCapacityRows))), "Capacity");
    SSTab1->addTab(buildTab(kCockpitRows, int(std::size(kCockpitRows))), "Cockpits");
    SSTab1->addTab(buildTab(kAreaRows, int(std::size(kAreaRows))), "Areas");
    SSTab1->addTab(buildTab(kCoefficientRows, int(std::size(kCoefficientRows))), "Coefficients");
    layout->addWidget(SSTab1);
    layout->addStretch();

    textBox("txtStartMeasuredFrom")->setText(kMeasuredFromDefault);
    textBox("txtEndMeasuredFrom")->setText(kMeasuredFromDefault);
    checkBox("chkMidship")->setChecked(true);
    checkBox("chkAutoPositionCockpit")->setChecked(true);
    connectHandlers();
}

void frmInfo::buildTop()
{
    auto* top = new QGridLayout;
    auto* x = new QLabel("X");
    x->setObjectName("Label6");
    auto* y = new QLabel("Y");
    y->setObjectName("Label7");
    auto* txtX = new QLabel;
    txtX->setObjectName("txtX");
    auto* txtY = new QLabel;
    txtY->setObjectName("txtY");
    top->addWidget(x, 0, 0);
    top->addWidget(txtX, 0, 1);
    top->addWidget(y, 0, 2);
    top->addWidget(txtY, 0, 3);

    auto* level = new QLabel("Water Level");
    level->setObjectName("Label2");
    auto* detectButton = new QPushButton("Detect");
    detectButton->setObjectName("cmdDetect");
    auto* autoDetect = new QCheckBox("Auto");
    autoDetect->setObjectName("chkAutoDetect");
    top->addWidget(level, 1, 0);
    top->addWidget(dialogs::textBox("txtWaterLevel"), 1, 1);
    top->addWidget(setButton("Command1"), 1, 2);
    top->addWidget(detectButton, 1, 3);
    top->addWidget(autoDetect, 1, 4);
    static_cast<QVBoxLayout*>(layout())->addLayout(top);
}

QWidget* frmInfo::buildTab(const InfoRow* rows, int count)
{
    auto* frame = new QWidget;
    auto* grid = new QGridLayout(frame);
    for (int r = 0; r < count; ++r) addRow(grid, r, rows[r]);
    grid->setRowStretch(count, 1);
    return frame;
}

void frmInfo::refillBoxes()
{
    try {
        Form_Activate();
    } catch (const model::FloatError&) {
        // A hull whose beam cannot be measured keeps the boxes as they were;
        // a message here would come back with every activation.
    }
}

bool frmInfo::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        refillBoxes();
        emit activated();
    }
    return QWidget::event(e);
}

// The main window keeps View > Data in step with the window; it answers the signal.
void frmInfo::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (e->isAccepted()) emit closing();
}

// Every hydrostatics run reads and writes some forty of these: each is looked
// up once.
QWidget* frmInfo::textControl(const QString& name) const
{
    auto found = textControls_.constFind(name);
    if (found != textControls_.constEnd()) return *found;
    QWidget* control = findChild<QLineEdit*>(name);
    if (!control) control = findChild<QLabel*>(name);
    if (control) textControls_.insert(name, control);
    return control;
}

void frmInfo::setControlText(const QString& name, const QString& text)
{
    QWidget* control = textControl(name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(control)) l->setText(text);
}

QString frmInfo::controlText(const QString& name) const
{
    QWidget* control = textControl(name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* l = qobject_cast<QLabel*>(control)) return l->text();
    return {};
}

QLineEdit* frmInfo::textBox(const QString& name) const { return findChild<QLineEdit*>(name); }
QLabel* frmInfo::label(const QString& name) const { return findChild<QLabel*>(name); }
QPushButton* frmInfo::button(const QString& name) const { return findChild<QPushButton*>(name); }
QCheckBox* frmInfo::checkBox(const QString& name) const
{
    // The marker boxes are read at every hydrostatics run.
    auto found = checkBoxes_.constFind(name);
    if (found != checkBoxes_.constEnd()) return *found;
    QCheckBox* box = findChild<QCheckBox*>(name);
    if (box) checkBoxes_.insert(name, box);
    return box;
}

bool frmInfo::isChecked(const QString& name) const
{
    const QCheckBox* box = checkBox(name);
    return box && box->isChecked();
}

}  // namespace dialogs
