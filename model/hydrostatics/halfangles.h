#pragma once
// Entry and exit half angles: how sharply the waterline opens at the bow and
// closes at the stern, measured a set distance inside each end of it.

#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"

namespace model {

// One side's waterline half-breadth (inches) at normalised X `x`; 0 where
// the waterline does not pass between line 1 and the keel.
double waterlineHalfWidthAt(const Design& design, double x);

// EntryHalfWidth and ExitHalfWidth, EntryMeasuredFrom inches aft of the
// waterline's start and ExitMeasuredFrom inches forward of its end.
void gethalfwidths(const Design& design, Hydrostatics& results);

// EntryHalfAngle and ExitHalfAngle in degrees; 0 for a measured-from
// distance of 0.
void gethalfangles(Hydrostatics& results);

}  // namespace model
