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
    // Length, its feet and inches, beam and its caption.
    const auto shown = [&] { return QStringList{w.txtLength->text(), w.LabelFeet->text(), w.txtBeam->text(), w.lblBeam->text()}; };
    EXPECT_EQ(w.windowTitle() + w.textBox("txtCockpitAftToCG")->text(), "Quillock - New11");
    EXPECT_EQ(shown(), (QStringList{"204", " 17'  0\"", "23", " 23\" ( 1'  11\") "}));
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
