#include "views/zoomscroll.h"

#include <gtest/gtest.h>

using namespace views;

namespace {

const ViewExtent kFitted{-2, 102, -13, 13};  // 104 across, 26 up

ScrollBar bar(int value, int max) { return {value, max, true}; }

}  // namespace

TEST(VisibleWindow, ZoomTwoShowsTheLeftAndTopHalves)
{
    EXPECT_EQ(visibleWindow(kFitted, 2, bar(0, 10), bar(0, 10)), (ViewExtent{-2, 50, 0, 13}));
}

TEST(VisibleWindow, BarsMoveTheWindowAcrossAndDown)
{
    // At Max the window starts at the fitted right edge.
    EXPECT_EQ(visibleWindow(kFitted, 2, bar(10, 10), bar(10, 10)), (ViewExtent{102, 154, -26, -13}));
    // Half way: 52 across and 13 down.
    EXPECT_EQ(visibleWindow(kFitted, 2, bar(5, 10), bar(5, 10)), (ViewExtent{50, 102, -13, 0}));
    // A bar without range counts as at 0.
    EXPECT_EQ(visibleWindow(kFitted, 2, bar(3, 0), bar(3, -1)), (ViewExtent{-2, 50, 0, 13}));
}

TEST(VisibleWindow, ZoomingOutAnchorsAtTheFittedLeftAndTop)
{
    EXPECT_EQ(visibleWindow(kFitted, 0.5, bar(0, 10), bar(0, 10)), (ViewExtent{-2, 206, -39, 13}));
    // 104 / 0.75 = 138.67 and 26 / 0.75 = 34.67.
    EXPECT_EQ(visibleWindow(kFitted, 0.75, bar(0, 10), bar(0, 10)), (ViewExtent{-2, 137, -22, 13}));
}

TEST(ZoomAndScroll, ScrollBarsShowOnlyAboveZoomOne)
{
    DrawingState s;
    s.TopviewHScroll = bar(4, 10);
    s.BottomViewVScroll = bar(7, 10);
    s.ZoomFactor = 2;
    setScrollBarsByZoom(s);
    EXPECT_TRUE(s.RightViewHScroll.Visible && s.RightViewVScroll.Visible && s.TopViewVScroll.Visible);
    EXPECT_EQ(s.TopviewHScroll.Value, 4);

    for (double zoom : {1.0, 0.75}) {
        s.ZoomFactor = zoom;
        s.TopviewHScroll = bar(4, 10);
        setScrollBarsByZoom(s);
        for (int view : {kRightView, kTopView, kBottomView}) {
            EXPECT_FALSE(s.horizontalBar(view).Visible || s.verticalBar(view).Visible);
            EXPECT_EQ(s.horizontalBar(view).Value + s.verticalBar(view).Value, 0);
        }
    }
}

TEST(ZoomAndScroll, OnlyTheLongViewsAndOnlyAwayFromZoomOne)
{
    DrawingState s;
    for (auto& extent : s.ViewExtents) extent = kFitted;
    s.ZoomFactor = 1;
    applyZoomAndScroll(s);
    EXPECT_EQ(s.ViewExtents[kRightView], kFitted);
    EXPECT_EQ(s.VisibleWindows[kRightView], ViewExtent{});

    s.ZoomFactor = 0.5;
    applyZoomAndScroll(s);
    for (int view : {kRightView, kTopView, kBottomView}) {
        EXPECT_EQ(s.ViewExtents[view], (ViewExtent{-2, 206, -39, 13}));
        EXPECT_EQ(s.VisibleWindows[view], s.ViewExtents[view]);
    }
    EXPECT_EQ(s.ViewExtents[kFrontView], kFitted);
    EXPECT_EQ(s.ViewExtents[kSectionEdit], kFitted);
}
