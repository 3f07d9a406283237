#include "orderingfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace {

using orderingtest::OrderingTest;
using Texts = std::vector<std::string>;

const std::string kContact = "\r\nPlease contact us at orders@brackenfold.example for more information";
const std::string kFailure = "Must be connected to the internet to place order. Please contact us at "
                             "orders@brackenfold.example for an alternate ordering method.";
const std::string kAddressRefused =
    "The order server's address in QUILLOCK_ORDER_SERVER is not allowed. Give an https address, or http only for "
    "this computer (127.0.0.1, localhost or ::1), without a user name or password.";
// A user name that looks like the loopback host, in front of another machine.
const char* kDisguisedAddress = "http://127.0.0.1:1@192.0.2.2:18766";

TEST(ServerAddress, HttpsOrLoopbackHttpOnlyDecidedOnTheHost)
{
    const std::pair<const char*, const char*> accepted[] = {
        {nullptr, ordering::kDefaultOrderServer}, {"", ordering::kDefaultOrderServer},
        {"https://orders.example.com/", "https://orders.example.com"},
        {"HTTPS://Orders.Example.COM:8443", "https://orders.example.com:8443"},
        {"http://127.0.0.1:8080", "http://127.0.0.1:8080"}, {"http://localhost:9/", "http://localhost:9"},
        {"HTTP://LOCALHOST", "http://localhost"}, {"http://[::1]:80", "http://[::1]:80"}};
    for (const auto& [configured, address] : accepted)
        EXPECT_EQ(ordering::orderServerAddress(configured), address) << (configured ? configured : "null");
    for (const char* refused : {"http://orders.example.com", "http://127.0.0.2", "http://[::2]:80", "ftp://127.0.0.1",
                                "http://127.0.0.1.evil.example", "http://127.0.0.1@evil.example", kDisguisedAddress,
                                "https://user:pw@orders.example.com", "http://127.0.0.1:8080?x=1", "https://",
                                "127.0.0.1:8080"})
        EXPECT_EQ(ordering::orderServerAddress(refused), std::nullopt) << refused;
}

TEST(ServerAddress, TheOrderScriptKnownByItsAddressWithDefaultPortsApplied)
{
    // Browsers drop a default port the address names, and may spell the path in capitals.
    const std::pair<const char*, const char*> same[] = {
        {"http://127.0.0.1/images/cdif/cdif.php", "http://127.0.0.1:80"},
        {"https://orders.example/images/cdif/cdif.php", "https://orders.example:443"},
        {"https://orders.example:443/IMAGES/CDIF/CDIF.PHP", "https://orders.example"},
        {"http://127.0.0.1:8080/images/cdif/cdif.php", "http://127.0.0.1:8080"}};
    for (const auto& [url, server] : same) EXPECT_TRUE(ordering::isOrderScript(url, server)) << url << " " << server;
    const std::pair<const char*, const char*> other[] = {
        {"http://127.0.0.1:8080/images/cdif/cdif.php", "http://127.0.0.1"},
        {"http://127.0.0.1:443/images/cdif/cdif.php", "https://127.0.0.1"},
        {"https://orders.example/images/cdif/cdif.php", "http://orders.example:443"},
        {"https://other.example/images/cdif/cdif.php", "https://orders.example"},
        {"https://orders.example/", "https://orders.example:443"},
        {"https://orders.example/images/cdif/cdif.php?x=1", "https://orders.example"},
        {"", "https://orders.example"}};
    for (const auto& [url, server] : other) EXPECT_FALSE(ordering::isOrderScript(url, server)) << url << " " << server;
}

TEST_F(OrderingTest, ActivationRepliesAndTheirMessages)
{
    // No reply: the server is down; no message: none shown.
    const struct { std::optional<std::string> reply; std::string message; } cases[] = {
        {"1", ""},  // the only reply that keeps the form open
        {"3", ""},
        {"", "You must be connected to the internet to place an order." + kContact},
        {"0", "Brackenfold LLC is not currently taking orders. Sorry for the inconvenience." + kContact},
        {"2", "This version of Quillock is no longer valid. Please download the latest version. Sorry for the "
              "inconvenience." + kContact},
        {std::nullopt, kFailure},
    };
    for (const auto& c : cases) {
        if (c.reply) writeText("v120.txt", *c.reply);
        else stopServerNow();
        messages.shown.clear();
        open(1);
        const std::string reply = c.reply.value_or("down");
        EXPECT_EQ(messages.texts(), c.message.empty() ? Texts{} : Texts{c.message}) << reply;
        EXPECT_FALSE(!c.reply && (form->isVisible() || form->Timer1.isEnabled())) << "down: closed at once, no timer";
        // The form's tick decides whether it stays open.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->Timer1.isEnabled(); }, kWaitMs)) << reply;
        EXPECT_EQ(form->isVisible(), reply == "1") << reply;
    }
    EXPECT_EQ(form->ListQuantity->currentText() + "|" + form->txtTerms->toPlainText() + "|" + form->windowTitle(),
              QString::fromUtf8("1|No refunds\nCaf\xc3\xa9|Quillock - Buy Plans"));
    // The fixed lists and texts; the expiry years run ten years from the clock's.
    const auto items = [this](const char* box, std::initializer_list<int> at) {
        const auto* list = form->findChild<QComboBox*>(box);
        QStringList picked{QString::number(list->count())};
        for (const int i : at) picked << list->itemText(i);
        return picked.join('|');
    };
    for (const char* states : {"cmbState", "cmbCardHoldersState"})
        EXPECT_EQ(items(states, {0, 9, 37, 51, 55}), "56|Alabama |District of Columbia |Northern Marianas Islands |"
                                                     "Virgin Islands |Wyoming ");
    EXPECT_EQ(items("cmbCardExpDateMonth", {0, 8, 11}), "12|01|09|12");
    EXPECT_EQ(items("cmbCardExpDateYear", {0, 9}), "10|2009|2018");
    EXPECT_EQ(items("cmbCardType", {0, 1, 2, 3}), "4|Visa|MasterCard|American Express|Discover/Novus");
    EXPECT_EQ(items("ListQuantity", {0, 9}), "10|1|10");
    EXPECT_EQ(form->Text1->toPlainText(),
              "- Your credit card will not be processed until your plans are generated. \n"
              "- You will receive a receipt with your plans via email. \n"
              "- The plans will be compressed within a zip file and sent as an attachment to your email address. \n"
              "- Please be sure that you are able to receive email attachments up to 5 megabytes.\n"
              "- Your information will NEVER be shared with anyone for any reason. \n"
              "- Your information is encrypted before the order is sent to ensure a secure transaction.\n");
}

TEST_F(OrderingTest, PriceCaptionFetchesAndQuantity)
{
    const auto price = [this] {
        return form->lblPrice->text().toStdString() + "|" + form->record.PriceText + "|" + form->record.ShippingText;
    };
    open(1);
    EXPECT_EQ(transfer.paths, (Texts{"/v120.txt", "/price.txt", "/shipping.txt", "/terms.txt"}));
    EXPECT_EQ(price(), "Full size plans = $ 45 US| 45|0");
    // Opened again at once from a slow server: the last opening's tick closes nothing.
    transfer.onFetch = [waited = false]() mutable { if (!std::exchange(waited, true)) QTest::qWait(150); };
    open(1);
    transfer.onFetch = nullptr;
    EXPECT_TRUE(form->isVisible());
    writeText("shipping.txt", "12.50");
    chooseQuantity(2);
    EXPECT_EQ(price(), "Full size plans = $135 US|135|12.50");
    // The same quantity chosen again still acts: the blank goes.
    open(1);
    chooseQuantity(0);
    EXPECT_EQ(price(), "Full size plans = $45 US|45|12.50");
    EXPECT_EQ(transfer.paths.back(), "/shipping.txt");
    open(2);
    EXPECT_EQ(transfer.paths, (Texts{"/v120.txt", "/pricemodel.txt", "/shippingmodel.txt", "/terms.txt"}));
    EXPECT_EQ(form->lblPrice->text(), "3 foot scale model plans = $ 12.5 US");

    // Opened from elsewhere before any Plans choice: no price, and the quantity list does nothing.
    auto fresh = std::make_unique<ordering::frmPurchase>(messages, transfer);
    std::swap(form, fresh);
    open(0);
    chooseQuantity(3);
    EXPECT_EQ(transfer.paths, (Texts{"/v120.txt", "/terms.txt"}));
    EXPECT_EQ(form->lblPrice->text(), "");

    // A failed fetch during the quantity choice: the message, the form works on.
    std::swap(form, fresh);
    stopServerNow();
    chooseQuantity(4);
    EXPECT_EQ(messages.texts(), Texts{kFailure});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->lblPrice->text(), "3 foot scale model plans = $62.5 US");
}

TEST_F(OrderingTest, RefusalsAndErrorsLeaveNoOrderFileAboutAndCancel)
{
    open(1);
    EXPECT_EQ(form->boxText("txtZip"), "blank");
    const struct { const char *box, *text; std::string message; } cases[] = {
        {"txtLastName", "Smith & Sons", "The character & is not allowed in Smith & Sons"},
        {"txtCardHoldersFirstName", "", "Please provide card holders first name."},
        {"cmbCardType", "MasterCard", "Card type does not match card number. Please double check the card type."},
        {"txtCardNumber", "4111 1111 1111 1112",
         "The Visa number entered, 4111111111111112, is invalid.\r\rPlease check the number and try again."},
        {"tax.txt", "", kFailure},
        {"address", kDisguisedAddress, kAddressRefused},
        {"kind", "", "Please choose the kind of plans from the Plans menu before you order."},
    };
    const std::string server = ordering::orderServerAddress().value();
    for (const auto& c : cases) {
        const std::string_view box = c.box;
        fillSoundOrder(box != "txtCardHoldersFirstName");
        if (box == "tax.txt") std::filesystem::remove(folder_ / box);
        else if (box == "address") setenv(ordering::kOrderServerVariable, c.text, 1);
        else if (box == "kind") form->OrderType = 0;
        else form->setBoxText(c.box, c.text);
        messages.shown.clear();
        form->Command1->click();
        setenv(ordering::kOrderServerVariable, server.c_str(), 1);
        EXPECT_EQ(messages.texts(), Texts{c.message}) << box;
        EXPECT_TRUE(form->isVisible() && form->Command1->isEnabled() && orderFiles().empty()) << box;
    }

    messages.shown.clear();
    form->Command3->click();
    EXPECT_EQ(messages.texts(), Texts{"Your information will NEVER be shared with anyone for any reason. Your "
                                      "information is encrypted before the order is sent to ensure a secure "
                                      "transaction."});
    // Cancel keeps the boxes and the same-info box for the next opening.
    EXPECT_FALSE(form->FrameBilling->isEnabled());
    form->chkSameInfo->click();
    form->setBoxText("txtCity", "Portland");
    form->Command2->click();
    EXPECT_FALSE(form->isVisible());
    open(1);
    EXPECT_TRUE(form->boxText("txtCity") == "Portland" && form->FrameBilling->isEnabled());
}

TEST_F(OrderingTest, TermsWrapUnlessALineIsTooLongToWrapAtOnce)
{
    const std::string longestWrapped(10000, 'x');
    writeText("terms.txt", "Terms\r\n" + longestWrapped);
    open(1);
    EXPECT_EQ(form->txtTerms->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    writeText("terms.txt", "Terms\r" + longestWrapped + "x");
    open(1);
    // Wrapped, the next line would hold the form for minutes: fail here rather than wait. Its time is benchmarked.
    ASSERT_EQ(form->txtTerms->lineWrapMode(), QPlainTextEdit::NoWrap);
    const std::string line(std::size_t(platform::kMaxTransferBytes), 'x');
    writeText("terms.txt", line);
    open(1);
    EXPECT_TRUE(messages.shown.empty() && form->txtTerms->toPlainText().toStdString() == line);
}

// A price, a price for the quantity, a tax rate, or a total of amounts each held, past what a number holds: said as
// prices not read, and no order is placed.
TEST_F(OrderingTest, AmountsOrTheirTotalTooLargeToHoldPlaceNoOrder)
{
    writeText("price.txt", "1e400");
    open(1);
    EXPECT_FALSE(form->isVisible());
    writeText("price.txt", "1e308");
    open(1);
    fillSoundOrder();
    chooseQuantity(1);  // 2 sets
    EXPECT_EQ(form->lblPrice->text(), "");
    form->Command1->click();
    chooseQuantity(0);  // 1 set holds; the tax on it, for the card holder's state, does not
    EXPECT_EQ(form->lblPrice->text(), "Full size plans = $1E+308 US");
    writeText("tax.txt", "1e400");
    form->Command1->click();
    writeText("tax.txt", "1");  // 1E+308 and as much again in tax
    form->Command1->click();
    EXPECT_EQ(messages.texts(), Texts(5, kFailure));
    EXPECT_TRUE(form->postingPage().empty() && form->isVisible());
}

}  // namespace
