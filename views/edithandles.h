#pragma once
// The edit handles of the long view last pressed in: the control points of
// the panels it edits, their handle arms, and in the profile the waterline
// handle, whose place the pass stores for the mouse.

#include "views/redraw.h"

namespace views {

void drawEditHandles(const Redraw& r);

}  // namespace views
