#pragma once
// The order form: fetches the order service's state, the price, shipping
// and terms from the maker's server on every activation, takes the buyer's,
// card holder's and card details, and places the order (checks, tax, total,
// order number, card check, the posting page, made in memory so that no
// file ever holds the card) before the verify window.
// Controls carry their given names as object names.

#include "ordering/orderrecord.h"
#include "platform/oneshottimer.h"

#include <QWidget>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace model {
class MessageBox;
}
namespace platform {
class Transfer;
}

namespace ordering {

class frmVerifyOrder;

class frmPurchase : public QWidget {
    Q_OBJECT
public:
    frmPurchase(model::MessageBox& messages, platform::Transfer& transfer, QWidget* parent = nullptr);
    ~frmPurchase() override;

    // 1 full-size plans, 2 model plans, 0 until a Plans menu item set it.
    std::int16_t OrderType = 0;
    OrderRecord record;

    std::string ServiceReply, Alphabet, KeyTable, UnitPriceReply, ShippingReply;

    // Public operations.
    bool CCValidationSolution(std::string& Number, const std::string& CardType);
    std::string OnlyNumericSolution(const std::string& Number) const;
    bool Mod10Solution(const std::string& Number) const;

    // Handlers.
    void Form_Activate();
    void Timer1_Timer();
    void ListQuantity_Click();
    void chkSameInfo_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QString boxText(const char* name) const;
    void setBoxText(const char* name, const QString& text);

    QComboBox* ListQuantity = nullptr;
    QLabel* lblPrice = nullptr;
    QCheckBox* chkSameInfo = nullptr;
    QGroupBox* FrameBilling = nullptr;
    QPlainTextEdit* txtTerms = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLineEdit* txtState = nullptr;
    QLineEdit* txtSalesTax = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    platform::OneShotTimer Timer1;

    // The order number's date and time; a test sets its own.
    std::function<std::chrono::system_clock::time_point()> clock;

    frmVerifyOrder& verify();
    // The posting page of the placed order (OrderPostPage), empty once the
    // verify window let it go.
    const std::string& postingPage() const { return postingPage_; }
    void dropPostingPage();
    // Once the order is placed the card number and security code boxes are
    // emptied for whoever uses the form next; every other box keeps its text.
    void forgetCard();

private:
    void build();
    QWidget* buildShipping();
    QWidget* buildBilling();
    QWidget* buildCard();
    QWidget* buildPrice();
    QWidget* buildTerms();

    // A server text by its path, decoded as decodedServedText reads it, or
    // nothing when the transfer failed.
    std::optional<std::string> fetch(const char* path);
    // A maker's text (a price, shipping, tax, the taxed state, the terms) as
    // servedText reads it; the service state is compared whole instead.
    std::optional<std::string> fetchText(const char* path);
    // The served bytes, before they are decoded.
    std::optional<std::string> fetchBytes(const char* path);
    void showConnectionFailure();
    void activate();
    // False when a price or shipping text failed to come or the price is
    // too large to hold.
    bool fetchPrices();
    void showPrice(const std::string& amount);
    // Places the order up to the verify window; false after a refusal,
    // which it has shown.
    bool placeOrder();
    bool refuse(const std::string& message);
    // The order text enciphered into the posting page; false when the
    // server's address is not allowed.
    bool makePostingPage();
    void fillExpiryYears();

    model::MessageBox& messages_;
    platform::Transfer& transfer_;
    std::string postingPage_;
    std::unique_ptr<frmVerifyOrder> verify_;
    // The served amounts gave a price to offer: an order needs one.
    bool pricesRead_ = false;
    bool placing_ = false;
    bool activating_ = false;
};

}  // namespace ordering
