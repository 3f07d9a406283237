#include "mainwindow/layout.h"

#include <gtest/gtest.h>

using namespace mainwindow;

TEST(Layout, LongViewsOverABandOfThreeWithTheStationRowAndScrollBars)
{
    for (const auto& [sw, sh] : {std::pair{24000.0, 15000.0}, std::pair{12000.0, 6000.0}}) {
        const Layout l = layOut(sw, sh);
        const auto& v = l.views;
        // The top view overlaps the profile by 2 twips; the graph ends 2 twips past the client area.
        EXPECT_EQ(std::tuple(v[kRight].left, v[kRight].top, v[kRight].width), std::tuple(2, 2, sw - 2));
        EXPECT_EQ(std::tuple(v[kTop].top, v[kBottom].top, v[kSection].top, v[kSection].height),
                  std::tuple(0.2 * sh, 0.4 * sh, 0.6 * sh, 0.4 * sh));
        EXPECT_EQ(std::tuple(v[kSection].left, v[kGraph].left + v[kGraph].width), std::tuple(2 + sw / 3, sw + 2));
        EXPECT_EQ(std::tuple(l.text1.left + l.text1.width / 2, l.command1.left),
                  std::tuple(v[kSection].width, l.text1.left + l.text1.width));
        for (int view = kRight; view <= kBottom; ++view) {
            const ScrollBars& b = l.scrollBars[view];
            EXPECT_EQ(b.vertical.left + b.vertical.width, v[view].left + v[view].width);
            EXPECT_EQ(b.horizontal.top + b.horizontal.height, v[view].top + v[view].height);
            EXPECT_EQ(b.horizontal.left + b.horizontal.width, b.vertical.left);
        }
    }
}
