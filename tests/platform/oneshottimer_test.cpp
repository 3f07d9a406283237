#include "platform/oneshottimer.h"
#include "tests/support/testapp.h"

#include <QTest>

#include <gtest/gtest.h>

using platform::OneShotTimer;

TEST(OneShotTimer, ABurstOfRequestsGivesOneTickAndDisablingCancels)
{
    testsupport::testApp();
    int ticks = 0;
    OneShotTimer timer(20, [&] { ++ticks; });
    for (int i = 0; i < 10; ++i) timer.setEnabled(true);
    QTest::qWait(120);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.isEnabled());
    timer.setEnabled(true);
    timer.setEnabled(false);
    QTest::qWait(60);
    EXPECT_EQ(ticks, 1);
}

TEST(OneShotTimer, ARequestDuringTheTickIsKept)
{
    testsupport::testApp();
    int ticks = 0;
    OneShotTimer* self = nullptr;
    OneShotTimer timer(10, [&] {
        if (++ticks == 1) self->setEnabled(true);
    });
    self = &timer;
    timer.setEnabled(true);
    QTest::qWait(150);
    EXPECT_EQ(ticks, 2);
}
