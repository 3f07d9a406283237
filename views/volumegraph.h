#pragma once
// The volume distribution graph: one bar per slice of the hull, from the
// slice's volume below the waterline down to 0, redrawn whole after every
// hydrostatic run.

#include "platform/picturebox.h"
#include "views/viewextent.h"

#include <vector>

namespace views {

struct VolumeBar {
    double x = 0;       // the slice's start, inches from X = 0
    double volume = 0;  // its volume below the waterline, cubic inches
};

struct VolumeGraph {
    std::vector<VolumeBar> bars;
    ViewExtent extent;  // inches across, cubic inches up
};

// Erases the graph, sets its drawing state and its scale to the extent (Y
// upward), and draws the bars. A window without width or height is only erased.
void drawVolumeGraph(platform::PictureBox& box, const VolumeGraph& graph);

}  // namespace views
