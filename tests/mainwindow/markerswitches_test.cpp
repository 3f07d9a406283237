#include "dialogs/frmInfo.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QCheckBox>

namespace {

using testsupport::countPixels;
using views::MarkerSwitches;

constexpr platform::ColorRef kDotRed = platform::RGB(255, 0, 0);
constexpr platform::ColorRef kLcbRed = platform::RGB(225, 0, 0);

class MarkerSwitchesTest : public testsupport::FormFixture {};

bool operator==(const MarkerSwitches& a, const MarkerSwitches& b)
{
    return a.chkMidship == b.chkMidship && a.chkLCBVisible == b.chkLCBVisible && a.chkLCFVisible == b.chkLCFVisible &&
           a.chkEntryHalfAngle == b.chkEntryHalfAngle && a.chkExitHalfAngle == b.chkExitHalfAngle;
}

}  // namespace

// Only a checked box shows its marker; a greyed one counts as clear.
TEST_F(MarkerSwitchesTest, TheRedrawShowsTheMarkersOfTheCheckedBoxes)
{
    openKayak();
    dialogs::frmInfo& info = form->info();
    const std::pair<const char*, Qt::CheckState> boxes[] = {
        {"chkMidship", Qt::Unchecked},      {"chkLCBVisible", Qt::Checked},     {"chkLCFVisible", Qt::PartiallyChecked},
        {"chkEntryHalfAngle", Qt::Checked}, {"chkExitHalfAngle", Qt::Unchecked},
    };
    for (auto [name, state] : boxes) info.checkBox(name)->setCheckState(state);
    form->drawscreens();
    EXPECT_TRUE(form->drawingState().markers == (MarkerSwitches{false, true, false, true, false}));
    EXPECT_GT(countPixels(form->boxes.RightView->image(), kLcbRed), 0);
    info.checkBox("chkLCBVisible")->setCheckState(Qt::Unchecked);
    form->drawscreens();
    EXPECT_EQ(countPixels(form->boxes.RightView->image(), kLcbRed), 0);
}

// View > Water Line dots the crossings into the top view as it stands; with
// no design it draws nothing and fails nothing.
TEST_F(MarkerSwitchesTest, WaterLineDotsTheTopViewOnlyWithADesign)
{
    form->DrawWaterline();
    EXPECT_EQ(countPixels(form->boxes.TopView->image(), kDotRed), 0);
    openKayak();
    form->drawscreens();
    EXPECT_EQ(countPixels(form->boxes.TopView->image(), kDotRed), 0);
    form->menu("ViewWaterLine").click();
    EXPECT_GT(countPixels(form->boxes.TopView->image(), kDotRed), 0);
}
