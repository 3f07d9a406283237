#pragma once
// The steps of a hydrostatics run, in the order the run takes them.

#include "model/hull/hullslice.h"
#include "model/hydrostatics/hydrostatics.h"

namespace model {

// The first pass over the 1000 slices: volumes, areas, the waterline's
// limits and beam, the half-breadth tables and the graph bars. Returns the
// heights of the lines seen (inches).
HeightRange integrateSlices(HullSlicer& slicer, double length, double w, Hydrostatics& results);

// The second pass over the waterline's slices: LCBPosition and LCF.
void findCentres(HullSlicer& slicer, double length, double w, Hydrostatics& results);

// The results that follow from the two passes, in their order.
void deriveResults(const Design& design, const HeightRange& heights, Hydrostatics& results);

}  // namespace model
