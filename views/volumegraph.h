#pragma once
// The volume distribution graph: one bar per slice of the hull, from the
// slice's volume below the waterline down to 0, redrawn whole after every
// hydrostatic run.

#include "model/hydrostatics/hydrostatics.h"
#include "platform/picturebox.h"
#include "views/drawingstate.h"

namespace views {

// Erases the graph, sets its drawing state and its scale to the graph's
// window (Y upward, kept as the graph's record of state.ViewExtents for the
// markers drawn on it later), and draws the bars. A window without width or
// height is only erased.
void drawVolumeGraph(platform::PictureBox& box, const model::VolumeGraph& graph, DrawingState& state);

}  // namespace views
