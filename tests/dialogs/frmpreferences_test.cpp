#include "dialogs/frmPreferences.h"
#include "tests/dialogs/fakemain.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using dialogs::frmPreferences;
using model::currentDesign;
using Log = std::vector<std::string>;

namespace {

constexpr const char* kStations = "Number of Stations must be within 10 to 100";
constexpr const char* kSpacing =
    "Distance Between Stitches must be a whole number of inches from 1 to 32767; the previous value is kept";
constexpr const char* kMark = "Stitch Mark Length is too large to use; the previous value is kept";

// Closing a message activates the window again, which refills its boxes from
// the stored values: what was typed in the other boxes must be read first.
struct ReactivatingMessageBox : testsupport::ScriptedMessageBox {
    frmPreferences* window = nullptr;
    model::MessageAnswer ask(const std::string& text, model::MessageButtons buttons, model::MessageIcon icon) override
    {
        window->Form_Activate();
        return ScriptedMessageBox::ask(text, buttons, icon);
    }
};

class PreferencesWindow : public ::testing::Test {
protected:
    PreferencesWindow()
    {
        reset();
        prefs = std::make_unique<frmPreferences>();  // it fills its boxes from the design on load
        prefs->connectTo(&main, &messages, &stationBox);
        messages.window = prefs.get();
    }
    ~PreferencesWindow() override { currentDesign() = {}; }

    void reset()
    {
        model::Design& d = currentDesign();
        if (!d.DesignLoaded) d = testsupport::cockpitKayak();
        d.StationCount = 21;
        d.StitchSpacing = 4;
        d.StitchMarkLength = 0.25;
        d.DesignChanged = false;
        d.CurrentStation = 7;
        stationBox.setText("51\"");
        messages.shown.clear();
        main.log.clear();
    }
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
    testsupport::FakeMain main{info};
    ReactivatingMessageBox messages;
    QLineEdit stationBox;
    std::unique_ptr<frmPreferences> prefs;
};

}  // namespace

TEST_F(PreferencesWindow, FillsItsBoxesOnEachActivationAndOkStoresWhatIsWithinLimits)
{
    EXPECT_EQ(prefs->windowTitle(), "Quillock");
    QStringList captions{prefs->Command1->text(), prefs->Command2->text()};
    for (const QLabel* label : prefs->findChildren<QLabel*>()) captions << label->text();
    EXPECT_EQ(captions, (QStringList{"Ok", "Cancel", "Number of Stations (10-100)", "Distance Between Stitches", "Stitch Mark Length"}));
    EXPECT_EQ(std::tuple(prefs->txtNumberofSections->text(), prefs->txtStitchLength->text(), prefs->txtStitchMarkLength->text()),
              std::tuple("20", "4", "0.25"));

    prefs->txtStitchLength->setText("9");
    prefs->Command2->click();  // Cancel stores nothing
    EXPECT_EQ(std::tuple(currentDesign().StitchSpacing, prefs->isVisible(), main.log), std::tuple(4, false, Log{}));

    currentDesign().StitchMarkLength = 0.5;
    prefs->show();
    prefs->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(prefs->isActiveWindow());
    EXPECT_EQ(std::tuple(prefs->txtStitchLength->text(), prefs->txtStitchMarkLength->text()), std::tuple("4", "0.5"));

    // Stations within limits (a message and the nearest limit otherwise), rounded
    // halves to even; stitch spacing whole, refused below 1 or past 16 bits, and a
    // refused box keeps every value of the press out; the design marked changed
    // only by the values saved with it.
    const struct { const char *stations, *spacing, *mark; double stationCount; int spacingStored; double markStored;
                   Log messages; bool refused, changed; } rows[] = {
        {"10", "4", "0.25", 11, 4, 0.25, {}, false, true},
        {"100", "4", "0.25", 101, 4, 0.25, {}, false, true},
        {"9", "4", "0.25", 11, 4, 0.25, {kStations}, false, true},
        {"101", "6", "0.5", 101, 6, 0.5, {kStations}, false, true},
        {"", "4", "0.25", 11, 4, 0.25, {kStations}, false, true},
        {"20.5", "4", "0.25", 21, 4, 0.25, {}, false, false},
        {"20", "4", "0.5", 21, 4, 0.5, {}, false, false},  // the mark length is not saved with the design
        {"20", "2.5", "0.25", 21, 2, 0.25, {}, false, true},
        {"30", "0", "0.3", 21, 4, 0.25, {kSpacing}, true, false},
        {"20", "40000", "0.25", 21, 4, 0.25, {kSpacing}, true, false},
        {"20", "6", "1e999", 21, 4, 0.25, {kMark}, true, false},
        {"9.6", "0", "0.25", 21, 4, 0.25, {kStations, kSpacing}, true, false},
    };
    for (const auto& row : rows) {
        reset();
        ok(row.stations, row.spacing, row.mark);
        const model::Design& d = currentDesign();
        SCOPED_TRACE(testing::Message() << row.stations << " " << row.spacing << " " << row.mark);
        const auto stored = std::tuple(d.StationCount, d.StitchSpacing, d.StitchMarkLength);
        EXPECT_EQ(std::tuple(stored, d.DesignChanged, messages.texts(), prefs->isVisible()),
                  std::tuple(std::tuple(row.stationCount, row.spacingStored, row.markStored), row.changed,
                             row.messages, row.refused));
        // After a refusal the window stays, showing the values in force;
        // otherwise it closes and the design is rebuilt at station 0.
        const QString spacing = prefs->txtStitchLength->text(), mark = prefs->txtStitchMarkLength->text();
        const auto shown = std::tuple(prefs->txtNumberofSections->text().toDouble() + 1, spacing.toInt(), mark.toDouble());
        if (row.refused) {
            EXPECT_EQ(std::tuple(d.CurrentStation, stationBox.text(), main.log, shown),
                      std::tuple(7, "51\"", Log{}, stored));
        } else {
            EXPECT_EQ(std::tuple(d.CurrentStation, stationBox.text(), main.log, d.Sections.size()),
                      std::tuple(0, "0\"", Log{"R2", "R3", "R1"}, std::size_t(row.stationCount) + 1));
        }
    }
}
