#include "formfixture.h"

#include "ordering/frmPurchase.h"
#include "panels/frmPanels.h"
#include "ordering/serveraddress.h"

#include <QPushButton>
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

    // The panel preview's order button (the 3D view's is the same call) hides
    // the preview and opens the form, keeping the kind.
    form->purchase().OrderType = 2;
    form->menu("PreviewPanels").click();
    panels::frmPanels* preview = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<panels::frmPanels*>(w)) preview = p;
    ASSERT_NE(preview, nullptr);
    preview->Command1->click();
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(form->purchase().OrderType, 2);
    EXPECT_TRUE(form->purchase().isVisible());
    unsetenv(ordering::kOrderServerVariable);
}

}  // namespace
