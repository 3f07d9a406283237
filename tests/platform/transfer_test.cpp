#include "platform/transfer.h"
#include "platform/urlorigin.h"
#include "tests/server/serverfixture.h"
#include "tests/support/testapp.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <map>

namespace {

// A server of the test's own: each request gets its path's answer whole, in one write, and the connection closes.
class CannedServer {
public:
    explicit CannedServer(const QHostAddress& host = QHostAddress::LocalHost)
    {
        listening = server_.listen(host);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(*socket); });
        });
    }

    std::string url(const char* path) const
    {
        return "http://" + server_.serverAddress().toString().toStdString() + ":" +
               std::to_string(server_.serverPort()) + path;
    }

    bool listening = false;
    std::map<QByteArray, QByteArray> answers;  // by path: status line, headers and body

private:
    void answer(QTcpSocket& socket)
    {
        request_ += socket.readAll();
        if (!request_.contains("\r\n\r\n")) return;
        const QByteArray path = request_.split(' ').value(1);
        request_.clear();
        socket.write(answers.count(path) ? answers[path] : "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        socket.disconnectFromHost();
    }

    QTcpServer server_;
    QByteArray request_;
};

QByteArray ok(const QByteArray& body, bool withLength = true)
{
    const QByteArray length = withLength ? "Content-Length: " + QByteArray::number(body.size()) + "\r\n" : "";
    return "HTTP/1.1 200 OK\r\nConnection: close\r\n" + length + "\r\n" + body;
}

QByteArray redirect(const std::string& to)
{
    return "HTTP/1.1 302 Found\r\nLocation: " + QByteArray::fromStdString(to) + "\r\nContent-Length: 0\r\n\r\n";
}

// A dead server's failure is held by the ordering tests, through this same transfer.
class TransferTest : public servertest::ServerTest {
protected:
    void SetUp() override
    {
        ServerTest::SetUp();
        startServer();
    }

    void TearDown() override
    {
        transfer.reset();  // its kept-alive connections would hold the server up
        ServerTest::TearDown();
    }

    QApplication& app = testsupport::testApp();  // before any network access
    std::unique_ptr<platform::NetworkTransfer> transfer = std::make_unique<platform::NetworkTransfer>();
};

TEST_F(TransferTest, BodyAsLatin1BytesAndFailuresAsNothing)
{
    const std::string base = "http://127.0.0.1:" + std::to_string(server_->port());
    EXPECT_EQ(transfer->OpenURL(base + "/terms.txt"), "No refunds\r\nCaf\xe9");
    EXPECT_EQ(transfer->OpenURL(base + "/missing.txt"), std::nullopt);  // 404
    EXPECT_EQ(transfer->OpenURL(base + "/images/cdif/cdif.php"), std::nullopt);  // a GET the server refuses
}

// A server that trickles a byte every tenth of a second is given no more than a silent one.
TEST_F(TransferTest, ATricklingServerTimesOutWhileEventsRunOnUnderTheBusyCursor)
{
    QTcpServer trickling;
    ASSERT_TRUE(trickling.listen(QHostAddress::LocalHost));
    QTimer drip;
    QObject::connect(&trickling, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = trickling.nextPendingConnection();
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n");
        QObject::connect(&drip, &QTimer::timeout, socket, [socket] { socket->write("1"); });
        drip.start(100);
    });
    platform::NetworkTransfer quick(300);
    int ticks = 0, busyTicks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        busyTicks += QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    timer.start(20);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(quick.OpenURL("http://127.0.0.1:" + std::to_string(trickling.serverPort()) + "/v120.txt"), std::nullopt);
    EXPECT_TRUE(clock.elapsed() < 3000 && ticks >= 5 && busyTicks == ticks) << clock.elapsed() << " " << ticks;
    EXPECT_FALSE(QGuiApplication::overrideCursor());
}

// The limit holds for a body sent in one burst, announced or not, and the largest text still comes whole.
TEST_F(TransferTest, ABodyPastTheLimitIsRefusedHoweverItComes)
{
    CannedServer canned;
    ASSERT_TRUE(canned.listening);
    const QByteArray largest(int(platform::kMaxTransferBytes), 'x');
    const QByteArray burst(10'000'000, 'x');
    canned.answers = {{"/largest.txt", ok(largest)},
                      {"/burst.txt", ok(burst)},
                      {"/unannounced.txt", ok(burst, false)},
                      {"/onepast.txt", ok(largest + "x", false)}};
    // Sizes compared, not the texts: a megabyte in a failure message tells nobody anything.
    const auto size = [this, &canned](const char* path) {
        const std::optional<std::string> body = transfer->OpenURL(canned.url(path));
        return body ? qint64(body->size()) : qint64(-1);
    };
    EXPECT_EQ(size("/largest.txt"), largest.size());
    for (const char* path : {"/burst.txt", "/unannounced.txt", "/onepast.txt"}) EXPECT_EQ(size(path), -1) << path;
}

TEST_F(TransferTest, OnlyASuccessWithinTheAddressesOriginIsAText)
{
    CannedServer canned, otherPort, otherHost(QHostAddress("127.0.0.2"));
    ASSERT_TRUE(canned.listening && otherPort.listening && otherHost.listening);
    otherHost.answers = {{"/price.txt", ok("99")}};
    otherPort.answers = {{"/price.txt", ok("98")}};
    canned.answers = {{"/price.txt", ok("45")},
                      {"/moved.txt", redirect("/price.txt")},
                      {"/elsewhere.txt", redirect(otherHost.url("/price.txt"))},
                      {"/otherport.txt", redirect(otherPort.url("/price.txt"))},
                      {"/unchanged.txt", "HTTP/1.1 304 Not Modified\r\n\r\n"},
                      {"/nowhere.txt", "HTTP/1.1 302 Found\r\nContent-Length: 0\r\n\r\n"},
                      {"/accepted.txt", "HTTP/1.1 202 Accepted\r\nContent-Length: 1\r\n\r\n7"}};
    EXPECT_EQ(transfer->OpenURL(canned.url("/moved.txt")), "45");
    EXPECT_EQ(transfer->OpenURL(canned.url("/accepted.txt")), "7");
    for (const char* path : {"/elsewhere.txt", "/otherport.txt", "/unchanged.txt", "/nowhere.txt"})
        EXPECT_EQ(transfer->OpenURL(canned.url(path)), std::nullopt) << path;

    // A port left out is the scheme's default, as a redirect may name it or not.
    const auto same = [](const char* a, const char* b) { return platform::sameOrigin(QUrl(a), QUrl(b)); };
    EXPECT_TRUE(same("http://Orders.example/a", "http://orders.example:80/b") &&
                same("https://orders.example:443", "https://orders.example/c"));
    EXPECT_FALSE(same("http://orders.example", "https://orders.example") ||
                 same("https://orders.example", "https://orders.example:80") ||
                 same("http://orders.example", "http://www.orders.example"));
}

}  // namespace
