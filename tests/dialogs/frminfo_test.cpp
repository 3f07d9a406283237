#include "dialogs/frmInfo.h"
#include "tests/support/testapp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

TEST(frmInfo, StartStateAndControlsByName)
{
    testsupport::testApp();
    dialogs::frmInfo w;
    EXPECT_EQ(w.windowTitle(), "Quillock ");
    EXPECT_EQ(w.SSTab1->count(), 5);
    EXPECT_EQ(w.SSTab1->tabText(4), "Coefficients");
    EXPECT_EQ(w.controlText("txtStartMeasuredFrom"), "36");
    EXPECT_EQ(w.controlText("txtKayakLength"), "");
    EXPECT_TRUE(w.isChecked("chkMidship") && w.isChecked("chkAutoPositionCockpit"));
    for (const char* off : {"chkAutoDetect", "chkLCBVisible", "chkLCFVisible", "chkEntryHalfAngle", "chkExitHalfAngle"})
        EXPECT_FALSE(w.isChecked(off)) << off;
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(w.button(QString("Command%1").arg(n))->text(), "Set");

    w.setControlText("txtLWL", "180.5\"");  // a read-out label
    w.setControlText("txtCargoWeight", "20");  // an editable box
    w.setControlText("noSuchControl", "x");    // ignored
    EXPECT_EQ(w.label("txtLWL")->text(), "180.5\"");
    EXPECT_EQ(w.textBox("txtCargoWeight")->text(), "20");
}
