#pragma once
// The redraw of every view of the design.

#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"
#include "views/drawingstate.h"
#include "views/viewboxes.h"

namespace views {

// Gives the hull lines their handle colours, then, for a loaded design, sets
// the scroll bars by zoom, fits the hull box into the five drawing views,
// applies zoom and scroll to the long views and draws every pass. Writes the
// lines' Color, and in `state` the scroll bars, ViewExtents 1 to 5,
// VisibleWindows, DrawMin and DrawMax. Does nothing while FormTooSmall, when
// a picture box is missing, or when called again from inside a redraw.
// The overlays and markers read the last hydrostatic results. Arithmetic
// errors (model::FloatError) reach the caller.
void drawscreens(model::Design& design, const model::Hydrostatics& hydro, const ViewBoxes& views,
                 DrawingState& state);

}  // namespace views
