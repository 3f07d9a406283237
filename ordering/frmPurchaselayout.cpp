// The order form's frames, lists and buttons.

#include "ordering/frmPurchase.h"
#include "ordering/purchaselists.h"

#include <chrono>
#include <ctime>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ordering {

namespace {

constexpr const char* kUntouchedText = "blank";
constexpr int kBoxWidth = 200;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QComboBox* comboBox(const char* name, const QStringList& items)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);  // nothing chosen until the user picks
    return combo;
}

QStringList stateItems()
{
    QStringList items;
    for (std::string_view s : kStates) items << text(s);
    return items;
}

QStringList numberItems(int first, int last, int width)
{
    QStringList items;
    for (int i = first; i <= last; ++i) items << QString("%1").arg(i, width, 10, QChar('0'));
    return items;
}

QWidget* box(const char* name, bool isState, const QString& start)
{
    if (isState) return comboBox(name, stateItems());
    auto* edit = new QLineEdit(start);
    edit->setObjectName(name);
    edit->setMinimumWidth(kBoxWidth);
    return edit;
}

// A frame of labelled boxes, one a row.
template <std::size_t N>
QGroupBox* addressFrame(const char* name, const char* caption, const std::array<const char*, N>& boxes,
                        const std::array<std::string_view, N>& labels, const QString& start)
{
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    auto* grid = new QGridLayout(frame);
    for (std::size_t i = 0; i < N; ++i) {
        const bool isState = QString(boxes[i]).startsWith("cmb");
        grid->addWidget(new QLabel(text(labels[i])), int(i), 0);
        grid->addWidget(box(boxes[i], isState, start), int(i), 1);
    }
    return frame;
}

QPushButton* button(const char* name, const char* caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

}  // namespace

QWidget* frmPurchase::buildPrice()
{
    auto* frame = new QGroupBox("Base Price");
    frame->setObjectName("Frame1");
    auto* row = new QHBoxLayout(frame);
    ListQuantity = comboBox("ListQuantity", numberItems(1, kQuantities, 1));
    lblPrice = new QLabel;
    lblPrice->setObjectName("lblPrice");
    auto* qty = new QLabel("Qty:");
    qty->setObjectName("Label25");
    row->addWidget(qty);
    row->addWidget(ListQuantity);
    row->addWidget(lblPrice, 1);
    return frame;
}

QWidget* frmPurchase::buildShipping()
{
    return addressFrame("FrameShippingInfo", "Shipping Info", kShippingBoxes, kShippingLabels, kUntouchedText);
}

QWidget* frmPurchase::buildBilling()
{
    FrameBilling = addressFrame("FrameBilling", "Billing Info", kCardHolderBoxes, kBillingLabels, QString());
    return FrameBilling;
}

void frmPurchase::fillExpiryYears()
{
    auto* years = findChild<QComboBox*>(kCardBoxes[3]);
    const QString chosen = years->currentText();
    const std::time_t now = std::chrono::system_clock::to_time_t(clock());
    std::tm local{};
    localtime_r(&now, &local);
    const int year = local.tm_year + 1900;
    years->clear();
    years->addItems(numberItems(year, year + kExpiryYears - 1, 4));
    years->setCurrentIndex(years->findText(chosen));
}

QWidget* frmPurchase::buildCard()
{
    auto* frame = new QGroupBox("Credit Card Info");
    frame->setObjectName("FrameCCInfo");
    auto* grid = new QGridLayout(frame);
    QStringList types;
    for (std::string_view t : kCardTypes) types << text(t);
    auto* number = new QLineEdit;
    number->setObjectName(kCardBoxes[1]);
    auto* code = new QLineEdit;
    code->setObjectName(kCardBoxes[4]);
    auto* expiry = new QHBoxLayout;
    expiry->addWidget(comboBox(kCardBoxes[2], numberItems(1, kMonths, 2)));
    expiry->addWidget(comboBox(kCardBoxes[3], {}));  // filled on each activation
    for (int i = 0; i < int(kCardLabels.size()); ++i) grid->addWidget(new QLabel(text(kCardLabels[i])), i, 0);
    grid->addWidget(comboBox(kCardBoxes[0], types), 0, 1);
    grid->addWidget(number, 1, 1);
    grid->addLayout(expiry, 2, 1);
    grid->addWidget(code, 3, 1);
    return frame;
}

QWidget* frmPurchase::buildTerms()
{
    auto* frame = new QGroupBox("Terms and Conditions");
    frame->setObjectName("FrameTerms");
    auto* column = new QVBoxLayout(frame);
    txtTerms = new QPlainTextEdit;
    txtTerms->setObjectName("txtTerms");
    txtTerms->setReadOnly(true);
    auto* terms = new QLabel;
    terms->setObjectName("lblTerms");
    column->addWidget(txtTerms);
    column->addWidget(terms);
    return frame;
}

void frmPurchase::build()
{
    chkSameInfo = new QCheckBox("Billing info same as shipping info");
    chkSameInfo->setObjectName("chkSameInfo");
    Text1 = new QPlainTextEdit(text(kNotice));
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    // Hold the tax replies while an order is placed; not for the user's eyes.
    txtState = new QLineEdit(this);
    txtState->setObjectName("txtState");
    txtState->hide();
    txtSalesTax = new QLineEdit(this);
    txtSalesTax->setObjectName("txtSalesTax");
    txtSalesTax->hide();
    Command1 = button("Command1", "Continue");
    Command2 = button("Command2", "Cancel");
    Command3 = button("Command3", "About");

    auto* left = new QVBoxLayout;
    left->addWidget(buildPrice());
    left->addWidget(buildShipping());
    left->addWidget(chkSameInfo);
    left->addWidget(buildBilling());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildCard());
    right->addWidget(buildTerms(), 1);
    right->addWidget(Text1);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(right, 1);
    fillExpiryYears();
}

}  // namespace ordering
