#include "platform/doevents.h"
#include "tests/support/testapp.h"

#include <QTimer>

#include <gtest/gtest.h>

TEST(DoEvents, RunsPendingTimers)
{
    testsupport::testApp();
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    platform::doEvents();
    EXPECT_TRUE(fired);
}
