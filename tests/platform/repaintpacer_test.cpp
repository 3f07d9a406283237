#include "platform/repaintpacer.h"

#include "tests/support/testapp.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct CountedWidget : QWidget {
    int paints = 0;
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// Steps faster than the screen refreshes: every step's yield runs, the
// repaints come at most once a refresh, and the last step is painted when
// the pacer goes.
TEST(RepaintPacer, RepaintsAtMostOncePerRefreshAndTheLastStepAfter)
{
    testsupport::testApp();
    CountedWidget window;
    window.resize(50, 50);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    constexpr int kSteps = 40;
    int yields = 0;
    QElapsedTimer clock;
    {
        platform::RepaintPacer pacer;
        window.paints = 0;
        clock.start();
        for (int step = 0; step < kSteps; ++step) {
            window.update();
            QMetaObject::invokeMethod(&window, [&yields] { ++yields; }, Qt::QueuedConnection);
            pacer.doEvents();
        }
    }
    const double refreshes = double(clock.elapsed()) * window.screen()->refreshRate() / 1000;
    EXPECT_TRUE(yields == kSteps && window.paints <= 1 + int(refreshes)) << window.paints << " in " << clock.elapsed();
    const int duringSteps = window.paints;
    QApplication::processEvents();
    EXPECT_EQ(window.paints, duringSteps + 1) << "the last step painted";
}

}  // namespace
