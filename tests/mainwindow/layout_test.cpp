#include "mainwindow/layout.h"

#include <gtest/gtest.h>

using namespace mainwindow;

TEST(Layout, StacksTheLongViewsOverABandOfThree)
{
    // 1600 x 1000 pixels of client area.
    const double sw = 24000, sh = 15000;
    const Layout l = layOut(sw, sh);
    const Rect& right = l.views[kRight];
    EXPECT_EQ(right.left, 2);
    EXPECT_EQ(right.top, 2);
    EXPECT_EQ(right.width, sw - 2);
    EXPECT_EQ(right.height, 3000);
    EXPECT_EQ(l.views[kTop].top, 3000);  // overlaps the profile view by 2 twips
    EXPECT_EQ(l.views[kBottom].top, 6000);
    for (int v : {kFront, kSection, kGraph}) {
        EXPECT_EQ(l.views[v].top, 9000);
        EXPECT_EQ(l.views[v].height, 6000);
        EXPECT_EQ(l.views[v].width, 8000);
    }
    EXPECT_EQ(l.views[kFront].left, 2);
    EXPECT_EQ(l.views[kSection].left, 8002);
    EXPECT_EQ(l.views[kGraph].left, 16002);  // its right edge lies 2 twips past the client area
}

TEST(Layout, StationRowIsCentredOnTheSectionEditorsWidth)
{
    const Layout l = layOut(24000, 15000);
    EXPECT_EQ(l.text1.left + l.text1.width / 2, l.views[kSection].width);
    EXPECT_EQ(l.command2.left + l.command2.width, l.text1.left);
    EXPECT_EQ(l.command1.left, l.text1.left + l.text1.width);
    EXPECT_EQ(l.command2.top, 9000);
}

TEST(Layout, ScrollBarsLineTheRightAndBottomEdges)
{
    const Layout l = layOut(24000, 15000);
    for (int v = kRight; v <= kBottom; ++v) {
        const Rect& view = l.views[v];
        const ScrollBars& b = l.scrollBars[v];
        EXPECT_EQ(b.vertical.left + b.vertical.width, view.left + view.width);
        EXPECT_EQ(b.vertical.height, view.height);
        EXPECT_EQ(b.horizontal.top + b.horizontal.height, view.top + view.height);
        EXPECT_EQ(b.horizontal.left + b.horizontal.width, b.vertical.left);
    }
}
