#include "dialogs/frmNew.h"
#include "tests/support/testapp.h"

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
    EXPECT_EQ(w.windowTitle(), "Quillock - New");
    EXPECT_EQ(w.LabelFeet->text(), " 17'  0\"");
    EXPECT_EQ(w.lblBeam->text(), " 23\" ( 1'  11\") ");
    EXPECT_EQ(w.textBox("txtCockpitAftToCG")->text(), "11");

    w.SliderLength->setValue(96);
    EXPECT_EQ(w.txtLength->text(), "96");
    EXPECT_EQ(w.LabelFeet->text(), " 8'  0\"");
    w.SliderLength->setValue(205);
    EXPECT_EQ(w.LabelFeet->text(), " 17'  1\"");
    w.SliderWidth->setValue(48);
    EXPECT_EQ(w.txtBeam->text(), "48");
    EXPECT_EQ(w.lblBeam->text(), " 48\" ( 4'  0\") ");

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
        EXPECT_EQ(t.box->text(), t.typed);
        EXPECT_EQ(t.slider->value(), t.value) << t.typed;
        EXPECT_EQ(t.caption->text(), t.text) << t.typed;
    }
}
