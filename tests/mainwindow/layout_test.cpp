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
        // The bars (210 twips thick) fill the view's right and bottom edges, meeting at the corner.
        const auto rect = [](const Rect& r) { return std::tuple(r.left, r.top, r.width, r.height); };
        for (int view = kRight; view <= kBottom; ++view) {
            const ScrollBars& b = l.scrollBars[view];
            const Rect& w = v[view];
            EXPECT_EQ(rect(b.vertical), std::tuple(w.left + w.width - 210, w.top, 210.0, w.height)) << view;
            EXPECT_EQ(rect(b.horizontal), std::tuple(w.left, w.top + w.height - 210, w.width - 210, 210.0)) << view;
        }
    }
}
