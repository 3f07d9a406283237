#include "platform/devicecontext.h"
#include "views/backgrounds.h"
#include "views/hullpanels.h"
#include "viewsfixture.h"

#include <gtest/gtest.h>

using namespace views;
using namespace testsupport;
using platform::RGB;

namespace {

// Ten pixels an inch: the profile shows -10..110 by -5..15 on 1200 x 200, the
// plan views -10..110 by -15..15 on 1200 x 300. The box hull's sides lie
// between columns 100 and 1100; its depth between rows 150 and 50 of the
// profile; its half-breadths between rows 150 and 50 (or 250) of the plans.
struct Panels : ViewsFixture {
    Panels()
    {
        sizeViews({1200, 200}, {1200, 300}, {1200, 300}, {100, 100});
        setWindow(kRightView, {-10, 110, -5, 15});
        setWindow(kTopView, {-10, 110, -15, 15});
        setWindow(kBottomView, {-10, 110, -15, 15});
        for (platform::PictureBox* box : boxList()) box->FillStyle = platform::kFillSolid;
    }
    void setWindow(int view, ViewExtent e)
    {
        state.ViewExtents[view] = e;
        views.box(view).Scale(e.XMin, e.YMax, e.XMax, e.YMin);
    }
    void draw(bool solid)
    {
        state.Solid = solid;
        paintBackgrounds(redraw());
        DrawHullPanels(redraw());
    }
};

// Whether each panel's shade shows in the view.
std::vector<bool> shadesShown(Panels& f, int view, int panels)
{
    std::vector<bool> shown;
    for (int k = 1; k <= panels; ++k) shown.push_back(f.count(view, panelFillColor(k)) > 0);
    return shown;
}

}  // namespace

TEST(PanelFillColor, DarkensByThirtyAndStopsAtBlack)
{
    EXPECT_EQ(panelFillColor(1), RGB(0, 205, 205));
    EXPECT_EQ(panelFillColor(7), RGB(0, 25, 25));
    EXPECT_EQ(panelFillColor(8), RGB(0, 0, 0));
    EXPECT_EQ(panelFillColor(12), RGB(0, 0, 0));
}

TEST(HullPanels, SolidModeFillsEachViewsPanelsBothSides)
{
    Panels f;
    f.draw(true);
    // Profile: the side panel 2 between sheer and chine.
    EXPECT_EQ(f.at(kRightView, 600, 100), rgbOf(panelFillColor(2)));
    // Top: the deck panel 1 and its mirror; bottom: the bottom panel 3.
    for (int row : {100, 200}) {
        EXPECT_EQ(f.at(kTopView, 600, row), rgbOf(panelFillColor(1))) << row;
        EXPECT_EQ(f.at(kBottomView, 600, row), rgbOf(panelFillColor(3))) << row;
    }
    // Outlines in the views' ForeColor, water beyond them.
    EXPECT_EQ(f.at(kTopView, 600, 50), rgbOf(platform::kBlack));
    EXPECT_EQ(f.at(kTopView, 600, 250), rgbOf(platform::kBlack));
    EXPECT_EQ(f.at(kTopView, 600, 40), rgbOf(kWater));
    EXPECT_EQ(f.at(kRightView, 1150, 80), rgbOf(kAir));
}

TEST(HullPanels, WireframeModeLetsTheBackgroundShowThrough)
{
    Panels f;
    f.draw(false);
    EXPECT_EQ(f.at(kRightView, 600, 80), rgbOf(kAir));
    EXPECT_EQ(f.at(kRightView, 600, 120), rgbOf(kWater));
    EXPECT_EQ(f.at(kTopView, 600, 100), rgbOf(kWater));
    EXPECT_EQ(f.at(kBottomView, 600, 200), rgbOf(kWater));
    EXPECT_EQ(f.at(kBottomView, 600, 50), rgbOf(platform::kBlack));
}

TEST(HullPanels, EveryPanelHasItsShadeInTheViewsThatShowIt)
{
    Panels f;
    f.design = sevenLineKayak();  // panels 1, 2 deck; 3 to 6 hull
    const ViewExtent profile{-10, 214, -5, 20}, plan{-10, 214, -15, 15};
    f.sizeViews({2240, 250}, {2240, 300}, {2240, 300}, {100, 100});
    f.setWindow(kRightView, profile);
    f.setWindow(kTopView, plan);
    f.setWindow(kBottomView, plan);
    f.draw(true);
    EXPECT_EQ(shadesShown(f, kRightView, 6), std::vector<bool>(6, true));
    EXPECT_EQ(shadesShown(f, kTopView, 6), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(shadesShown(f, kBottomView, 6), (std::vector<bool>{false, false, true, true, true, true}));

    f.draw(false);
    for (int view : {kRightView, kTopView, kBottomView})
        EXPECT_EQ(shadesShown(f, view, 6), std::vector<bool>(6, false)) << view;
}

TEST(HullPanels, PanelsNeitherDeckNorHullShowInTheProfileOnly)
{
    Panels f;
    for (auto& p : f.design.HullPanels) p.IsHull = 2;
    f.draw(true);
    EXPECT_EQ(f.at(kRightView, 600, 100), rgbOf(panelFillColor(2)));
    EXPECT_EQ(f.at(kTopView, 600, 100), rgbOf(kWater));
    EXPECT_EQ(f.at(kBottomView, 600, 100), rgbOf(kWater));
}

TEST(HullPanels, LeavesTheLastShadeAndPutsTheMappingBack)
{
    Panels f;
    std::array<platform::GdiMapping, 3> before;
    for (int view : {kRightView, kTopView, kBottomView}) before[view - 1] = f.views.box(view).hDC().mapping();
    f.draw(true);
    EXPECT_EQ(f.right_.FillColor, panelFillColor(3));
    EXPECT_EQ(f.top_.FillColor, panelFillColor(1));  // the top view draws its panels last to first
    EXPECT_EQ(f.bottom_.FillColor, panelFillColor(3));
    for (int view : {kRightView, kTopView, kBottomView}) {
        const platform::GdiMapping& after = f.views.box(view).hDC().mapping();
        EXPECT_EQ(after.mapMode(), before[view - 1].mapMode());
        EXPECT_EQ(after.windowExt(), before[view - 1].windowExt());
        EXPECT_EQ(after.viewportExt(), before[view - 1].viewportExt());
    }
}
