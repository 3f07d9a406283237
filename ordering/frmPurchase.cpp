#include "ordering/frmPurchase.h"

#include "model/document/messagebox.h"
#include "model/file/numbertext.h"
#include "ordering/cardcheck.h"
#include "ordering/frmVerifyOrder.h"
#include "ordering/ordercipher.h"
#include "ordering/placement.h"
#include "ordering/serveddecoding.h"
#include "ordering/servedtext.h"
#include "ordering/serveraddress.h"
#include "platform/doevents.h"
#include "platform/formactivation.h"
#include "platform/transfer.h"
#include "platform/windowplacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>
#include <limits>

namespace ordering {

namespace {

constexpr int kTimerIntervalMs = 100;
// Wrapping a line takes time growing with the square of its unbroken length
// (minutes for a megabyte), so terms with a longer line show unwrapped, with
// a scroll bar: any text the fetch takes shows at once.
constexpr qsizetype kLongestWrappedLine = 10000;
constexpr const char* kCaption = "Quillock - Buy Plans";
constexpr const char* kServiceOpen = "1";
constexpr const char* kServiceClosed = "0";
constexpr const char* kVersionInvalid = "2";
constexpr const char* kPriceSuffix = " US";
constexpr const char* kCRLF = "\r\n";
constexpr const char* kNoConnection = "You must be connected to the internet to place an order.";
constexpr const char* kNotTakingOrders =
    "Brackenfold LLC is not currently taking orders. Sorry for the inconvenience.";
constexpr const char* kVersionNoLongerValid =
    "This version of Quillock is no longer valid. Please download the latest version. Sorry for the inconvenience.";
constexpr const char* kNoPlanKind = "Please choose the kind of plans from the Plans menu before you order.";
constexpr const char* kAbout =
    "Your information will NEVER be shared with anyone for any reason. Your information is encrypted before the "
    "order is sent to ensure a secure transaction.";

std::string contactLine() { return std::string("Please contact us at ") + kSupportEmail + " for more information"; }

std::string addressRefused()
{
    return std::string("The order server's address in ") + kOrderServerVariable +
           " is not allowed. Give an https address, or http only for this computer (127.0.0.1, localhost or ::1), "
           "without a user name or password.";
}

// A refused address is said as such: no connection could help it.
std::string connectionFailure()
{
    if (!orderServerAddress()) return addressRefused();
    return std::string("Must be connected to the internet to place order. Please contact us at ") + kSupportEmail +
           " for an alternate ordering method.";
}

qsizetype longestLine(const QString& text)
{
    qsizetype longest = 0, current = 0;
    for (const QChar c : text) {
        current = c == u'\n' || c == u'\r' ? 0 : current + 1;
        longest = std::max(longest, current);
    }
    return longest;
}

void showTerms(QPlainTextEdit& box, const QString& text)
{
    box.setLineWrapMode(longestLine(text) > kLongestWrappedLine ? QPlainTextEdit::NoWrap
                                                                : QPlainTextEdit::WidgetWidth);
    box.setPlainText(text);
}

struct PlanKind {
    const char* pricePath;
    const char* shippingPath;
    const char* caption;
};

const PlanKind* planKind(int orderType)
{
    static constexpr PlanKind kFullSize{"/price.txt", "/shipping.txt", "Full size plans = $"};
    static constexpr PlanKind kModel{"/pricemodel.txt", "/shippingmodel.txt", "3 foot scale model plans = $"};
    if (orderType == kFullSizePlans) return &kFullSize;
    if (orderType == kScaleModelPlans) return &kModel;
    return nullptr;
}

}  // namespace

frmPurchase::frmPurchase(model::MessageBox& messages, platform::Transfer& transfer, QWidget* parent)
    : QWidget(parent, Qt::Window),
      Timer1(kTimerIntervalMs, [this] { Timer1_Timer(); }),
      clock([] { return std::chrono::system_clock::now(); }),
      messages_(messages),
      transfer_(transfer)
{
    setObjectName("frmPurchase");
    setWindowTitle(kCaption);
    build();
    new platform::FormActivation(this, [this] { Form_Activate(); });
    connect(ListQuantity, &QComboBox::activated, this, [this] { ListQuantity_Click(); });
    connect(chkSameInfo, &QCheckBox::toggled, this, [this] { chkSameInfo_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

frmPurchase::~frmPurchase() = default;

frmVerifyOrder& frmPurchase::verify()
{
    if (!verify_) {
        verify_ = std::make_unique<frmVerifyOrder>(*this, messages_);
        platform::shareOwner(*verify_, *this);
    }
    return *verify_;
}

QString frmPurchase::boxText(const char* name) const
{
    if (auto* edit = findChild<QLineEdit*>(name)) return edit->text();
    if (auto* combo = findChild<QComboBox*>(name)) return combo->currentText();
    return {};
}

void frmPurchase::setBoxText(const char* name, const QString& text)
{
    if (auto* edit = findChild<QLineEdit*>(name)) return edit->setText(text);
    if (auto* combo = findChild<QComboBox*>(name)) combo->setCurrentIndex(combo->findText(text));
}

std::optional<std::string> frmPurchase::fetchBytes(const char* path)
{
    const std::optional<std::string> server = orderServerAddress();
    if (!server) return std::nullopt;
    return transfer_.OpenURL(*server + path);
}

std::optional<std::string> frmPurchase::fetch(const char* path)
{
    const std::optional<std::string> body = fetchBytes(path);
    if (!body) return std::nullopt;
    return decodedServedText(*body);
}

std::optional<std::string> frmPurchase::fetchText(const char* path)
{
    const std::optional<std::string> text = fetch(path);
    if (!text) return std::nullopt;
    return servedText(*text);
}

void frmPurchase::showConnectionFailure() { messages_.show(connectionFailure()); }

void frmPurchase::Form_Activate()
{
    // Events run while the server is asked; one activation at a time.
    if (activating_) return;
    activating_ = true;
    activate();
    activating_ = false;
}

void frmPurchase::activate()
{
    // A tick left from an earlier activation would read the reply cleared
    // below and close the form while the server is being asked.
    Timer1.setEnabled(false);
    ServiceReply.clear();
    const std::optional<std::string> reply = fetch("/v120.txt");
    if (!reply) {
        showConnectionFailure();
        return hide();
    }
    ServiceReply = *reply;
    if (ServiceReply.empty()) {
        messages_.show(kNoConnection + std::string(kCRLF) + contactLine());
    } else if (ServiceReply == kServiceClosed) {
        messages_.show(kNotTakingOrders + std::string(kCRLF) + contactLine());
    } else if (ServiceReply == kVersionInvalid) {
        messages_.show(kVersionNoLongerValid + std::string(kCRLF) + contactLine());
    } else {
        Alphabet = std::string(kAlphabet);
        KeyTable = std::string(kKeyTable);
        ListQuantity->setCurrentIndex(0);
        fillExpiryYears();
        const std::optional<std::string> terms = fetchPrices() ? fetchText("/terms.txt") : std::nullopt;
        if (!terms) {
            showConnectionFailure();
            return hide();
        }
        showTerms(*txtTerms, QString::fromStdString(*terms));
        FrameBilling->setEnabled(!chkSameInfo->isChecked());
    }
    Timer1.setEnabled(true);
}

bool frmPurchase::fetchPrices()
{
    const PlanKind* kind = planKind(OrderType);
    if (!kind) return true;
    pricesRead_ = false;
    const std::optional<std::string> price = fetchText(kind->pricePath);
    const std::optional<double> unitPrice = price ? servedAmount(*price) : std::nullopt;
    if (!unitPrice) return false;
    UnitPriceReply = *price;
    record.PriceText = model::numberText(*unitPrice);
    const std::optional<std::string> shipping = fetchText(kind->shippingPath);
    if (!shipping) return false;
    ShippingReply = *shipping;
    record.ShippingText = ShippingReply;
    showPrice(record.PriceText);
    pricesRead_ = true;
    return true;
}

void frmPurchase::showPrice(const std::string& amount)
{
    lblPrice->setText(QString::fromStdString(planKind(OrderType)->caption + amount + kPriceSuffix));
}

void frmPurchase::Timer1_Timer()
{
    if (ServiceReply != kServiceOpen) hide();
}

void frmPurchase::ListQuantity_Click()
{
    const PlanKind* kind = planKind(OrderType);
    if (!kind) return;
    const std::optional<double> unitPrice = servedAmount(UnitPriceReply);
    const double amount = numericValue(ListQuantity->currentText().toStdString()) *
                          unitPrice.value_or(std::numeric_limits<double>::infinity());
    pricesRead_ = std::isfinite(amount);
    if (!pricesRead_) {
        // No price to offer: nothing shown can be ordered.
        record.PriceText.clear();
        lblPrice->clear();
        return showConnectionFailure();
    }
    record.PriceText = model::plainText(amount);
    showPrice(record.PriceText);
    // Shipping does not depend on the quantity, but the server may have
    // changed it since the form opened.
    const std::optional<std::string> shipping = fetchText(kind->shippingPath);
    if (!shipping) return showConnectionFailure();
    ShippingReply = *shipping;
    record.ShippingText = ShippingReply;
}

void frmPurchase::chkSameInfo_Click() { FrameBilling->setEnabled(!chkSameInfo->isChecked()); }

void frmPurchase::Command2_Click() { hide(); }

void frmPurchase::Command3_Click() { messages_.show(kAbout); }

void frmPurchase::Command1_Click()
{
    // One placement at a time: the button stays off until this one ends.
    if (placing_) return;
    placing_ = true;
    Command1->setEnabled(false);
    const bool placed = placeOrder();
    placing_ = false;
    Command1->setEnabled(true);
    if (!placed) return;
    hide();
    platform::doEvents();
    // This form hides, so the verify window belongs to the window that owns
    // it now (the main window or the one that opened the order), kept shown.
    platform::shareOwner(verify(), *this);
    verify().showOrder();
}

bool frmPurchase::refuse(const std::string& message)
{
    messages_.show(message);
    return false;
}

bool frmPurchase::placeOrder()
{
    if (!planKind(OrderType)) return refuse(kNoPlanKind);
    if (!pricesRead_) return refuse(connectionFailure());
    const BoxText textOf = [this](const char* box) { return boxText(box).toStdString(); };
    if (auto refusal = copyFields(FieldGroup::Shipping, record, textOf, Alphabet)) return refuse(*refusal);
    if (chkSameInfo->isChecked()) copyShippingToCardHolder(record, textOf);
    else if (auto refusal = copyFields(FieldGroup::CardHolder, record, textOf, Alphabet)) return refuse(*refusal);
    if (auto refusal = copyFields(FieldGroup::Card, record, textOf, Alphabet)) return refuse(*refusal);

    const std::optional<std::string> state = fetchText("/State.txt");
    const std::optional<std::string> tax = state ? fetchText("/tax.txt") : std::nullopt;
    if (!tax) return refuse(connectionFailure());
    txtState->setText(QString::fromStdString(*state));
    txtSalesTax->setText(QString::fromStdString(*tax));
    record.TaxText = taxText(txtState->text().toStdString(), record.CardHolderState, txtSalesTax->text().toStdString());
    const std::optional<std::string> total = totalText(record.PriceText, record.TaxText);
    if (!total) return refuse(connectionFailure());
    record.TotalText = *total;
    const std::time_t now = std::chrono::system_clock::to_time_t(clock());
    std::tm local{};
    localtime_r(&now, &local);
    if (auto number = orderNumber(record, OrderType, local))
        record.OrderNumber = QString::fromStdString(*number).toUpper().toStdString();

    platform::doEvents();
    if (!CCValidationSolution(record.CardNumber, record.OrderCardType)) {
        // The check explained itself; the box keeps what the user typed.
        record.CardNumber = OnlyNumericSolution(record.CardNumber);
        return false;
    }
    if (!makePostingPage()) return refuse(addressRefused());
    return true;
}

bool frmPurchase::CCValidationSolution(std::string& Number, const std::string& CardType)
{
    return ordering::CCValidationSolution(Number, CardType, messages_);
}

std::string frmPurchase::OnlyNumericSolution(const std::string& Number) const
{
    return ordering::OnlyNumericSolution(Number);
}

bool frmPurchase::Mod10Solution(const std::string& Number) const { return ordering::Mod10Solution(Number); }

}  // namespace ordering
