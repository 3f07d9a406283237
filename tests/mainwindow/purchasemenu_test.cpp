#include "formfixture.h"

#include "ordering/frmPurchase.h"
#include "ordering/serveraddress.h"

#include <QTest>

namespace {

using MainWindow = testsupport::FormFixture;

TEST_F(MainWindow, PlansMenuSetsTheKindAndOpensTheOrderFormOnlyWithADesign)
{
    // A closed port: the form's activation fails at once and says so.
    setenv(ordering::kOrderServerVariable, "http://127.0.0.1:9", 1);
    form->menu("BuyModel").click();
    EXPECT_EQ(form->purchase().OrderType, 2);
    EXPECT_FALSE(form->purchase().isVisible());

    openKayak();
    form->menu("BuyPlans").click();
    EXPECT_EQ(form->purchase().OrderType, 1);
    EXPECT_TRUE(form->purchase().isVisible());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.shown.empty(); }, 5000));
    EXPECT_EQ(messages.shown.back().text.rfind("Must be connected to the internet to place order.", 0), 0u);
    EXPECT_FALSE(form->purchase().isVisible());

    // The preview's and the 3D view's way in keeps the kind.
    form->purchase().OrderType = 2;
    form->showPurchase();
    EXPECT_EQ(form->purchase().OrderType, 2);
    EXPECT_TRUE(form->purchase().isVisible());
    unsetenv(ordering::kOrderServerVariable);
}

}  // namespace
