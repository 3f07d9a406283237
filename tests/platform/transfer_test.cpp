#include "platform/transfer.h"
#include "tests/server/serverfixture.h"
#include "tests/support/testapp.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>

namespace {

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

    std::string address(const char* path) const
    {
        return "http://127.0.0.1:" + std::to_string(server_->port()) + path;
    }

    QApplication& app = testsupport::testApp();  // before any network access
    std::unique_ptr<platform::NetworkTransfer> transfer = std::make_unique<platform::NetworkTransfer>();
};

TEST_F(TransferTest, BodyAsLatin1BytesAndFailuresAsNothing)
{
    EXPECT_EQ(transfer->OpenURL(address("/terms.txt")), "No refunds\r\nCaf\xe9");
    EXPECT_EQ(transfer->OpenURL(address("/missing.txt")), std::nullopt);  // 404
    EXPECT_EQ(transfer->OpenURL(address("/images/cdif/cdif.php")), std::nullopt);  // a GET the server refuses
    const int port = server_->port();
    transfer.reset();
    stopServer();
    transfer = std::make_unique<platform::NetworkTransfer>();
    EXPECT_EQ(transfer->OpenURL("http://127.0.0.1:" + std::to_string(port) + "/v120.txt"), std::nullopt);
}

TEST_F(TransferTest, ASilentServerTimesOutWhileEventsRunOn)
{
    QTcpServer silent;  // accepts and never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    platform::NetworkTransfer quick(300);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(quick.OpenURL("http://127.0.0.1:" + std::to_string(silent.serverPort()) + "/v120.txt"), std::nullopt);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_GE(ticks, 5);
}

}  // namespace
