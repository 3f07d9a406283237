#pragma once
// The pass of the redraw that draws the edit handles. It holds its place in
// the order of drawing and draws nothing yet.

#include "views/redraw.h"

namespace views {

void drawEditHandles(const Redraw& r);

}  // namespace views
