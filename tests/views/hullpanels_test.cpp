#include "views/hullpanels.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;

namespace {

// Whether each of the first six panels' shades shows in the view.
std::vector<bool> shadesShown(ViewsFixture& f, int view)
{
    std::vector<bool> shown;
    for (int k = 1; k <= 6; ++k) shown.push_back(f.count(view, panelFillColor(k)) > 0);
    return shown;
}

}  // namespace

TEST(PanelFillColor, DarkensByThirtyAndStopsAtBlackFromTheEighthPanel)
{
    EXPECT_EQ(panelFillColor(1), platform::RGB(0, 205, 205));
    EXPECT_EQ(panelFillColor(7), platform::RGB(0, 25, 25));
    for (int k : {8, 12}) EXPECT_EQ(panelFillColor(k), platform::kBlack) << k;
}

// The box hull in the fixture's fitted views: the side panel 2 in the profile
// (Y 7.3 at row 30, 2.4 at row 70), the deck panel 1 in the top view and the
// bottom panel 3 in the bottom view, each with its mirror (Y +-5.2 at rows 30
// and 70, the centre line at 50), all outlined in black.
TEST(HullPanels, SolidModeFillsEachPanelAndWireframeLetsTheBackgroundShow)
{
    ViewsFixture f;
    f.run();
    f.expect(kRightView, {{500, 30, panelFillColor(2)}, {500, 70, panelFillColor(2)}});
    f.expect(kTopView, {{200, 30, panelFillColor(1)}, {200, 70, panelFillColor(1)}, {200, 50, platform::kBlack}});
    f.expect(kBottomView, {{250, 30, panelFillColor(3)}, {250, 70, panelFillColor(3)}, {250, 50, platform::kBlack}});
    f.state.Solid = false;
    f.run();
    f.expect(kRightView, {{500, 30, kAir}, {500, 70, kWater}});
    f.expect(kTopView, {{200, 30, kWater}, {200, 70, kWater}, {200, 50, platform::kBlack}});
    f.expect(kBottomView, {{250, 30, kWater}, {250, 70, kWater}});
}

TEST(HullPanels, EachViewShowsTheShadesOfItsOwnPanels)
{
    ViewsFixture f;
    f.design = sevenLineKayak();  // panels 1, 2 deck; 3 to 6 hull
    f.sizeViews({2240, 250}, {2240, 300}, {2240, 300}, {100, 100});  // large enough for every shade to show
    model::makesections(f.design);
    f.run();
    EXPECT_EQ(shadesShown(f, kRightView), std::vector<bool>(6, true));
    EXPECT_EQ(shadesShown(f, kTopView), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(shadesShown(f, kBottomView), (std::vector<bool>{false, false, true, true, true, true}));
    for (auto& p : f.design.HullPanels) p.IsHull = 2;  // neither deck nor hull: the profile only
    f.run();
    EXPECT_EQ(shadesShown(f, kRightView), std::vector<bool>(6, true));
    for (int view : {kTopView, kBottomView}) EXPECT_EQ(shadesShown(f, view), std::vector<bool>(6, false)) << view;
}

// Filled panels that overlap: the later one covers the earlier, and the top
// view runs from the last panel down to the first. Each of the box's panels
// twice: the deck (1, 2), the sides (3, 4) and the bottom (5, 6).
TEST(HullPanels, OverlappingPanelsInEachViewsOrder)
{
    ViewsFixture f;
    f.design.PanelsPerSide = 6;
    f.design.HullPanels = {{}, {1, 2, 0}, {1, 2, 0}, {2, 3, 1}, {2, 3, 1}, {3, 4, 1}, {3, 4, 1}};
    f.run();
    f.expect(kRightView, {{500, 30, panelFillColor(4)}});
    f.expect(kTopView, {{200, 30, panelFillColor(1)}, {200, 70, panelFillColor(1)}});
    f.expect(kBottomView, {{250, 30, panelFillColor(6)}, {250, 70, panelFillColor(6)}});
}
