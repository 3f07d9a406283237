#include "tests/dialogs/fakemain.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include "model/file/designwriter.h"
#include "model/hull/floaterror.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

using dialogs::frmInfo;
using model::currentDesign;
using model::currentHydrostatics;
using model::Design;
using Log = std::vector<std::string>;

namespace {

enum Start { kPlain, kWaterLineShown, kSearching, kPositioning };

class InfoWindow : public ::testing::Test {
protected:
    InfoWindow() : main(info) { info.connectTo(&main, &messages); }
    ~InfoWindow() override { currentDesign() = {}; }

    // The cockpit kayak, calculated, positioning and search off unless asked, nothing logged.
    void fresh(int cockpits = 1, Start start = kPlain)
    {
        currentDesign() = testsupport::cockpitKayak();
        currentDesign().CockpitCount = cockpits;
        currentDesign().CargoWeight = 12;  // so that "abc" read as 0 shows
        currentHydrostatics() = {};
        main.beam = 23;
        info.checkBox("chkAutoPositionCockpit")->setChecked(false);
        main.GetCalculations();
        info.Form_Activate();
        info.checkBox("chkAutoDetect")->setChecked(start == kSearching);  // on: searches at once
        info.checkBox("chkAutoPositionCockpit")->setChecked(start == kPositioning);
        main.waterLine = start == kWaterLineShown;
        main.log.clear();
        messages.shown.clear();
    }
    void apply(const char* box, const char* text, const char* button)
    {
        info.textBox(box)->setText(text);
        info.button(button)->click();
    }

    QApplication& app = testsupport::testApp();  // before any widget
    frmInfo info;
    testsupport::FakeMain main{info};
    testsupport::ScriptedMessageBox messages;
};

}  // namespace

TEST_F(InfoWindow, StartStateControlsByNameAndActivationFillsTheBoxes)
{
    EXPECT_EQ(info.windowTitle() + info.controlText("txtStartMeasuredFrom"), "Quillock 36");
    EXPECT_TRUE(info.isChecked("chkMidship") && info.isChecked("chkAutoPositionCockpit"));
    for (const char* off : {"chkAutoDetect", "chkLCBVisible", "chkLCFVisible", "chkEntryHalfAngle", "chkExitHalfAngle"})
        EXPECT_FALSE(info.isChecked(off)) << off;

    info.show();
    // Showing lays the window and its tabs out over a few turns of the event loop.
    for (int turn = 0; turn < 5; ++turn) QApplication::processEvents();
    struct LayoutRequests : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            count += e->type() == QEvent::LayoutRequest;
            return false;
        }
    } layouts;
    app.installEventFilter(&layouts);
    info.setControlText("txtLWL", "180.5\"");  // a read-out label
    QApplication::processEvents();
    app.removeEventFilter(&layouts);
    EXPECT_EQ(layouts.count, 0) << "a read-out's new text lays the window out again";
    info.setControlText("txtCargoWeight", "20");  // an editable box
    info.setControlText("noSuchControl", "x");    // ignored
    EXPECT_EQ(std::pair(info.label("txtLWL")->text(), info.textBox("txtCargoWeight")->text()), std::pair(QString("180.5\""), QString("20")));

    fresh();
    // Every field its own value, cockpit 1 unlike cockpit 2, so a box
    // showing the wrong field shows.
    Design& d = currentDesign();
    std::tie(d.PaddlerWeights, d.CargoWeight, d.MaterialWeightPerSqFt, d.WaterlineHeight) =
        std::tuple(std::array<double, 3>{0, 191.5, 172.25}, 12.5, 0.0625, 4.125);
    model::Cockpit &one = d.Cockpits[1], &two = d.Cockpits[2];
    std::tie(one.DistanceBetweenCockpits, one.AftToCG, one.Width, one.Length) = std::tuple(61, 11.5, 18.25, 32.75);
    std::tie(two.AftToCG, two.Width, two.Length) = std::tuple(9.5, 17, 30.5);
    std::tie(currentHydrostatics().EntryMeasuredFrom, currentHydrostatics().ExitMeasuredFrom) = std::tuple(35, 37);
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

TEST_F(InfoWindow, EachBoxStoresItsValueRebuildsInOrderAndMarksSavedValuesChanged)
{
    const auto rim = [](int j) { return currentDesign().point(currentDesign().Cockpits[1].RimPoints[j]); };
    const Design start = testsupport::cockpitKayak();  // 204 long, 23 wide
    const struct { const char *box, *text, *button; int cockpits; Start start;
                   std::function<double()> field; double value; Log log; bool changed; } rows[] = {
        {"txtPaddlerWeight", "250", "Command2", 1, kWaterLineShown, [] { return currentDesign().PaddlerWeights[1]; }, 250, {"R1", "R2", "R3", "R4", "R6"}, true},
        {"txtPaddler2Weight", "150", "Command13", 2, kPlain, [] { return currentDesign().PaddlerWeights[2]; }, 150, {"R1", "R2", "R3", "R6"}, true},
        {"txtCargoWeight", "abc", "Command3", 1, kPlain, [] { return currentDesign().CargoWeight; }, 0, {"R1", "R2", "R3", "R6"}, true},  // no leading number: 0
        {"txtDistanceBetweenCockpits", "55", "Command12", 1, kPlain, [] { return currentDesign().Cockpits[1].DistanceBetweenCockpits; }, 55, {"R1", "R2", "R3", "R6"}, true},
        {"txtCockpitAftToCG", "12.5", "Command9", 1, kPlain, [] { return currentDesign().Cockpits[1].AftToCG; }, 12.5, {"R1", "R2", "R3", "R6"}, true},
        {"txtKayakWidth", "25", "Command10", 1, kPlain, [] { return currentDesign().point(4).Z; }, start.point(4).Z / 23 * 25, {"R1", "R2", "R3", "R6"}, true},
        {"txtKayakLength", "250", "Command5", 1, kPlain, [] { return currentDesign().point(7).Y * 250; }, start.point(7).Y * 204, {}, true},  // inches kept
        {"txtCockpitWidth", "18", "Command8", 1, kPlain, [&] { return rim(5).Z * 204; }, 9, {"R1", "R2", "R3", "R6"}, true},
        // Re-spaced, calculated, re-spaced again, then the usual rebuild without a search.
        {"txtCockpitLength", "30", "Command7", 1, kPositioning, [&] { return (rim(8).X - rim(2).X) * 204; }, 30, {"R1", "R1", "R2", "R3", "R6"}, true},
        // The water level turns the automatic search off first.
        {"txtWaterLevel", "5.5", "Command1", 1, kSearching, [] { return currentDesign().WaterlineHeight; }, 5.5, {"R1", "R3", "R6"}, true},
        // The measured-from distances are not kept in the file: no unsaved work.
        {"txtStartMeasuredFrom", "30", "Command6", 1, kPlain, [] { return currentHydrostatics().EntryMeasuredFrom; }, 30, {}, false},
    };
    for (const auto& row : rows) {
        fresh(row.cockpits, row.start);
        apply(row.box, row.text, row.button);
        EXPECT_NEAR(row.field(), row.value, 1e-12) << row.box;
        if (!row.log.empty()) { EXPECT_EQ(main.log, row.log) << row.box; }
        EXPECT_EQ(currentDesign().DesignChanged, row.changed) << row.box;
        EXPECT_FALSE(info.isChecked("chkAutoDetect")) << row.box;
    }

    // The automatic waterline searches after the redraw and before the timer.
    fresh(1, kSearching);
    const model::Hydrostatics& h = currentHydrostatics();
    EXPECT_EQ(h.Displacement, h.TargetDisplacement);
    apply("txtPaddlerWeight", "230", "Command2");
    EXPECT_EQ(h.Displacement, h.TargetDisplacement);
    ASSERT_GT(main.log.size(), 6u);
    EXPECT_EQ(std::pair(Log(main.log.begin(), main.log.begin() + 3), main.log.back()), std::pair(Log{"R1", "R2", "R3"}, std::string("R6")));

    main.log.clear();  // the half-angle switches only redraw; the marker switches recalculate
    info.checkBox("chkAutoDetect")->setChecked(false);
    info.checkBox("chkEntryHalfAngle")->setChecked(true);
    info.checkBox("chkLCBVisible")->setChecked(true);
    EXPECT_EQ(main.log, (Log{"R3", "R1", "R3", "R6"}));
}

TEST_F(InfoWindow, RefusedInputKeepsTheDesignAndSaysWhy)
{
    const struct { const char *box, *text, *button; double beam; const char *message, *shows; std::optional<Log> log; } rows[] = {
        {"txtKayakLength", "47.99", "Command5", 23, "", "204", Log{"R6"}},
        {"txtKayakWidth", "48.5", "Command10", 23, "Kayak width may not exceed 48\"", "23", Log{}},
        {"txtKayakWidth", "16", "Command10", 23, "Kayak cannot be thinner than cockpit", "23", Log{"R6"}},  // the cockpit is 16 wide
        {"txtKayakWidth", "24", "Command10", 0, "The kayak has no beam to scale from", "0", {}},
        {"txtCargoWeight", "1e400", "Command3", 23, "That number is too large to use; the previous value is kept", "12", {}},
        {"txtMaterialWeightPerSquareFoot", "1e308", "Command4", 23, "That number is too large to use; the previous value is kept", "0.3", {}},
        // A distance the calculation cannot read, then another button: the
        // box is put back before the design is rebuilt.
        {"txtStartMeasuredFrom", "1e400", "Command2", 23, "That number is too large to use; the previous value is kept", "36", Log{"R1", "R1", "R2", "R3"}},
        {"txtEndMeasuredFrom", "-1e400", "cmdDetect", 23, "That number is too large to use; the previous value is kept", "36", Log{"R1", "R1", "R2", "R3"}},
    };
    for (const auto& row : rows) {
        fresh();
        main.beam = row.beam;
        const std::string before = model::writeDesignText(currentDesign());
        apply(row.box, row.text, row.button);
        EXPECT_EQ(model::writeDesignText(currentDesign()), before) << row.box << " " << row.text;
        EXPECT_EQ(std::tuple(currentDesign().DesignChanged, messages.texts(), info.controlText(row.box)),
                  std::tuple(false, *row.message ? Log{row.message} : Log{}, row.shows)) << row.text;
        if (row.log) { EXPECT_EQ(main.log, *row.log) << row.text; }
    }
}


TEST_F(InfoWindow, AnActivationWithABeamThatCannotBeShownKeepsTheBoxesAsTyped)
{
    fresh();
    info.textBox("txtCargoWeight")->setText("typed");
    main.beam = std::numeric_limits<double>::infinity();
    QEvent activate(QEvent::WindowActivate);
    EXPECT_NO_THROW(QApplication::sendEvent(&info, &activate));
    EXPECT_EQ(std::pair(info.controlText("txtCargoWeight"), messages.texts()), std::pair(QString("typed"), Log{}));

    main.beam = 23;
    QApplication::sendEvent(&info, &activate);
    EXPECT_EQ(info.controlText("txtCargoWeight"), "12");
}

TEST_F(InfoWindow, AHalfAngleSwitchWhoseRedrawRaisesIsStoppedAtTheWindow)
{
    fresh();
    struct FailingRedraw : testsupport::FakeMain {
        using FakeMain::FakeMain;
        void drawscreens() override
        {
            FakeMain::drawscreens();
            if (log.size() == 1) throw model::FloatError("redraw");
        }
    } failing{info};
    info.connectTo(&failing, &messages);
    EXPECT_NO_THROW(info.checkBox("chkEntryHalfAngle")->setChecked(true));
    // Told once, then everything rebuilt as it was.
    EXPECT_EQ(std::pair(messages.texts(), failing.log),
              std::pair(Log{"That number is too large to use; the previous value is kept"}, Log{"R3", "R1", "R2", "R3"}));
    info.connectTo(&main, &messages);
}
