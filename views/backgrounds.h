#pragma once
// The flat backgrounds that paint over each view's last picture, and the inch
// rulers along the top and left edges of the five drawing views.

#include "views/redraw.h"

namespace views {

// The plan views all water; the profile, front and section views air above
// the design waterline and water from it down.
void paintBackgrounds(const Redraw& r);

// A tick every inch, 2 inches long at every foot (0 and the negative feet
// included) and 1 inch otherwise, hanging from the top edge and pointing in
// from the left edge.
void drawRulers(const Redraw& r);

}  // namespace views
