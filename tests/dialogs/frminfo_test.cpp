#include "dialogs/frmInfo.h"
#include "dialogs/frmInforows.h"
#include "tests/support/testapp.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using dialogs::frmInfo;

TEST(frmInfo, TabsAndStartState)
{
    testsupport::testApp();
    frmInfo w;
    EXPECT_EQ(w.windowTitle(), "Quillock ");
    ASSERT_EQ(w.SSTab1->count(), 5);
    const char* tabs[] = {"Dimensions", "Capacity", "Cockpits", "Areas", "Coefficients"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.SSTab1->tabText(i), tabs[i]);

    EXPECT_EQ(w.controlText("txtStartMeasuredFrom"), "36");
    EXPECT_EQ(w.controlText("txtEndMeasuredFrom"), "36");
    EXPECT_EQ(w.controlText("txtKayakLength"), "");
    EXPECT_TRUE(w.isChecked("chkMidship"));
    EXPECT_TRUE(w.isChecked("chkAutoPositionCockpit"));
    for (const char* off : {"chkAutoDetect", "chkLCBVisible", "chkLCFVisible", "chkEntryHalfAngle", "chkExitHalfAngle"})
        EXPECT_FALSE(w.isChecked(off)) << off;
}

TEST(frmInfo, ButtonsAndControlsByName)
{
    testsupport::testApp();
    frmInfo w;
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(w.button(QString("Command%1").arg(n))->text(), "Set");
    EXPECT_EQ(w.button("cmdDetect")->text(), "Detect");
    // A read-out and its gallons twin sit in one row; each name is one control.
    for (const char* name : {"txtTV", "txtTotalVolumeGallons", "txtWV", "txtWetVolumeGallons", "lblFlare"})
        EXPECT_EQ(w.findChildren<QLabel*>(name).size(), 1) << name;
}

TEST(frmInfo, WritesLabelsAndBoxesByName)
{
    testsupport::testApp();
    frmInfo w;
    w.setControlText("txtLWL", "180.5\"");
    w.setControlText("txtCargoWeight", "20");
    EXPECT_EQ(w.label("txtLWL")->text(), "180.5\"");
    EXPECT_EQ(w.textBox("txtCargoWeight")->text(), "20");
    w.setControlText("noSuchControl", "x");  // ignored
}
