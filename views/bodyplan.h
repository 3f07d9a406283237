#pragma once
// The body plan in the front view: every station as a filled half-section,
// forward stations on the left, after ones on the right, the middle half of
// the hull on both. Leaves the front view's FillColor and ForeColor at the
// last station's.

#include "views/redraw.h"

namespace views {

void drawBodyPlan(const Redraw& r);

}  // namespace views
