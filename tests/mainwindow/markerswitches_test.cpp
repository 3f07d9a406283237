#include "dialogs/frmInfo.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QCheckBox>

namespace {

class MarkerSwitches : public testsupport::FormFixture {
protected:
    int pixels(platform::PictureBox* box, platform::ColorRef c) { return testsupport::countPixels(box->image(), c); }
};

}  // namespace

// A greyed box counts as clear; View > Water Line dots the top view only once
// a design exists.
TEST_F(MarkerSwitches, TheCheckedBoxesShowTheirMarkersAndWaterLineDots)
{
    constexpr platform::ColorRef kLcb = platform::RGB(225, 0, 0), kLcf = platform::RGB(0, 0, 225);
    constexpr platform::ColorRef kDot = platform::RGB(255, 0, 0);
    form->DrawWaterline();
    openKayak();
    dialogs::frmInfo& info = form->info();
    info.checkBox("chkLCBVisible")->setCheckState(Qt::Checked);
    info.checkBox("chkLCFVisible")->setCheckState(Qt::PartiallyChecked);
    form->drawscreens();
    EXPECT_GT(pixels(form->boxes.RightView, kLcb), 0);
    EXPECT_EQ(pixels(form->boxes.RightView, kLcf), 0);
    EXPECT_EQ(pixels(form->boxes.TopView, kDot), 0);
    form->menu("ViewWaterLine").click();
    EXPECT_GT(pixels(form->boxes.TopView, kDot), 0);
}
