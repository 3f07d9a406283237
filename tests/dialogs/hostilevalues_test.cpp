// Every hostile text in every box of the hull-model windows, then every
// button and switch of that window: no error may leave a click, and the
// program still calculates a good design to the bit afterwards.

#include "dialogs/frmNew.h"
#include "dialogs/frmPreferences.h"
#include "tests/dialogs/fakemain.h"
#include "tests/support/designbuilder.h"
#include "tests/support/sameresults.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include "model/file/designwriter.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

using model::currentDesign;
using model::currentHydrostatics;

namespace {

const char* const kHostile[] = {"1e400", "-1e400", "1e160", "1e-320", "nan", "inf", "", "abc",
                                "99999999999999999999", "-0", "5,5", "0x10"};

const char* const kInfoBoxes[] = {"txtWaterLevel", "txtKayakLength", "txtKayakWidth", "txtStartMeasuredFrom",
                                  "txtEndMeasuredFrom", "txtPaddlerWeight", "txtPaddler2Weight",
                                  "txtCargoWeight", "txtMaterialWeightPerSquareFoot",
                                  "txtDistanceBetweenCockpits", "txtCockpitLength", "txtCockpitWidth",
                                  "txtCockpitAftToCG", "txtCockpit2Length", "txtCockpit2Width",
                                  "txtCockpit2AfttoCG"};
const char* const kInfoChecks[] = {"chkAutoDetect", "chkAutoPositionCockpit", "chkLCBVisible", "chkLCFVisible",
                                   "chkMidship", "chkEntryHalfAngle", "chkExitHalfAngle"};

const char* const kWizardBoxes[] = {"txtLength", "txtBeam", "txtPaddlerWeight", "txtCockpitLength",
                                    "txtCockpitWidth", "txtCockpitAftToCG", "txtPaddler1Weight",
                                    "txtCockpit1Length", "txtCockpit1Width", "txtCockpit1AftTocenterofgravity",
                                    "txtPaddler2Weight", "txtCockpit2Length", "txtCockpit2Width",
                                    "txtCockpit2Afttocenterofgravity", "txtDistanceBetweenCockpits"};

// The two-cockpit kayak every click starts from.
model::Design tandem()
{
    model::Design d = testsupport::cockpitKayak();
    testsupport::addCockpit(d, 2, 180, 30, 10, 13);
    return d;
}

class HostileValues : public ::testing::Test {
protected:
    HostileValues()
    {
        info.connectTo(&main, &messages);
        model::Design d = tandem();
        model::runHydrostatics(d, {}, reference);
    }
    ~HostileValues() override { currentDesign() = {}; }

    // Runs one click; an error that leaves it is counted, never thrown on.
    void click(const std::string& what, const std::function<void()>& press)
    {
        ++clicks;
        try {
            press();
        } catch (const std::exception& e) {
            if (escaped++ < kShownEscapes) ADD_FAILURE() << what << " let out: " << e.what();
        }
        expectGoodDesignCalculates(what);
    }

    // The tandem with the boxes' own distances: the same results to the bit
    // as a run on fresh results.
    void expectGoodDesignCalculates(const std::string& what)
    {
        currentDesign() = tandem();
        quietly([this] {
            for (const char* name : kInfoChecks) info.checkBox(name)->setChecked(false);
            info.textBox("txtStartMeasuredFrom")->setText("36");
            info.textBox("txtEndMeasuredFrom")->setText("36");
        });
        try {
            main.GetCalculations();
            const auto differ = testsupport::differingResults(currentHydrostatics(), reference);
            if (!differ.empty() && broken++ < kShownEscapes) ADD_FAILURE() << what << " changed " << differ.front();
        } catch (const std::exception& e) {
            if (broken++ < kShownEscapes) ADD_FAILURE() << what << " then a good design raised " << e.what();
        }
    }

    // The window's switches set without running their handlers.
    void quietly(const std::function<void()>& set)
    {
        std::vector<std::unique_ptr<QSignalBlocker>> blockers;
        for (const char* name : kInfoChecks) blockers.push_back(std::make_unique<QSignalBlocker>(info.checkBox(name)));
        set();
    }

    void report(const char* window)
    {
        std::cout << window << ": " << clicks << " clicks, " << escaped << " escaped, " << broken
                  << " left the next calculation wrong\n";
        EXPECT_EQ(std::pair(escaped, broken), std::pair(0, 0)) << window;
    }

    static constexpr int kShownEscapes = 5;
    QApplication& app = testsupport::testApp();  // before any widget
    dialogs::frmInfo info;
    testsupport::FakeMain main{info};
    testsupport::ScriptedMessageBox messages;
    model::Hydrostatics reference;
    int clicks = 0, escaped = 0, broken = 0;
};

}  // namespace

TEST_F(HostileValues, NoClickOfTheDesignDataWindowLetsAnErrorOut)
{
    std::vector<QAbstractButton*> controls;
    for (QPushButton* b : info.findChildren<QPushButton*>()) controls.push_back(b);
    for (const char* name : kInfoChecks) controls.push_back(info.checkBox(name));
    ASSERT_EQ(controls.size(), 17u + 7u);  // sixteen Set buttons and Detect, seven switches
    for (const char* box : kInfoBoxes)
        for (const char* value : kHostile)
            for (QAbstractButton* control : controls) {
                currentDesign() = tandem();
                quietly([&] {
                    for (const char* name : kInfoChecks) info.checkBox(name)->setChecked(false);
                });
                info.Form_Activate();
                info.textBox(box)->setText(value);
                click(std::string(box) + " \"" + value + "\" " + control->objectName().toStdString(),
                      [&] { control->click(); });
            }
    report("design-data window");
}

TEST_F(HostileValues, NoClickOfTheWizardLetsAnErrorOutAndAFailedOkKeepsTheOpenDesign)
{
    dialogs::frmNew wizard;
    wizard.templateFolder = QUILLOCK_TEMPLATES;
    wizard.connectTo(&main, &info, &messages);
    std::map<std::string, QString> defaults;
    for (const char* box : kWizardBoxes) defaults[box] = wizard.textBox(box)->text();
    const std::pair<const char*, std::function<void()>> presses[] = {
        {"OK one cockpit", [&] { wizard.SSTab1->setCurrentIndex(0); wizard.Command1->click(); }},
        {"OK two cockpits", [&] { wizard.SSTab1->setCurrentIndex(1); wizard.Command1->click(); }},
        {"Cancel", [&] { wizard.Command2->click(); }},
    };
    int kept = 0;
    for (const char* box : kWizardBoxes)
        for (const char* value : kHostile)
            for (const auto& [name, press] : presses) {
                model::Design open = tandem();
                open.DesignLoaded = true;
                currentDesign() = open;
                const std::string before = model::writeDesignText(open);
                for (const auto& [other, text] : defaults) wizard.textBox(QString::fromStdString(other))->setText(text);
                wizard.textBox(box)->setText(value);
                wizard.show();
                messages.shown.clear();
                const std::string what = std::string(box) + " \"" + value + "\" " + name;
                ++clicks;
                try {
                    press();
                } catch (const std::exception& e) {
                    if (escaped++ < kShownEscapes) ADD_FAILURE() << what << " let out: " << e.what();
                }
                // Either a new design was built, or the open one stays as it was.
                if (wizard.isVisible()) {
                    ++kept;
                    EXPECT_EQ(model::writeDesignText(currentDesign()), before) << what;
                    EXPECT_EQ(messages.shown.size(), 1u) << what;
                }
                expectGoodDesignCalculates(what);
            }
    EXPECT_GT(kept, 0);
    report("wizard");
}

TEST_F(HostileValues, NoClickOfThePreferencesLetsAnErrorOut)
{
    currentDesign() = tandem();
    dialogs::frmPreferences prefs;
    QLineEdit stationBox;
    prefs.connectTo(&main, &messages, &stationBox);
    for (QLineEdit* box : {prefs.txtNumberofSections, prefs.txtStitchLength, prefs.txtStitchMarkLength})
        for (const char* value : kHostile)
            for (QPushButton* button : {prefs.Command1, prefs.Command2}) {
                currentDesign() = tandem();
                prefs.Form_Load();
                prefs.show();
                box->setText(value);
                click(box->objectName().toStdString() + " \"" + value + "\" " + button->text().toStdString(),
                      [&] { button->click(); });
            }
    report("preferences");
}
