#pragma once
// Where the main window's views, station row and scroll bars go, in twips,
// for a given client area. Pure arithmetic so it can be checked headless.

#include <array>

namespace mainwindow {

inline constexpr double kMinimumHeight = 3000;  // twips; below it nothing is laid out or drawn
inline constexpr int kViewGap = 4;

struct Rect {
    double left = 0, top = 0, width = 0, height = 0;
};

// Drawing-view order: profile, top, bottom, front, section editor, volume graph.
enum ViewIndex { kRight, kTop, kBottom, kFront, kSection, kGraph, kViewCount };

struct ControlSizes {
    double command2Width = 255, command1Width = 255, buttonHeight = 255;
    double text1Width = 735, text1Height = 285;
    double scrollThickness = 210;
};

struct ScrollBars {
    Rect vertical, horizontal;
};

struct Layout {
    std::array<Rect, kViewCount> views;
    Rect command2, text1, command1;
    std::array<ScrollBars, 3> scrollBars;  // profile, top, bottom
};

// The views and station row for a client area of sw x sh twips.
Layout layOut(double sw, double sh, const ControlSizes& sizes = {});
// The scroll bars inside the three long views.
std::array<ScrollBars, 3> layOutScrollBars(const std::array<Rect, kViewCount>& views, double thickness);

}  // namespace mainwindow

#include "views/viewextent.h"

namespace mainwindow {

// The view extents the main window starts with, before any design is drawn,
// for views laid out as `views` (their heights and widths in any one unit).
views::ViewExtentTable defaultViewExtents(const std::array<Rect, kViewCount>& views, double hullLength);

}  // namespace mainwindow
