#include "dialogs/frmNew.h"
#include "tests/dialogs/fakemain.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include "model/file/designwriter.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

using dialogs::frmNew;

TEST(frmNew, DefaultsAndTheSlidersCaptions)
{
    testsupport::testApp();
    frmNew w;
    // Length, its feet and inches, beam and its caption.
    const auto shown = [&] { return QStringList{w.txtLength->text(), w.LabelFeet->text(), w.txtBeam->text(), w.lblBeam->text()}; };
    EXPECT_EQ(w.windowTitle() + w.textBox("txtCockpitAftToCG")->text(), "Quillock - New11");
    // The feet label keeps its first caption until the slider moves.
    EXPECT_EQ(shown(), (QStringList{"204", "17' 0\"", "23", " 23\" ( 1'  11\") "}));
    w.SliderLength->setValue(96);
    EXPECT_EQ(shown().mid(0, 2), (QStringList{"96", " 8'  0\""}));
    w.SliderLength->setValue(205);
    w.SliderWidth->setValue(48);
    EXPECT_EQ(shown(), (QStringList{"205", " 17'  1\"", "48", " 48\" ( 4'  0\") "}));

    // Typing moves the slider and its caption; the box keeps what was typed.
    // Text outside the range leaves both where they were.
    const struct { QLineEdit* box; const char* typed; QSlider* slider; int value; QLabel* caption; const char* text; } typed[] = {
        {w.txtLength, "120.4 in", w.SliderLength, 120, w.LabelFeet, " 10'  0\""},
        {w.txtLength, "300", w.SliderLength, 120, w.LabelFeet, " 10'  0\""},
        {w.txtLength, "1e999", w.SliderLength, 120, w.LabelFeet, " 10'  0\""},
        {w.txtBeam, "30", w.SliderWidth, 30, w.lblBeam, " 30\" ( 2'  6\") "},
    };
    for (const auto& t : typed) {
        t.box->setFocus();
        t.box->selectAll();
        QTest::keyClicks(t.box, t.typed);
        EXPECT_EQ(std::tuple(t.box->text(), t.slider->value(), t.caption->text()),
                  std::tuple(QString(t.typed), t.value, QString(t.text)));
    }
}

// A number the wizard cannot use names its box; a beam that reads but cannot
// be calculated leaves the open design as it was. Either way the wizard stays.
TEST(frmNew, AnUnusableNumberNamesItsBoxAndAFailedBuildKeepsTheOpenDesign)
{
    testsupport::testApp();
    dialogs::frmInfo info;
    testsupport::FakeMain main(info);
    testsupport::ScriptedMessageBox messages;
    info.connectTo(&main, &messages);
    info.checkBox("chkAutoPositionCockpit")->setChecked(false);
    frmNew w;
    w.templateFolder = QUILLOCK_TEMPLATES;
    w.connectTo(&main, &info, &messages);
    model::Design open = testsupport::cockpitKayak();
    open.DesignLoaded = true;
    open.FileName = "/somewhere/kayak.qlk";
    const std::string openText = model::writeDesignText(open);

    const struct { int tab; const char *box, *text, *message; } rows[] = {
        {0, "txtLength", "1e999", "Please enter a kayak length from 96 to 276 inches"},
        {0, "txtBeam", "1e999", "Please enter width in inches"},
        {0, "txtCockpitWidth", "1e999", "Please enter cockpit width in inches"},
        {0, "txtPaddlerWeight", "heavy", "Please enter paddler weight in lbs"},
        {0, "txtCockpitAftToCG", "1e999", "Please enter cockpit aft to paddlers center of gravity in inches"},
        {1, "txtCockpit1AftTocenterofgravity", "1e999", "Please enter cockpit 1 aft to paddlers center of gravity in inches"},
        {1, "txtCockpit2Length", "-1e999", "Please enter cockpit length in inches"},
        {1, "txtDistanceBetweenCockpits", "1e999", "Please enter the distance between cockpits in inches"},
        {1, "txtBeam", "1e160", "The new design could not be calculated; the open design is kept: Distance3D"},
    };
    for (const auto& row : rows) {
        model::currentDesign() = open;
        w.SSTab1->setCurrentIndex(row.tab);
        const QString typed = w.textBox(row.box)->text();
        w.textBox(row.box)->setText(row.text);
        w.ProgressBar1->setValue(0);  // as File > New leaves it
        w.show();
        messages.shown.clear();
        w.Command1->click();
        EXPECT_EQ(std::tuple(messages.texts(), w.isVisible(), w.ProgressBar1->value()),
                  std::tuple(std::vector<std::string>{row.message}, true, 0)) << row.box;
        EXPECT_EQ(model::writeDesignText(model::currentDesign()), openText) << row.box;

        w.textBox(row.box)->setText(typed);
        w.Command1->click();
        EXPECT_EQ(std::tuple(w.isVisible(), w.ProgressBar1->value(), model::currentDesign().FileName),
                  std::tuple(false, 90, std::string())) << row.box;
    }
    model::currentDesign() = {};
}
