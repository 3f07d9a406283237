#include "mainwindow/layout.h"

#include <gtest/gtest.h>

using namespace mainwindow;

TEST(Layout, LongViewsOverABandOfThreeWithTheStationRowAndScrollBars)
{
    for (const auto& [sw, sh] : {std::pair{24000.0, 15000.0}, std::pair{12000.0, 6000.0}}) {
        const Layout l = layOut(sw, sh);
        const auto& v = l.views;
        EXPECT_EQ(v[kRight].left, 2);
        EXPECT_EQ(v[kRight].top, 2);
        EXPECT_EQ(v[kRight].width, sw - 2);
        EXPECT_EQ(v[kTop].top, 0.2 * sh);  // overlaps the profile view by 2 twips
        EXPECT_EQ(v[kBottom].top, 0.4 * sh);
        EXPECT_EQ(v[kSection].top, 0.6 * sh);
        EXPECT_EQ(v[kSection].height, 0.4 * sh);
        EXPECT_EQ(v[kSection].left, 2 + sw / 3);
        EXPECT_EQ(v[kGraph].left + v[kGraph].width, sw + 2);  // 2 twips past the client area
        EXPECT_EQ(l.text1.left + l.text1.width / 2, v[kSection].width);
        EXPECT_EQ(l.command1.left, l.text1.left + l.text1.width);
        for (int view = kRight; view <= kBottom; ++view) {
            const ScrollBars& b = l.scrollBars[view];
            EXPECT_EQ(b.vertical.left + b.vertical.width, v[view].left + v[view].width);
            EXPECT_EQ(b.horizontal.top + b.horizontal.height, v[view].top + v[view].height);
            EXPECT_EQ(b.horizontal.left + b.horizontal.width, b.vertical.left);
        }
    }
}
