#pragma once
// What every drawing pass of one redraw reads: the design and its
// hydrostatic results, the views and the main window's drawing state.

#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"
#include "views/drawingstate.h"
#include "views/viewboxes.h"

namespace views {

struct Redraw {
    model::Design& design;
    const model::Hydrostatics& hydro;
    const ViewBoxes& views;
    DrawingState& state;

    platform::PictureBox& box(int view) const { return views.box(view); }
    const ViewExtent& extent(int view) const { return state.ViewExtents[view]; }
};

}  // namespace views
