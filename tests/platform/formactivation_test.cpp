#include "platform/formactivation.h"
#include "tests/support/modal.h"
#include "tests/support/testapp.h"

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
}

}  // namespace
