#include "dialogs/frmPreferences.h"
#include "tests/dialogs/fakemain.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

using dialogs::frmPreferences;
using model::currentDesign;

namespace {

constexpr const char* kStationsMessage = "Number of Stations must be within 10 to 100";

class PreferencesWindow : public ::testing::Test {
protected:
    PreferencesWindow() : main(info)
    {
        model::Design& d = currentDesign();
        d = testsupport::cockpitKayak();
        d.StationCount = 21;
        d.StitchSpacing = 4;
        d.StitchMarkLength = 0.25;
        d.CurrentStation = 5;
        d.DesignChanged = false;
        model::currentHydrostatics() = {};
        stationBox.setText("51\"");
        prefs = std::make_unique<frmPreferences>();
        prefs->connectTo(&main, &messages, &stationBox);
    }
    ~PreferencesWindow() override { currentDesign() = {}; }

    void ok(const char* stations, const char* spacing, const char* markLength)
    {
        prefs->show();
        prefs->txtNumberofSections->setText(stations);
        prefs->txtStitchLength->setText(spacing);
        prefs->txtStitchMarkLength->setText(markLength);
        prefs->Command1->click();
    }

    QApplication& app = testsupport::testApp();  // before any widget
    dialogs::frmInfo info;
    testsupport::FakeMain main;
    testsupport::ScriptedMessageBox messages;
    QLineEdit stationBox;
    std::unique_ptr<frmPreferences> prefs;
};

using Log = std::vector<std::string>;

}  // namespace

TEST_F(PreferencesWindow, FillsItsBoxesOnLoadAndOnEachActivation)
{
    EXPECT_EQ(prefs->windowTitle(), "Quillock");
    EXPECT_EQ(prefs->txtNumberofSections->text(), "20");
    EXPECT_EQ(prefs->txtStitchLength->text(), "4");
    EXPECT_EQ(prefs->txtStitchMarkLength->text(), "0.25");
    EXPECT_EQ(prefs->Command1->text(), "Ok");
    EXPECT_EQ(prefs->Command2->text(), "Cancel");

    prefs->txtStitchLength->setText("9");
    prefs->Command2->click();  // Cancel stores nothing
    EXPECT_EQ(currentDesign().StitchSpacing, 4);
    EXPECT_FALSE(prefs->isVisible());
    EXPECT_TRUE(main.log.empty());

    currentDesign().StitchMarkLength = 0.5;
    prefs->show();
    prefs->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(prefs->isActiveWindow());
    EXPECT_EQ(prefs->txtStitchLength->text(), "4");
    EXPECT_EQ(prefs->txtStitchMarkLength->text(), "0.5");
}

TEST_F(PreferencesWindow, OkStoresTheStationsWithinLimitsAndRebuilds)
{
    const struct {
        const char* text;
        double stationCount;
        bool message;
    } rows[] = {{"10", 11, false}, {"100", 101, false}, {"9", 11, true}, {"101", 101, true},
                {"0", 11, true},   {"", 11, true},      {"20.5", 21, false}, {"44.6", 46, false}};
    for (const auto& row : rows) {
        messages.shown.clear();
        main.log.clear();
        currentDesign().CurrentStation = 7;
        ok(row.text, "4", "0.25");
        EXPECT_EQ(currentDesign().StationCount, row.stationCount) << row.text;
        EXPECT_EQ(messages.texts(), row.message ? Log{kStationsMessage} : Log{}) << row.text;
        EXPECT_EQ(main.log, (Log{"R2", "R3", "R1"}));
        EXPECT_EQ(currentDesign().Sections.size(), std::size_t(row.stationCount) + 1);
        EXPECT_EQ(currentDesign().CurrentStation, 0);
        EXPECT_EQ(stationBox.text(), "0\"");
        EXPECT_FALSE(prefs->isVisible()) << row.text;
    }
}

TEST_F(PreferencesWindow, StitchSpacingIsWholeAndSavedValuesMarkTheDesignChanged)
{
    const struct {
        const char *stations, *spacing, *markLength;
        std::int16_t stored;
        double storedMark;
        std::size_t messages;
        bool refused, changed;
    } rows[] = {
        {"20", "4", "0.5", 4, 0.5, 0, false, false},  // the mark length is not saved with the design
        {"20", "2.5", "0.25", 2, 0.25, 0, false, true},
        {"20", "2.6", "0.25", 3, 0.25, 0, false, true},
        {"30", "4", "0.25", 4, 0.25, 0, false, true},
        {"20", "0", "0.3", 4, 0.3, 1, true, false},
        {"20", "40000", "0.25", 4, 0.25, 1, true, false},
        {"20", "6", "1e999", 6, 0.25, 1, true, true},
        {"9.6", "0", "0.25", 4, 0.25, 2, true, true},
    };
    for (const auto& row : rows) {
        model::Design& d = currentDesign();
        d.StationCount = 21;
        d.StitchSpacing = 4;
        d.StitchMarkLength = 0.25;
        d.DesignChanged = false;
        messages.shown.clear();
        ok(row.stations, row.spacing, row.markLength);
        EXPECT_EQ(d.StitchSpacing, row.stored) << row.spacing;
        EXPECT_EQ(d.StitchMarkLength, row.storedMark) << row.markLength;
        EXPECT_EQ(d.DesignChanged, row.changed) << row.stations << " " << row.spacing;
        EXPECT_EQ(messages.shown.size(), row.messages) << row.spacing;
        // After a refusal the window stays, showing what was stored.
        EXPECT_EQ(prefs->isVisible(), row.refused) << row.spacing;
        if (row.refused) {
            EXPECT_EQ(prefs->txtNumberofSections->text().toDouble(), d.StationCount - 1);
            EXPECT_EQ(prefs->txtStitchLength->text().toStdString(), std::to_string(row.stored));
            EXPECT_EQ(prefs->txtStitchMarkLength->text().toDouble(), row.storedMark);
        }
    }
}

// Closing a message activates the window again, which refills its boxes from
// the stored values: what was typed in the other boxes is read first.
TEST_F(PreferencesWindow, AMessageDoesNotLoseWhatWasTypedInTheOtherBoxes)
{
    struct Reactivating : testsupport::ScriptedMessageBox {
        frmPreferences* window = nullptr;
        model::MessageAnswer ask(const std::string& text, model::MessageButtons buttons, model::MessageIcon icon) override
        {
            window->Form_Activate();
            return ScriptedMessageBox::ask(text, buttons, icon);
        }
    } reactivating;
    reactivating.window = prefs.get();
    prefs->connectTo(&main, &reactivating, &stationBox);
    ok("9", "6", "0.5");
    EXPECT_EQ(reactivating.texts(), Log{kStationsMessage});
    EXPECT_EQ(currentDesign().StationCount, 11);
    EXPECT_EQ(currentDesign().StitchSpacing, 6);
    EXPECT_EQ(currentDesign().StitchMarkLength, 0.5);
}
