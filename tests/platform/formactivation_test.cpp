#include "platform/formactivation.h"
#include "tests/support/modal.h"
#include "tests/support/testapp.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace {

TEST(FormActivation, ShownOrReachedFromAnotherWindowButNotFromItsOwnBox)
{
    testsupport::testApp();
    QWidget form;
    QWidget other;
    int activations = 0;
    new platform::FormActivation(&form, [&] {
        ++activations;
        // A box shown by the activation must not set off another one.
        testsupport::whenModalShows<QMessageBox>([](QMessageBox& box) { box.accept(); });
        QMessageBox::information(&form, "Quillock", "service closed");
    });
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return activations > 0; }, 2000));
    QTest::qWait(100);
    EXPECT_EQ(activations, 1);

    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 2; }, 2000));

    form.hide();
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 3; }, 2000));
    QTest::qWait(100);
    EXPECT_EQ(activations, 3);

    // A drop-down list of the form's own, then a trip to another program
    // and back: no activation.
    auto* list = new QComboBox(&form);
    list->addItems({"1", "2"});
    list->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() != form.windowHandle(); }, 2000));
    list->hidePopup();
    QTest::qWait(50);
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&form);
    QTest::qWait(100);
    EXPECT_EQ(activations, 3);
}

}  // namespace
