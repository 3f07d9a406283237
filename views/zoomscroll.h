#pragma once
// Zoom and scroll of the three long views: the part of a fitted window shown
// at a zoom factor and scroll position. Qt-free.

#include "views/drawingstate.h"

namespace views {

// The window 1 / zoom the fitted one's width and height, its left edge moved
// right by the horizontal bar's share of the width and its top edge down by
// the vertical bar's share of the height. A bar without range counts as 0.
ViewExtent visibleWindow(const ViewExtent& fitted, double zoom, const ScrollBar& horizontal, const ScrollBar& vertical);

// At zoom 1 or less the six bars are hidden and set to 0, above it shown.
void setScrollBarsByZoom(DrawingState& state);

// At any zoom but exactly 1, replaces records 1 to 3 of ViewExtents by their
// visible windows (also kept in VisibleWindows).
void applyZoomAndScroll(DrawingState& state);

}  // namespace views
