#include "loopbackserver.h"
#include "orderingfixture.h"
#include "tests/server/serverprocess.h"

#include "model/file/designwriter.h"
#include "ordering/frmVerifyOrder.h"
#include "platform/webbrowser.h"
#include "platform/windowplacement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QStringEncoder>
#include <QTcpServer>
#include <QWebEngineCertificateError>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

#include <csignal>
#include <functional>

namespace {

constexpr const char* kThanks = "Thank you for your order. Please check your email for confirmation";
constexpr const char* kRefused =
    "The order server did not accept the order. Your details are kept: press Place Order to try again, or Back to "
    "change them. If it happens again, please contact us at orders@brackenfold.example.";
constexpr const char* kUnreached =
    "The order server could not be reached. Your details are kept: check your connection and press Place Order to try "
    "again later, or Back to change them. If it happens again, please contact us at orders@brackenfold.example.";
constexpr const char* kStopped = "The order page stopped before the order server answered, so the order may already "
    "have reached us. Your details are kept: press Place Order to send the same order again (it is kept only once), or "
    "Back to change them. To learn whether it arrived, please contact us at orders@brackenfold.example.";
constexpr const char* kNotShown = "The order page could not be shown. Your details are kept: press Back, then Continue "
    "to try again. If it happens again, please contact us at orders@brackenfold.example.";

class VerifyTest : public orderingtest::OrderingTest {
protected:
    // Continue, then the posting page loaded with the watch running: a load left from before the Continue may end
    // first, and that one is not the page this Continue shows.
    ordering::frmVerifyOrder& continueAndLoad()
    {
        ordering::frmVerifyOrder& verify = form->verify();
        bool shown = false;
        const auto watched = QObject::connect(verify.WebBrowser1, &platform::WebBrowser::loaded,
                                              [&](const QString&, bool ok) { shown |= ok && verify.Timer1.isActive(); });
        form->Command1->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown; }, kWaitMs));
        QObject::disconnect(watched);
        return verify;
    }

    // Presses the page's own button, as the buyer does.
    static void pressPlaceOrder(ordering::frmVerifyOrder& verify, const QString& before = {})
    {
        verify.WebBrowser1->view()->page()->runJavaScript(before +
                                                          "document.querySelector(\"input[type=submit]\").click()");
    }

    // The posting page shown again as a page of the server at `address`, as the page of an order placed there.
    void movePageTo(ordering::frmVerifyOrder& verify, const QString& address)
    {
        setenv(ordering::kOrderServerVariable, address.toUtf8().constData(), 1);
        QSignalSpy loaded(verify.WebBrowser1, &platform::WebBrowser::loaded);
        verify.Form_Activate();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, kWaitMs));
    }

    // Presses Place Order on the page moved to the server at `address`, its form posting there.
    void placeAt(ordering::frmVerifyOrder& verify, const QString& address)
    {
        movePageTo(verify, address);
        pressPlaceOrder(verify, "document.forms[0].action = '" + address + ordering::kOrderScriptPath.data() + "';");
    }

    QString realAddress() const { return "http://127.0.0.1:" + QString::number(server_->port()); }

    static bool waiting()
    {
        return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    }

    // Kills the page's own process, as the system may, at each load whose address `endsAt` takes, and at each new
    // process (an empty address).
    std::function<bool(const QUrl&)> endsAt = [](const QUrl&) { return false; };
    void endPageProcesses()
    {
        QWebEnginePage* page = form->verify().WebBrowser1->view()->page();
        const auto end = [this, page](const QUrl& url) {
            if (endsAt(url) && page->renderProcessPid() > 0) ::kill(pid_t(page->renderProcessPid()), SIGKILL);
        };
        QObject::connect(page, &QWebEnginePage::loadingChanged, page, [end](const auto& info) { end(info.url()); });
        QObject::connect(page, &QWebEnginePage::renderProcessPidChanged, page, [end] { end({}); });
    }

    long thanks() const { return std::ranges::count(messages.texts(), std::string(kThanks)); }

    // The server as its own program in place of the test's, on the same texts and store.
    std::unique_ptr<servertest::ServerProcess> startServerProgram()
    {
        stopServerNow();
        auto process = std::make_unique<servertest::ServerProcess>(folder_);
        setenv(ordering::kOrderServerVariable, ("http://127.0.0.1:" + std::to_string(process->port())).c_str(), 1);
        return process;
    }

    // A sound order numbered `i` seconds after the fixed clock, placed and thanked; the card holder lives in the taxed
    // state.
    bool placeNumbered(int i)
    {
        form->clock = [i] { return orderingtest::fixedClock() + std::chrono::seconds(i); };
        open(1);
        fillSoundOrder();
        const long before = thanks();
        pressPlaceOrder(continueAndLoad());
        return QTest::qWaitFor([&] { return thanks() == before + 1; }, kWaitMs);
    }

    // The stored orders as the maker's tool lists them.
    std::string orderListing()
    {
        const std::string secret = (folder_ / "secret.key").string();
        std::string error;
        EXPECT_TRUE(orderserver::writeKeyFile(secret, keys_.secretKey, error)) << error;
        return servertest::runProgram("--read-orders " + storePath().string() + " --secret-key " + secret).output;
    }

    // Whether this process may listen on `port` of 127.0.0.1 (below 1024 usually only as root).
    static bool mayListenOn(int port)
    {
        QTcpServer probe;
        return probe.listen(QHostAddress::LocalHost, quint16(port));
    }
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
    // Owned as the form is, never by the hidden form.
    EXPECT_EQ(verify.windowHandle()->transientParent(), form->windowHandle()->transientParent());
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
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->verify().Timer1.isActive(); }, kWaitMs));
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, kWaitMs));
    EXPECT_TRUE(loaded.first().at(0).toString().endsWith(ordering::kOrderScriptPath.data()) &&
                !loaded.first().at(1).toBool());
    // Said in the program's words, the page loaded again for another try; the script's address in any case.
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded.size() > 1; }, kWaitMs));
    EXPECT_TRUE(loaded.at(1).at(1).toBool());
    emit verify.WebBrowser1->loaded(loaded.first().at(0).toString().toUpper(), false,
                                   platform::WebBrowser::Failure::ErrorAnswer);
    EXPECT_TRUE(QTest::qWaitFor([this] { return messages.shown.size() > 1; }, kWaitMs));
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, kRefused));
    EXPECT_TRUE(thanks() == 0 && verify.isVisible() && verify.Timer1.isActive() && storedOrders().empty());

    verify.Command1->click();  // Back
    EXPECT_FALSE(verify.isVisible() || verify.Timer1.isActive());
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->isVisible(); }, kWaitMs));
    form->setBoxText("txtCity", "Portland");
    continueAndLoad();
    EXPECT_TRUE(verify.boxText("txtCity") == "Portland" && verify.Timer1.isActive());

    std::string expected = model::writeDesignText(model::currentDesign());
    for (const std::string& line : ordering::orderLines(form->record)) expected += line + "\r\n";
    pressPlaceOrder(verify);
    ASSERT_TRUE(QTest::qWaitFor([&] { return thanks() > 0; }, kWaitMs));
    QTest::qWait(100);
    EXPECT_EQ(thanks(), 1);
    EXPECT_FALSE(verify.isVisible() || verify.Timer1.isActive() || !orderFiles().empty());
    const auto stored = storedOrders();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].orderNumber + "|" + stored[0].orderText, "OTXBEL125200934507PM|" + expected);
}

// Shipping and tax texts saved with a line end, as most editors save them: the order is placed, the server program
// thanks for it, and the maker's tool reads it back with the amounts right.
TEST_F(VerifyTest, ServedAmountsEndingInALineEndArePlacedThankedAndStoredWithTheirAmounts)
{
    const auto process = startServerProgram();
    const std::string ends[] = {"\n", "\r\n", "\r"};
    for (int i = 0; i < 3; ++i) {
        writeText("shipping.txt", "8.50" + ends[i]), writeText("tax.txt", "0.088" + ends[i]);
        ASSERT_TRUE(placeNumbered(i)) << i;
    }
    const std::string listing = orderListing();
    for (const char* second : {"07", "08", "09"})
        EXPECT_EQ(servertest::occurrences(listing, second + std::string("PM\r\n 45\r\n8.50\r\n0.088\r\n 48.96\r\n\n")), 1u)
            << listing;
}

// Price, tax and State texts as an editor may save them: a byte-order mark in front, line ends after. Each order is
// charged the price and tax the texts name.
TEST_F(VerifyTest, ServedTextsWithAByteOrderMarkOrLineEndsChargeTheirPriceAndTax)
{
    const auto process = startServerProgram();
    const std::string mark = "\xEF\xBB\xBF";
    const struct { std::string price, tax, state; } rows[] = {{mark + "45\r\n", "0.088", "Oregon "},
                                                              {"45", mark + "0.088\n", "Oregon "},
                                                              {"45", "0.088", "Oregon \n"},
                                                              {"45", "0.088", mark + "Oregon \r\n"}};
    for (int i = 0; i < 4; ++i) {
        writeText("price.txt", rows[i].price), writeText("tax.txt", rows[i].tax);
        writeText("State.txt", rows[i].state);
        ASSERT_TRUE(placeNumbered(i)) << i;
    }
    const std::string listing = orderListing();
    for (const char* second : {"07", "08", "09", "10"})
        EXPECT_EQ(servertest::occurrences(listing, second + std::string("PM\r\n 45\r\n0\r\n0.088\r\n 48.96\r\n\n")), 1u)
            << second << "\n" << listing;
}

// `utf8` as an editor saving UTF-16 writes it: a byte-order mark, then the characters in the given byte order.
std::string utf16(std::string_view utf8, QStringConverter::Encoding order)
{
    QStringEncoder encoder(order, QStringConverter::Flag::WriteBom);
    return QByteArray(encoder.encode(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())))).toStdString();
}

// Texts saved as UTF-16 in either byte order, or as UTF-8 with or without a mark, read as their editor wrote them: the
// form, the verify window and the stored order carry their characters, and only the state written as the list's item,
// trailing blank included, is taxed.
TEST_F(VerifyTest, ServedTextsAreReadInTheEncodingTheirEditorSavedAndTheStateIsComparedWhole)
{
    const auto process = startServerProgram();
    const std::string mark = "\xEF\xBB\xBF", terms = "Caf\xC3\xA9 \xE2\x80\x94 \xC2\xA9 2026";
    const std::string shipping = "8.50 \xE2\x82\xAC";  // the euro sign: one character, one blank in the order
    const auto le = [](std::string_view text) { return utf16(text, QStringConverter::Utf16LE); };
    const auto be = [](std::string_view text) { return utf16(text, QStringConverter::Utf16BE); };
    const struct { std::string price, tax, state, shipping, terms; } rows[] = {
        {le("45\r\n"), le("0.088\r\n"), le("Oregon \r\n"), shipping, terms},
        {be("45"), be("0.088"), be("Oregon "), be(shipping), mark + terms + "\r\n"},
        {"45", le("0.088"), le("Oregon\r\n"), le(shipping), le(terms)},
        {"45", "0.088", mark + " Oregon \n", shipping, terms}};
    for (int i = 0; i < 4; ++i) {
        writeText("price.txt", rows[i].price), writeText("tax.txt", rows[i].tax), writeText("State.txt", rows[i].state);
        writeText("shipping.txt", rows[i].shipping), writeText("terms.txt", rows[i].terms);
        ASSERT_TRUE(placeNumbered(i)) << i;
        const ordering::frmVerifyOrder& verify = form->verify();
        EXPECT_EQ(QStringList({form->txtTerms->toPlainText(), verify.lblShipping->text(), verify.lblPrice->text()})
                      .join('|').toStdString(), terms + "|$" + shipping + "|$ 45") << i;
    }
    const std::string listing = orderListing();
    const std::string taxed = "\r\n 45\r\n8.50  \r\n0.088\r\n 48.96\r\n\n";
    const std::string untaxed = "\r\n 45\r\n8.50  \r\n0.00\r\n 45\r\n\n";
    for (const auto& [second, charged] :
         {std::pair{"07PM", taxed}, {"08PM", taxed}, {"09PM", untaxed}, {"10PM", untaxed}})
        EXPECT_EQ(servertest::occurrences(listing, second + charged), 1u) << second << "\n" << listing;
}

// Whether `label` draws its text as it stands: as a plain-text label of its text, font and size draws it.
bool showsItsTextAsItStands(QLabel& label)
{
    QWidget holder;  // a child like `label`, so its background is drawn as a child's
    QLabel plain(label.text(), &holder);
    plain.setTextFormat(Qt::PlainText);
    plain.setFont(label.font());
    plain.setAlignment(label.alignment());
    plain.setWordWrap(label.wordWrap());
    plain.resize(label.size());
    return plain.grab().toImage() == label.grab().toImage();
}

// Served text with markup in it shows as it stands: no bold fake total under the real one.
TEST_F(VerifyTest, ServedAndTypedTextsShowAsPlainText)
{
    writeText("shipping.txt", "0<br><b>Total: $0.00 - order is free</b>");
    writeText("tax.txt", "0.088<br><img src=\"x.png\">");
    open(1);
    fillSoundOrder();
    ordering::frmVerifyOrder& verify = continueAndLoad();
    EXPECT_EQ(verify.lblShipping->text() + "|" + verify.lblTax->text(),
              "$0<br><b>Total: $0.00 - order is free</b>|$0.088<br><img src=\"x.png\">");
    for (QLabel* label : {verify.lblPrice, verify.lblTax, verify.lblShipping, verify.lblTotal, verify.LblPO})
        EXPECT_TRUE(showsItsTextAsItStands(*label)) << label->objectName().toStdString();
}

// The real server stopped: the post reaches no one, which is not called a refusal; the order waits for the server's
// return on the same port.
TEST_F(VerifyTest, AServerThatCannotBeReachedIsToldSoAndTheOrderGoesThroughOnceItIsBack)
{
    orderserver::ServerOptions options = serverOptions();
    options.port = server_->port();
    open(1);
    fillSoundOrder();
    ordering::frmVerifyOrder& verify = continueAndLoad();
    stopServerNow();
    pressPlaceOrder(verify);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.shown.empty(); }, kWaitMs));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kUnreached});
    EXPECT_TRUE(thanks() == 0 && verify.isVisible() && verify.Timer1.isActive());
    EXPECT_EQ(form->boxText("txtCardNumber"), "4111 1111 1111 1111");

    startServer(options);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !verify.WebBrowser1->LocationURL().isEmpty(); }, kWaitMs));
    pressPlaceOrder(verify);
    ASSERT_TRUE(QTest::qWaitFor([this] { return thanks() > 0; }, kWaitMs));
    EXPECT_EQ(storedOrders().size(), 1u);
}

// The real server answering with an error status keeps the refusal's words, whatever the status.
TEST_F(VerifyTest, AServerAnsweringWithAnErrorIsARefusal)
{
    open(1);
    fillSoundOrder();
    ordering::frmVerifyOrder& verify = continueAndLoad();
    // A message past the server's size limit: it answers before storing anything.
    pressPlaceOrder(verify, "document.querySelector(\"input[name=message]\").value = 'x'.repeat(" +
                                QString::number(orderserver::kMaxPostBytes) + ");");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.shown.empty(); }, kWaitMs));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kRefused});
    EXPECT_TRUE(thanks() == 0 && verify.isVisible() && storedOrders().empty());
}

// The server's address names its scheme's default port, which the browser drops from the addresses it reports.
TEST_F(VerifyTest, AServerNamingItsDefaultPortSeesRefusalsAndThanksAndTheCardIsForgotten)
{
    const std::string cert = (folder_ / "cert.pem").string(), key = (folder_ / "key.pem").string();
    const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=localhost -addext "
                             "subjectAltName=DNS:localhost,IP:127.0.0.1 -keyout " + key + " -out " + cert + " 2>/dev/null";
    if (!mayListenOn(80) || !mayListenOn(443)) GTEST_SKIP() << "ports 80 and 443 of 127.0.0.1 are not ours to use";
    ASSERT_EQ(std::system(make.c_str()), 0) << "openssl makes the test certificate";
    // The fetches and the browser trust the test certificate, the fetches as if it came from an authority.
    QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
    const QSslConfiguration saved = trusted;
    trusted.addCaCertificates(QString::fromStdString(cert));
    QSslConfiguration::setDefaultConfiguration(trusted);
    ordering::frmVerifyOrder& verify = form->verify();
    QObject::connect(verify.WebBrowser1->view()->page(), &QWebEnginePage::certificateError,
                     [](QWebEngineCertificateError error) { error.acceptCertificate(); });
    std::vector<std::string> pageAtMessage;
    messages.onShow = [&] { pageAtMessage.push_back(verify.WebBrowser1->LocationURL().toStdString()); };

    const struct { const char* address; int port; bool tls; const char* page; } servers[] = {
        {"http://127.0.0.1:80", 80, false, "http://127.0.0.1/"}, {"https://localhost:443", 443, true, "https://localhost/"}};
    for (const auto& server : servers) {
        SCOPED_TRACE(server.address);
        orderserver::ServerOptions options = serverOptions();
        options.port = server.port;
        if (server.tls) options.certFile = cert, options.keyFile = key;
        stopServerNow();
        startServer(options);
        setenv(ordering::kOrderServerVariable, server.address, 1);
        messages.shown.clear(), pageAtMessage.clear();
        open(1);
        fillSoundOrder();
        form->setBoxText("txtMiddleName", QString::fromUtf8("\xc3\xa9lan"));
        continueAndLoad();

        // Refused, then not reached at all: each said once, over the posting page loaded again.
        pressPlaceOrder(verify, "document.querySelector(\"input[name=ordernum]\").remove();");
        const auto saidAndBack = [&](std::size_t count) {
            return messages.shown.size() == count && !verify.WebBrowser1->LocationURL().isEmpty();
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return saidAndBack(1); }, kWaitMs));
        stopServerNow();
        pressPlaceOrder(verify);
        ASSERT_TRUE(QTest::qWaitFor([&] { return saidAndBack(2); }, kWaitMs));
        EXPECT_EQ(messages.texts(), (std::vector<std::string>{kRefused, kUnreached}));
        EXPECT_EQ(pageAtMessage, std::vector<std::string>(2, server.page));

        startServer(options);
        const std::string number = "AN\xc3\x89" "BEL125200934507PM";  // the middle name's letter upper-cased too
        EXPECT_EQ(form->record.OrderNumber, number);
        pressPlaceOrder(verify);
        ASSERT_TRUE(QTest::qWaitFor([&] { return thanks() > 0; }, kWaitMs));
        QTest::qWait(100);
        EXPECT_EQ(thanks(), 1);
        EXPECT_FALSE(verify.isVisible());
        const auto stored = storedOrders();
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].orderNumber, number);
        // The card's number and code go; its type and expiry and every other box stay for the next order.
        QStringList kept;
        for (const char* box : {"txtCardNumber", "txtCardSecurityCode", "cmbCardType", "cmbCardExpDateMonth",
                                "cmbCardExpDateYear", "txtMiddleName", "txtCity", "txtEmailAddress"})
            kept << form->boxText(box);
        EXPECT_EQ(kept.join('|').toStdString(), "||Visa|07|2012|\xc3\xa9lan|Salem|anna_b@mail.example");
        stopServerNow();
        std::filesystem::remove(storePath());
    }
    QSslConfiguration::setDefaultConfiguration(saved);
}

// A posting page whose process ends whenever it runs is said to be unshowable; Back leads to another try.
TEST_F(VerifyTest, APostingPageThatCannotBeShownIsSaidSo)
{
    open(1);
    fillSoundOrder();
    endPageProcesses();
    endsAt = [](const QUrl&) { return true; };
    form->Command1->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, kWaitMs));
    endsAt = [](const QUrl&) { return false; };
    form->verify().Command1->click();  // Back
    continueAndLoad();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kNotShown});
}

// A post ended without any answer may have reached the maker: said so over the page shown again, and the same order
// placed again is stored once.
TEST_F(VerifyTest, APostCutOffMayHaveArrivedAndIsStoredOnceWhenPlacedAgain)
{
    open(1);
    fillSoundOrder();
    ordering::frmVerifyOrder& verify = continueAndLoad();
    const auto saidAndBack = [&](std::size_t count) {
        return messages.shown.size() == count && !verify.WebBrowser1->LocationURL().isEmpty();
    };
    // A server closing the connection unanswered; then the real one, the page's process ending as it posts.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    QObject::connect(&silent, &QTcpServer::newConnection, [&] { silent.nextPendingConnection()->close(); });
    placeAt(verify, "http://127.0.0.1:" + QString::number(silent.serverPort()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return saidAndBack(1); }, kWaitMs));
    endPageProcesses();
    endsAt = [](const QUrl& url) { return url.path() == ordering::kOrderScriptPath.data(); };
    placeAt(verify, realAddress());
    ASSERT_TRUE(QTest::qWaitFor([&] { return saidAndBack(2); }, kWaitMs));
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, kStopped));
    EXPECT_FALSE(QGuiApplication::overrideCursor());

    endsAt = [](const QUrl&) { return false; };
    pressPlaceOrder(verify);
    ASSERT_TRUE(QTest::qWaitFor([this] { return thanks() > 0; }, kWaitMs));
    EXPECT_EQ(storedOrders().size(), 1u);
}

// A server that takes the post and never answers: the post is stopped at its deadline and may have arrived, the wait
// cursor showing until then; the page is ready for the order to go through.
TEST_F(VerifyTest, APostNeverAnsweredEndsAtItsDeadlineWithTheWaitCursorUntilThen)
{
    constexpr std::chrono::seconds kShortDeadline{2};
    orderingtest::LoopbackServer holding(QHostAddress::LocalHost);
    ASSERT_TRUE(holding.listening());
    open(1);
    fillSoundOrder();
    ordering::frmVerifyOrder& verify = continueAndLoad();
    verify.WebBrowser1->setLoadDeadline(kShortDeadline);
    std::vector<bool> waitingAtMessage;
    messages.onShow = [&] { waitingAtMessage.push_back(waiting()); };
    EXPECT_FALSE(waiting());

    placeAt(verify, holding.address());
    ASSERT_TRUE(QTest::qWaitFor([&] { return holding.postsCame() == 1; }, kWaitMs));
    EXPECT_TRUE(waiting());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, kWaitMs));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kStopped});
    EXPECT_EQ(waitingAtMessage, std::vector<bool>{false});
    EXPECT_TRUE(verify.isVisible() && verify.Timer1.isActive() && !verify.WebBrowser1->LocationURL().isEmpty());

    placeAt(verify, realAddress());
    ASSERT_TRUE(QTest::qWaitFor([this] { return thanks() > 0; }, kWaitMs));
    EXPECT_FALSE(waiting());
    EXPECT_EQ(storedOrders().size(), 1u);
}

// A post answered with a redirect to another origin is not followed there, whatever the redirect: nothing reaches the
// other address, and the post may have arrived.
TEST_F(VerifyTest, APostRedirectedToAnotherOriginSendsNothingThere)
{
    orderingtest::LoopbackServer elsewhere(QHostAddress("127.0.0.2"));
    orderingtest::LoopbackServer redirecting(QHostAddress::LocalHost);
    ASSERT_TRUE(elsewhere.listening() && redirecting.listening());
    open(1);
    fillSoundOrder();
    ordering::frmVerifyOrder& verify = continueAndLoad();
    const auto saidAndBack = [&](std::size_t count) {
        return messages.shown.size() == count && !verify.WebBrowser1->LocationURL().isEmpty();
    };
    const QByteArray target = (elsewhere.address() + ordering::kOrderScriptPath.data()).toUtf8();
    const char* statuses[] = {"307 Temporary Redirect", "302 Found"};
    for (std::size_t i = 0; i < std::size(statuses); ++i) {
        redirecting.answer = "HTTP/1.1 " + QByteArray(statuses[i]) + "\r\nLocation: " + target +
                             "\r\nContent-Length: 0\r\n\r\n";
        placeAt(verify, redirecting.address());
        EXPECT_TRUE(QTest::qWaitFor([&] { return saidAndBack(i + 1); }, kWaitMs)) << statuses[i];
    }
    QTest::qWait(200);  // time enough for anything sent on to arrive
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, kStopped));
    EXPECT_EQ(redirecting.postsCame(), 2);
    EXPECT_EQ(elsewhere.connections, 0);
    EXPECT_TRUE(elsewhere.received.isEmpty());
}

// The form hides for the verify window, which then belongs to the shown window that owns the form: the main window,
// or the window that opened the order; after Back and Continue again too. A form without an owner gives it none.
TEST_F(VerifyTest, TheVerifyWindowBelongsToTheShownOwnerOfTheHiddenForm)
{
    QWidget main, opener;
    main.show(), opener.show();
    // Checked once the posting page is shown: the browser's view joining the window replaces its platform window.
    const auto continued = [this] {
        QSignalSpy loaded(form->verify().WebBrowser1, &platform::WebBrowser::loaded);
        form->Command1->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, kWaitMs));
        EXPECT_TRUE(messages.shown.empty()) << messages.texts().front();
        EXPECT_TRUE(!form->isVisible() && form->verify().isVisible());
        const QWindow* owner = form->verify().windowHandle()->transientParent();
        EXPECT_TRUE(!owner || owner->isVisible());
        return owner;
    };
    const auto openFrom = [this, &continued](QWidget& owner) {
        form->hide();
        platform::setOwner(*form, owner);
        open(1);
        fillSoundOrder();
        return continued();
    };
    EXPECT_EQ(openFrom(main), main.windowHandle());
    form->verify().Command1_Click();  // Back
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->isVisible(); }, kWaitMs));
    EXPECT_EQ(form->windowHandle()->transientParent(), main.windowHandle());
    EXPECT_EQ(continued(), main.windowHandle());
    form->verify().cmdCancel_Click();
    EXPECT_EQ(openFrom(opener), opener.windowHandle());
    form->verify().cmdCancel_Click();

    form = std::make_unique<ordering::frmPurchase>(messages, transfer);
    form->clock = orderingtest::fixedClock;
    open(1);
    fillSoundOrder();
    EXPECT_EQ(continued(), nullptr);
    EXPECT_EQ(form->verify().windowType(), Qt::Dialog);
}

}  // namespace
