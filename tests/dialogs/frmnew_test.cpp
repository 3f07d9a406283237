#include "dialogs/frmNew.h"
#include "tests/support/testapp.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>

#include <gtest/gtest.h>

using dialogs::frmNew;

TEST(frmNew, StartsWithTheDefaults)
{
    testsupport::testApp();
    frmNew w;
    EXPECT_EQ(w.windowTitle(), "Quillock - New");
    EXPECT_EQ(w.SliderLength->minimum(), 96);
    EXPECT_EQ(w.SliderLength->maximum(), 276);
    EXPECT_EQ(w.txtLength->text(), "204");
    EXPECT_EQ(w.LabelFeet->text(), " 17'  0\"");
    EXPECT_EQ(w.txtBeam->text(), "23");
    EXPECT_EQ(w.lblBeam->text(), " 23\" ( 1'  11\") ");
    EXPECT_EQ(w.SSTab1->currentIndex(), 0);
    EXPECT_EQ(w.SSTab1->tabText(1), "Double Cockpit Kayak");
    EXPECT_TRUE(w.opt6hullpan->isChecked());
    EXPECT_EQ(w.textBox("txtCockpitAftToCG")->text(), "11");
    EXPECT_EQ(w.textBox("txtDistanceBetweenCockpits")->text(), "60");
    EXPECT_EQ(w.ProgressBar1->value(), 0);
}

TEST(frmNew, SlidersWriteBoxesAndCaptions)
{
    testsupport::testApp();
    frmNew w;
    w.SliderLength->setValue(96);
    EXPECT_EQ(w.txtLength->text(), "96");
    EXPECT_EQ(w.LabelFeet->text(), " 8'  0\"");
    EXPECT_EQ(w.LabelFeet->toolTip(), " 8'  0\"");
    w.SliderLength->setValue(276);
    EXPECT_EQ(w.LabelFeet->text(), " 23'  0\"");
    w.SliderWidth->setValue(48);
    EXPECT_EQ(w.txtBeam->text(), "48");
    EXPECT_EQ(w.lblBeam->text(), " 48\" ( 4'  0\") ");
}

TEST(frmNew, ClosingTheFrameActsAsCancel)
{
    testsupport::testApp();
    frmNew w;
    QSignalSpy cancel(&w, &frmNew::cancelClicked);
    w.show();
    w.close();
    EXPECT_EQ(cancel.count(), 1);
}
