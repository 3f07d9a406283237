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

TEST(frmInfo, EveryNamedControlExistsOnce)
{
    testsupport::testApp();
    frmInfo w;
    for (int n = 1; n <= 16; ++n) {
        const QString name = QString("Command%1").arg(n);
        ASSERT_NE(w.button(name), nullptr) << name.toStdString();
        EXPECT_EQ(w.button(name)->text(), "Set");
    }
    EXPECT_EQ(w.button("cmdDetect")->text(), "Detect");
    const char* readOuts[] = {"lblMidship", "lblFrontDepth1", "lblRearDepth1", "lblFrontDepth2", "lblRearDepth2",
                              "txtLWL", "txtBOA", "txtBWL", "txtDraft", "txtKayakWeight", "txtTargetDisplacement",
                              "txtTV", "txtTotalVolumeGallons", "txtWV", "txtWetVolumeGallons", "txtDisplacement",
                              "txtTSA", "txtWSA", "txtWaterPlaneArea", "txtLengthtoBeamRatio",
                              "txtWSAtoDisplacementRatio", "txtTheoreticalTopSpeed", "txtAx", "txtCb", "txtCm",
                              "txtCp", "txtCwp", "txtLCB", "txtLCBPercent", "lblLCF", "lblLCFPercent", "txtLCBForm",
                              "lblStartofWaterline", "lblEndofWaterline", "lblFlare", "txtEntryHalfAngle",
                              "txtExitHalfAngle", "txtX", "txtY"};
    for (const char* name : readOuts) {
        EXPECT_NE(w.label(name), nullptr) << name;
        EXPECT_EQ(w.findChildren<QWidget*>(name).size(), 1) << name;
    }
    const char* boxes[] = {"txtWaterLevel", "txtKayakLength", "txtKayakWidth", "txtPaddlerWeight", "txtPaddler2Weight",
                           "txtCargoWeight", "txtMaterialWeightPerSquareFoot", "txtDistanceBetweenCockpits",
                           "txtCockpitLength", "txtCockpitWidth", "txtCockpitAftToCG", "txtCockpit2Length",
                           "txtCockpit2Width", "txtCockpit2AfttoCG", "txtStartMeasuredFrom", "txtEndMeasuredFrom"};
    for (const char* name : boxes) EXPECT_NE(w.textBox(name), nullptr) << name;
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
