#pragma once
// The beam over all as the top view draws it.

#include "model/hull/design.h"

namespace model {

// Twice the largest half-breadth (inches) among the outline samples of the
// deck panels, 0 without deck panels. The redraw, the design-data window,
// the wizard and the width change all take the beam from here, so it does
// not depend on whether a redraw has run since the last change.
double MaxBeam(const Design& design);

}  // namespace model
