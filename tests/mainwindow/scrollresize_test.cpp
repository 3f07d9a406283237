// What runs inside the yields of the scroll bars and of the resize handler.

#include "tests/mainwindow/formfixture.h"

#include <QScrollBar>
#include <QTest>
#include <QTimer>

using MainWindow = testsupport::FormFixture;

namespace {

constexpr int kTimeout = 5000;

}  // namespace

// Dragging the thumb redraws at once; letting it go is the bar's change: the
// deferred redraw follows, whose tick disarms it.
TEST_F(MainWindow, LettingGoOfAThumbArmsTheDeferredRedraw)
{
    openKayak();
    form->menu("x2").click();
    QScrollBar& bar = form->scrollBar("RightViewHScroll");
    ASSERT_TRUE(bar.isVisible());
    form->Timer2.setEnabled(false);

    bar.setSliderDown(true);
    bar.setSliderPosition(40);
    EXPECT_EQ(std::tuple(form->drawingState().RightViewHScroll.Value, form->Timer2.isEnabled()), std::tuple(40, false));
    bar.setSliderDown(false);
    EXPECT_EQ(std::tuple(bar.value(), form->drawingState().RightViewHScroll.Value, form->Timer2.isEnabled()),
              std::tuple(40, 40, true));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form->Timer2.isEnabled(); }, kTimeout));
}

// The second size arrives while the first one's rebuild yields; the views end
// laid out on the client area the window has last.
TEST_F(MainWindow, AResizeDuringTheResizeYieldIsLaidOut)
{
    openKayak();
    bool resizedAgain = false;
    QTimer::singleShot(0, form.get(), [this, &resizedAgain] {
        form->resize(600, 481);
        resizedAgain = true;
    });
    form->resize(900, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resizedAgain; }, kTimeout));
    QApplication::processEvents();

    const QSize client = form->centralWidget()->size();
    ASSERT_LT(client.width(), 900);
    // The profile spans the client's width less its 2-twip margin; the bottom
    // band starts at six tenths of the client's height.
    const auto px = [this](double twips) { return int(std::lround(twips / form->twipsPerPixel())); };
    const double sw = client.width() * form->twipsPerPixel(), sh = client.height() * form->twipsPerPixel();
    EXPECT_EQ(std::tuple(form->boxes.RightView->width(), form->boxes.FrontView->y()),
              std::tuple(px(sw - 2), px(6 * (sh / 10))));
}
