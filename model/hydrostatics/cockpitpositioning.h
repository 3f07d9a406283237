#pragma once
// Slides the cockpits along the hull so that the paddlers' centre of gravity
// lies over the centre of buoyancy, and measures the hull's depth at each
// cockpit's ends.

#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"

namespace model {

// Moves the rim points of cockpit 1 (and 2) in X only. Does nothing unless
// the hull floats: a positive Draft, a found LCB and a waterline length above
// 0. A cockpit with a rim index outside the control points stays put.
void PositionCockpits(Design& design, const Hydrostatics& results);

// FrontDepth and RearDepth of cockpit records 1 and 2: line 1's height over
// the keel's at rim points 2 and 8; 0 where the rim index is not a control point.
void measureCockpitDepths(Design& design);

}  // namespace model
