#include "platform/oneshottimer.h"
#include "tests/support/testapp.h"

#include <QTest>

#include <gtest/gtest.h>

using platform::OneShotTimer;

TEST(OneShotTimer, ABurstGivesOneTickARequestDuringTheTickIsKeptAndDisablingCancels)
{
    testsupport::testApp();
    int ticks = 0;
    OneShotTimer* self = nullptr;
    OneShotTimer timer(10, [&] {
        if (++ticks == 2) self->setEnabled(true);
    });
    self = &timer;
    for (int i = 0; i < 10; ++i) timer.setEnabled(true);
    QTest::qWait(100);
    EXPECT_EQ(std::pair(ticks, timer.isEnabled()), std::pair(1, false));
    timer.setEnabled(true);  // the second tick asks for a third
    QTest::qWait(150);
    EXPECT_EQ(ticks, 3);
    timer.setEnabled(true);
    timer.setEnabled(false);
    QTest::qWait(60);
    EXPECT_EQ(ticks, 3);
}
