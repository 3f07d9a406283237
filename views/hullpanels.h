#pragma once
// The hull panels of one side in the profile (all panels), the top view (deck
// panels) and the bottom view (hull panels, both plan views mirrored for the
// other side): each outline traced as a path on the view's device context and
// filled in the panel's own shade in the Solid draw mode, outlined otherwise.

#include "platform/gditypes.h"
#include "views/redraw.h"

namespace views {

// Panel k's shade of blue-green, darker with every panel and never below black.
platform::ColorRef panelFillColor(int panel);

// Leaves each of the three boxes' FillColor at its last panel's shade.
void DrawHullPanels(const Redraw& r);

}  // namespace views
