#include "platform/transfer.h"
#include "tests/server/serverfixture.h"
#include "tests/support/testapp.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

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

}  // namespace
