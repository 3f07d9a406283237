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

// A server of the test's own: each path's answer in one write, then the connection closes.
struct CannedServer : QTcpServer {
    std::map<QByteArray, QByteArray> answers;

    explicit CannedServer(const char* host = "127.0.0.1")
    {
        listen(QHostAddress(host));
        connect(this, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (socket->state() != QAbstractSocket::ConnectedState) return;
                const QByteArray path = socket->readAll().split(' ').value(1);
                socket->write(answers.count(path) ? answers[path] : "HTTP/1.1 404 Not Found\r\n\r\n");
                socket->disconnectFromHost();
            });
        });
    }
    std::string url(const char* path) const
    {
        return "http://" + serverAddress().toString().toStdString() + ":" + std::to_string(serverPort()) + path;
    }
};

QByteArray answer(const QByteArray& head, const QByteArray& body = {}, bool withLength = true)
{
    const QByteArray length = withLength ? "Content-Length: " + QByteArray::number(body.size()) + "\r\n" : "";
    return "HTTP/1.1 " + head + "\r\nConnection: close\r\n" + length + "\r\n" + body;
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

// The limit holds for a body sent in one burst, announced or not; the largest text still comes whole.
TEST_F(TransferTest, ABodyPastTheLimitIsRefusedEvenInOneBurst)
{
    CannedServer canned;
    const QByteArray largest(int(platform::kMaxTransferBytes), 'x');
    canned.answers = {{"/largest", answer("200 OK", largest)},
                      {"/burst", answer("200 OK", QByteArray(10'000'000, 'x'))},
                      {"/unannounced", answer("200 OK", largest + "x", false)}};
    // Sizes compared: a megabyte in a failure message tells nobody anything.
    const auto size = [&](const char* path) {
        const std::optional<std::string> body = transfer->OpenURL(canned.url(path));
        return body ? qint64(body->size()) : -1;
    };
    EXPECT_EQ(size("/largest"), largest.size());
    EXPECT_EQ(size("/burst"), -1);
    EXPECT_EQ(size("/unannounced"), -1);
}

TEST_F(TransferTest, OnlyASuccessWithinTheAddressesOriginIsAText)
{
    CannedServer canned, otherHost("127.0.0.2");
    otherHost.answers = {{"/price.txt", answer("200 OK", "99")}};
    const QByteArray offOrigin = QByteArray::fromStdString(otherHost.url("/price.txt"));
    canned.answers = {{"/price.txt", answer("202 Accepted", "45")},
                      {"/moved.txt", answer("302 Found\r\nLocation: /price.txt")},
                      {"/elsewhere.txt", answer("302 Found\r\nLocation: " + offOrigin)},
                      {"/unchanged.txt", answer("304 Not Modified")}};
    EXPECT_EQ(transfer->OpenURL(canned.url("/moved.txt")), "45");
    EXPECT_EQ(transfer->OpenURL(canned.url("/elsewhere.txt")), std::nullopt);
    EXPECT_EQ(transfer->OpenURL(canned.url("/unchanged.txt")), std::nullopt);
    // A port left out is the scheme's default, whether a redirect names it or not.
    EXPECT_TRUE(platform::sameOrigin(QUrl("http://a.example/x"), QUrl("http://a.example:80/y")));
    EXPECT_FALSE(platform::sameOrigin(QUrl("https://a.example"), QUrl("https://a.example:80")));
}

}  // namespace
