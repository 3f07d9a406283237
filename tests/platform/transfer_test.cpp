#include "platform/transfer.h"
#include "tests/server/serverfixture.h"
#include "tests/support/testapp.h"

#include <QElapsedTimer>
#include <QTcpServer>
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
