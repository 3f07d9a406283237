#include "platform/doevents.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

}  // namespace

TEST(DoEvents, RunsPendingTimers)
{
    app();
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    platform::doEvents();
    EXPECT_TRUE(fired);
}
