#include "platform/terminationsignals.h"
#include "tests/support/testapp.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

TEST(TerminationSignals, EndTheEventLoopSoDestructorsRun)
{
    QApplication& app = testsupport::testApp();
    platform::quitOnTerminationSignals();
    for (int s : {SIGTERM, SIGHUP}) {
        bool raised = false;
        QTimer::singleShot(0, [&] {
            raised = true;
            std::raise(s);
        });
        QObject failsafe;  // its timer goes with it
        QTimer::singleShot(5000, &failsafe, [&] { app.exit(1); });
        EXPECT_EQ(app.exec(), 0) << s;
        EXPECT_TRUE(raised);
    }
}
