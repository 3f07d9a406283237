#include "tests/dialogs/fakemain.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using dialogs::frmInfo;
using model::currentDesign;
using model::currentHydrostatics;
using testsupport::FakeMain;

namespace {

class InfoWindow : public ::testing::Test {
protected:
    InfoWindow() : main(info)
    {
        currentDesign() = testsupport::cockpitKayak();
        currentHydrostatics() = {};
        info.connectTo(&main, &messages);
        info.checkBox("chkAutoPositionCockpit")->setChecked(false);
        main.GetCalculations();
        main.log.clear();
    }
    ~InfoWindow() override { currentDesign() = {}; }

    void apply(const char* box, const char* text, const char* button)
    {
        info.textBox(box)->setText(text);
        info.button(button)->click();
    }

    QApplication& app = testsupport::testApp();  // before any widget
    frmInfo info;
    FakeMain main;
    testsupport::ScriptedMessageBox messages;
};

using Log = std::vector<std::string>;

}  // namespace

TEST_F(InfoWindow, WeightsRebuildInOrderAndMarkTheDesignChanged)
{
    main.waterLine = true;
    apply("txtPaddlerWeight", "250", "Command2");
    EXPECT_EQ(currentDesign().PaddlerWeights[1], 250);
    EXPECT_EQ(main.log, (Log{"R1", "R2", "R3", "R4", "R6"}));
    EXPECT_TRUE(currentDesign().DesignChanged);

    main.log.clear();
    main.waterLine = false;
    apply("txtCargoWeight", "abc", "Command3");  // no leading number: 0
    EXPECT_EQ(currentDesign().CargoWeight, 0);
    EXPECT_EQ(main.log, (Log{"R1", "R2", "R3", "R6"}));
}

TEST_F(InfoWindow, AutoWaterlineSearchesAfterTheRedrawAndBeforeTheTimer)
{
    info.checkBox("chkAutoDetect")->setChecked(true);  // searches at once
    const model::Hydrostatics& h = currentHydrostatics();
    EXPECT_EQ(h.Displacement, h.TargetDisplacement);
    main.log.clear();

    apply("txtPaddlerWeight", "230", "Command2");
    EXPECT_EQ(h.Displacement, h.TargetDisplacement);
    ASSERT_GT(main.log.size(), 6u);
    EXPECT_EQ(Log(main.log.begin(), main.log.begin() + 3), (Log{"R1", "R2", "R3"}));
    EXPECT_EQ(main.log.back(), "R6");
}

TEST_F(InfoWindow, WaterLevelTurnsTheAutomaticSearchOffFirst)
{
    info.checkBox("chkAutoDetect")->setChecked(true);
    main.log.clear();
    apply("txtWaterLevel", "5.5", "Command1");
    EXPECT_FALSE(info.isChecked("chkAutoDetect"));
    EXPECT_EQ(currentDesign().WaterlineHeight, 5.5);
    EXPECT_EQ(main.log, (Log{"R1", "R3", "R6"}));

    main.log.clear();  // the half-angle switches only redraw; the marker switches recalculate
    info.checkBox("chkEntryHalfAngle")->setChecked(true);
    info.checkBox("chkLCBVisible")->setChecked(true);
    EXPECT_EQ(main.log, (Log{"R3", "R1", "R3", "R6"}));
}

TEST_F(InfoWindow, ActivationFillsTheBoxesAndDisablesTheSecondCockpit)
{
    // Every field its own value, cockpit 1 unlike cockpit 2, so a box
    // showing the wrong field shows.
    model::Design& d = currentDesign();
    d.PaddlerWeights = {0, 191.5, 172.25};
    d.CargoWeight = 12.5;
    d.MaterialWeightPerSqFt = 0.0625;
    d.WaterlineHeight = 4.125;
    d.Cockpits[1].DistanceBetweenCockpits = 61;
    d.Cockpits[1].AftToCG = 11.5;
    d.Cockpits[1].Width = 18.25;
    d.Cockpits[1].Length = 32.75;
    d.Cockpits[2].AftToCG = 9.5;
    d.Cockpits[2].Width = 17;
    d.Cockpits[2].Length = 30.5;
    currentHydrostatics().EntryMeasuredFrom = 35;
    currentHydrostatics().ExitMeasuredFrom = 37;
    main.beam = 23.12345;  // the width box rounds the beam to 3 decimals
    info.Form_Activate();
    const std::pair<const char*, const char*> boxes[] = {
        {"txtKayakLength", "204"},          {"txtKayakWidth", "23.123"},
        {"txtPaddlerWeight", "191.5"},      {"txtPaddler2Weight", "172.25"},
        {"txtCargoWeight", "12.5"},         {"txtMaterialWeightPerSquareFoot", "0.0625"},
        {"txtWaterLevel", "4.125"},         {"txtDistanceBetweenCockpits", "61"},
        {"txtCockpitAftToCG", "11.5"},      {"txtCockpitWidth", "18.25"},
        {"txtCockpitLength", "32.75"},      {"txtCockpit2AfttoCG", "9.5"},
        {"txtCockpit2Width", "17"},         {"txtCockpit2Length", "30.5"},
        {"txtStartMeasuredFrom", "35"},     {"txtEndMeasuredFrom", "37"}};
    for (auto [box, text] : boxes) EXPECT_EQ(info.controlText(box), text) << box;
    for (const char* name : {"txtPaddler2Weight", "Command13", "Command16", "txtCockpit2AfttoCG"})
        EXPECT_FALSE(info.findChild<QWidget*>(name)->isEnabled()) << name;
    EXPECT_TRUE(info.button("Command12")->isEnabled());

    currentDesign().CockpitCount = 2;
    info.Form_Activate();
    EXPECT_TRUE(info.button("Command13")->isEnabled());
}

TEST_F(InfoWindow, LengthChangeKeepsInchesAndRefusesOutOfRange)
{
    const double keelInches = currentDesign().point(7).Y * 204;
    apply("txtKayakLength", "250", "Command5");
    EXPECT_EQ(currentDesign().HullLength, 250);
    EXPECT_DOUBLE_EQ(currentDesign().point(7).Y * 250, keelInches);
    EXPECT_TRUE(currentDesign().DesignChanged);

    main.log.clear();
    apply("txtKayakLength", "47.99", "Command5");
    EXPECT_EQ(currentDesign().HullLength, 250);
    EXPECT_EQ(info.controlText("txtKayakLength"), "250");
    EXPECT_EQ(main.log, (Log{"R6"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InfoWindow, WidthChangeMessagesAndScaling)
{
    apply("txtKayakWidth", "48.5", "Command10");
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Kayak width may not exceed 48\""}));
    EXPECT_EQ(info.controlText("txtKayakWidth"), "23");
    EXPECT_TRUE(main.log.empty());

    apply("txtKayakWidth", "16", "Command10");  // the cockpit is 16 wide
    EXPECT_EQ(messages.texts().back(), "Kayak cannot be thinner than cockpit");
    EXPECT_EQ(main.log, (Log{"R6"}));

    main.log.clear();
    const double sheerZ = currentDesign().point(4).Z;
    apply("txtKayakWidth", "25", "Command10");
    EXPECT_DOUBLE_EQ(currentDesign().point(4).Z, sheerZ / 23 * 25);
    EXPECT_EQ(main.log, (Log{"R1", "R2", "R3", "R6"}));

    main.beam = 0;
    const double before = currentDesign().point(4).Z;
    apply("txtKayakWidth", "24", "Command10");
    EXPECT_EQ(currentDesign().point(4).Z, before);
    EXPECT_EQ(messages.texts().back(), "The kayak has no beam to scale from");
}

TEST_F(InfoWindow, ANumberTooLargeIsRefusedAndTheDesignKept)
{
    const model::Design before = currentDesign();
    apply("txtCargoWeight", "1e400", "Command3");
    EXPECT_EQ(messages.texts().back(), "That number is too large to use; the previous value is kept");
    EXPECT_EQ(currentDesign().CargoWeight, before.CargoWeight);
    EXPECT_FALSE(currentDesign().DesignChanged);

    apply("txtMaterialWeightPerSquareFoot", "1e308", "Command4");
    EXPECT_EQ(currentDesign().MaterialWeightPerSqFt, before.MaterialWeightPerSqFt);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(InfoWindow, CockpitLengthMovesTheFrontEndWhenPositioningIsOn)
{
    info.checkBox("chkAutoPositionCockpit")->setChecked(true);
    main.log.clear();
    apply("txtCockpitLength", "30", "Command7");
    const model::Design& d = currentDesign();
    const int front = d.Cockpits[1].RimPoints[2], rear = d.Cockpits[1].RimPoints[8];
    EXPECT_EQ(d.Cockpits[1].Length, 30);
    EXPECT_NEAR((d.point(rear).X - d.point(front).X) * 204, 30, 1e-9);
    const int side = d.Cockpits[1].RimPoints[4];
    EXPECT_NEAR(d.point(side).X, d.point(front).X + (d.point(rear).X - d.point(front).X) / 2, 1e-12);
    // Re-spaced, calculated, re-spaced again, then the usual rebuild without a search.
    EXPECT_EQ(main.log, (Log{"R1", "R1", "R2", "R3", "R6"}));
}

TEST_F(InfoWindow, CockpitBoxesAndTheMeasuredFromDistances)
{
    apply("txtCockpitWidth", "18", "Command8");
    const int rim5 = currentDesign().Cockpits[1].RimPoints[5];
    EXPECT_DOUBLE_EQ(currentDesign().point(rim5).Z * 204, 9);
    apply("txtCockpitAftToCG", "12.5", "Command9");
    EXPECT_EQ(currentDesign().Cockpits[1].AftToCG, 12.5);
    main.log.clear();
    apply("txtDistanceBetweenCockpits", "55", "Command12");
    EXPECT_EQ(currentDesign().Cockpits[1].DistanceBetweenCockpits, 55);
    EXPECT_EQ(main.log, (Log{"R1", "R2", "R3", "R6"}));

    currentDesign().CockpitCount = 2;
    info.Form_Activate();
    apply("txtPaddler2Weight", "150", "Command13");
    EXPECT_EQ(currentDesign().PaddlerWeights[2], 150);

    // The measured-from distances are not kept in the file: no unsaved work.
    currentDesign().DesignChanged = false;
    apply("txtStartMeasuredFrom", "30", "Command6");
    EXPECT_EQ(currentHydrostatics().EntryMeasuredFrom, 30);
    EXPECT_FALSE(currentDesign().DesignChanged);
}
