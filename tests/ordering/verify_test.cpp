#include "orderingfixture.h"

#include "model/file/designwriter.h"
#include "ordering/frmVerifyOrder.h"
#include "platform/webbrowser.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

namespace {

constexpr const char* kThanks = "Thank you for your order. Please check your email for confirmation";
constexpr int kWebWaitMs = 30000;
constexpr const char* kRefused =
    "The order server did not accept the order. Your details are kept: press Place Order to try again, or Back to "
    "change them. If it happens again, please contact us at orders@brackenfold.example.";

class VerifyTest : public orderingtest::OrderingTest {
protected:
    ordering::frmVerifyOrder& continueAndLoad()
    {
        ordering::frmVerifyOrder& verify = form->verify();
        QSignalSpy loaded(verify.WebBrowser1, &platform::WebBrowser::loaded);
        form->Command1->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, kWebWaitMs));
        EXPECT_TRUE(!loaded.isEmpty() && loaded.first().at(1).toBool());
        return verify;
    }

    // Presses the page's own button, as the buyer does.
    static void pressPlaceOrder(ordering::frmVerifyOrder& verify, const QString& before = {})
    {
        verify.WebBrowser1->view()->page()->runJavaScript(before +
                                                          "document.querySelector(\"input[type=submit]\").click()");
    }

    long thanks() const { return std::ranges::count(messages.texts(), std::string(kThanks)); }
};

TEST_F(VerifyTest, PlacingAnOrder)
{
    open(1);
    fillSoundOrder();
    bool continueEnabledDuringFetch = true;
    transfer.paths.clear();
    transfer.onFetch = [&] { continueEnabledDuringFetch &= form->Command1->isEnabled(); };
    form->Command1->click();
    transfer.onFetch = nullptr;

    EXPECT_TRUE(messages.shown.empty()) << messages.texts().front();
    EXPECT_EQ(transfer.paths, (std::vector<std::string>{"/State.txt", "/tax.txt"}));
    EXPECT_FALSE(continueEnabledDuringFetch);
    EXPECT_TRUE(form->Command1->isEnabled() && !form->isVisible() && form->verify().isVisible());
    // Loaded, not yet activated: the amounts as the record holds them, without "$".
    const ordering::frmVerifyOrder& verify = form->verify();
    EXPECT_EQ(QStringList({verify.lblPrice->text(), verify.lblTax->text(), verify.lblShipping->text(),
                           verify.lblTotal->text()}).join('|'), " 45|0.088|0| 48.96");
    EXPECT_EQ(verify.windowHandle()->transientParent(), form->windowHandle());
    const ordering::OrderRecord& r = form->record;
    EXPECT_EQ(form->boxText("txtCardNumber").toStdString() + "|" + r.TaxText + "|" + r.TotalText + "|" + r.OrderNumber,
              "4111 1111 1111 1111|0.088| 48.96|ANMBEL125200934507PM");
    // The posting page is held in memory only, no file made anywhere; Cancel lets it go.
    EXPECT_TRUE(orderFiles().empty());
    EXPECT_NE(form->postingPage().find("ANMBEL125200934507PM.qle"), std::string::npos);
    form->verify().cmdCancel_Click();
    EXPECT_TRUE(form->postingPage().empty());

    // Without the state's trailing blank no tax applies.
    writeText("State.txt", "Oregon");
    open(1);
    form->Command1->click();
    EXPECT_EQ(r.TaxText + "|" + r.TotalText, "0.00| 45");
    // Closing the window removes the page and stops the watch too.
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->verify().Timer1.isActive(); }, 1000));
    form->verify().close();
    EXPECT_TRUE(form->postingPage().empty() && !form->verify().Timer1.isActive());
}

TEST_F(VerifyTest, RefusedPostThenBackThenAnOrderStoredAndThankedOnce)
{
    open(1);
    fillSoundOrder(false);
    ordering::frmVerifyOrder& verify = continueAndLoad();
    // No tax: the card holder lives elsewhere.
    EXPECT_EQ(QStringList({verify.windowTitle(), verify.lblPrice->text(), verify.lblShipping->text(),
                           verify.lblTax->text(), verify.lblTotal->text(), verify.LblPO->text(),
                           verify.boxText("txtFirstName"), verify.boxText("txtCardHoldersFirstName"),
                           verify.boxText("cmbCardHoldersState"), verify.boxText("txtCardNumber")}).join('|'),
              "Quillock - Verify Order Info|$ 45|Free Shipping!|$0.00|$ 45|OTXBEL125200934507PM|Anna|Otto|Texas |"
              "4111111111111111");

    QSignalSpy loaded(verify.WebBrowser1, &platform::WebBrowser::loaded);
    pressPlaceOrder(verify, "document.querySelector(\"input[name=ordernum]\").remove();");  // the server refuses it
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, kWebWaitMs));
    EXPECT_TRUE(loaded.first().at(0).toString().endsWith(ordering::kOrderScriptPath.data()) &&
                !loaded.first().at(1).toBool());
    // Said in the program's words, the page loaded again for another try; the script's address in any case.
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded.size() > 1; }, kWebWaitMs));
    EXPECT_TRUE(loaded.at(1).at(1).toBool());
    emit verify.WebBrowser1->loaded(loaded.first().at(0).toString().toUpper(), false);
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, kRefused));
    EXPECT_TRUE(thanks() == 0 && verify.isVisible() && verify.Timer1.isActive() && storedOrders().empty());

    verify.Command1->click();  // Back
    EXPECT_FALSE(verify.isVisible() || verify.Timer1.isActive());
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->isVisible(); }, 1000));
    form->setBoxText("txtCity", "Portland");
    continueAndLoad();
    EXPECT_TRUE(verify.boxText("txtCity") == "Portland" && verify.Timer1.isActive());

    std::string expected = model::writeDesignText(model::currentDesign());
    for (const std::string& line : ordering::orderLines(form->record)) expected += line + "\r\n";
    pressPlaceOrder(verify);
    ASSERT_TRUE(QTest::qWaitFor([&] { return thanks() > 0; }, kWebWaitMs));
    QTest::qWait(100);
    EXPECT_EQ(thanks(), 1);
    EXPECT_FALSE(verify.isVisible() || verify.Timer1.isActive() || !orderFiles().empty());
    const auto stored = storedOrders();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].orderNumber + "|" + stored[0].orderText, "OTXBEL125200934507PM|" + expected);
}

}  // namespace
