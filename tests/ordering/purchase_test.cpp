#include "orderingfixture.h"


#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using orderingtest::OrderingTest;

const std::string kContact = "\r\nPlease contact us at orders@brackenfold.example for more information";
const std::string kFailure =
    "Must be connected to the internet to place order. Please contact us at orders@brackenfold.example for an "
    "alternate ordering method.";

TEST_F(OrderingTest, ActivationRepliesAndTheirMessages)
{
    const struct {
        const char* reply;
        std::string message;  // empty: none
        bool staysOpen;
    } cases[] = {
        {"1", "", true},
        {"3", "", false},
        {"", "You must be connected to the internet to place an order." + kContact, false},
        {"0", "Brackenfold LLC is not currently taking orders. Sorry for the inconvenience." + kContact, false},
        {"2",
         "This version of Quillock is no longer valid. Please download the latest version. Sorry for the "
         "inconvenience." + kContact,
         false},
    };
    for (const auto& c : cases) {
        writeText("v120.txt", c.reply);
        messages.shown.clear();
        form->hide();
        open(1);
        EXPECT_EQ(messages.texts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message})
            << c.reply;
        QTest::qWait(250);
        EXPECT_EQ(form->isVisible(), c.staysOpen) << c.reply;
    }
    EXPECT_EQ(form->ListQuantity->currentText(), "1");
    EXPECT_EQ(form->txtTerms->toPlainText(), QString::fromUtf8("No refunds\nCaf\xc3\xa9"));

    // A dead server: the failure message at once, the form hidden, no timer.
    messages.shown.clear();
    stopServerNow();
    form->hide();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.shown.empty(); }, 5000));
    EXPECT_EQ(messages.texts(), std::vector{kFailure});
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Timer1.isEnabled());
}

TEST_F(OrderingTest, PriceCaptionFetchesAndQuantity)
{
    open(1);
    EXPECT_EQ(transfer.paths, (std::vector<std::string>{"/v120.txt", "/price.txt", "/shipping.txt", "/terms.txt"}));
    EXPECT_EQ(form->lblPrice->text(), "Full size plans = $ 45 US");
    EXPECT_EQ(form->record.PriceText, " 45");
    EXPECT_EQ(form->record.ShippingText, "0");

    transfer.paths.clear();
    writeText("shipping.txt", "12.50");
    chooseQuantity(2);
    EXPECT_EQ(form->lblPrice->text(), "Full size plans = $135 US");
    EXPECT_EQ(form->record.PriceText, "135");
    EXPECT_EQ(form->record.ShippingText, "12.50");
    // The same quantity chosen again still acts: the blank goes.
    form->hide();
    open(1);
    chooseQuantity(0);
    EXPECT_EQ(form->lblPrice->text(), "Full size plans = $45 US");
    EXPECT_EQ(transfer.paths.back(), "/shipping.txt");

    form->hide();
    open(2);
    EXPECT_EQ(transfer.paths,
              (std::vector<std::string>{"/v120.txt", "/pricemodel.txt", "/shippingmodel.txt", "/terms.txt"}));
    EXPECT_EQ(form->lblPrice->text(), "3 foot scale model plans = $ 12.5 US");

    // Opened from elsewhere before any Plans choice: no price, and the
    // quantity list does nothing.
    auto fresh = std::make_unique<ordering::frmPurchase>(messages, transfer);
    std::swap(form, fresh);
    open(0);
    EXPECT_EQ(transfer.paths, (std::vector<std::string>{"/v120.txt", "/terms.txt"}));
    chooseQuantity(3);
    EXPECT_EQ(form->lblPrice->text(), "");
    EXPECT_EQ(transfer.paths.size(), 2u);

    // A failed fetch during the quantity choice: the message, the form works on.
    std::swap(form, fresh);
    messages.shown.clear();
    stopServerNow();
    chooseQuantity(4);
    EXPECT_EQ(messages.texts(), std::vector{kFailure});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->lblPrice->text(), "3 foot scale model plans = $62.5 US");
}

TEST_F(OrderingTest, BillingFrameAboutAndCancel)
{
    open(1);
    form->Command3->click();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Your information will NEVER be shared with anyone for any reason. Your "
                                       "information is encrypted before the order is sent to ensure a secure "
                                       "transaction."});
    EXPECT_TRUE(form->FrameBilling->isEnabled());
    form->chkSameInfo->click();
    EXPECT_FALSE(form->FrameBilling->isEnabled());
    form->setBoxText("txtCity", "Salem");
    form->Command2->click();
    EXPECT_FALSE(form->isVisible());
    open(1);
    EXPECT_EQ(form->boxText("txtCity"), "Salem");
    EXPECT_EQ(form->boxText("txtZip"), "blank");
    EXPECT_FALSE(form->FrameBilling->isEnabled());
}

TEST_F(OrderingTest, RefusalsAndErrorsLeaveNoOrderFile)
{
    open(1);
    const struct {
        const char* box;
        const char* text;
        std::string message;
    } cases[] = {
        {"txtLastName", "Smith & Sons", "The character & is not allowed in Smith & Sons"},
        {"txtCardHoldersFirstName", "", "Please provide card holders first name."},
        {"cmbCardType", "MasterCard", "Card type does not match card number. Please double check the card type."},
        {"txtCardNumber", "4111 1111 1111 1112",
         "The Visa number entered, 4111111111111112, is invalid.\r\rPlease check the number and try again."},
        {"tax.txt", "", kFailure},
    };
    for (const auto& c : cases) {
        fillSoundOrder(std::string_view(c.box) != "txtCardHoldersFirstName");
        if (std::string_view(c.box) == "tax.txt") std::filesystem::remove(folder_ / c.box);
        else form->setBoxText(c.box, c.text);
        messages.shown.clear();
        form->Command1->click();
        EXPECT_EQ(messages.texts(), std::vector{c.message}) << c.box;
        EXPECT_TRUE(form->isVisible()) << c.box;
        EXPECT_TRUE(form->Command1->isEnabled());
        EXPECT_TRUE(orderFiles().empty()) << c.box;
    }
}

}  // namespace
