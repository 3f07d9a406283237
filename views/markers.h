#pragma once
// The last pass of the redraw, on top of everything: the centres of buoyancy
// and flotation as dotted lines across the volume graph and the long views,
// and the entry and exit half angles as triangles in the bottom view, each
// while its box in the data window is checked.

#include "views/redraw.h"

namespace views {

void drawAnalysisMarkers(const Redraw& r);

}  // namespace views
