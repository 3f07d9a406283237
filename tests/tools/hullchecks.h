#pragma once
// Geometric checks of a hull: each returns readable faults, empty when the
// hull passes, so a failing test says where the hull goes wrong.

#include "model/design.h"

#include <string>
#include <vector>

namespace hullchecks {

using Faults = std::vector<std::string>;

// X positions to look at: every station and a fine grid between them.
std::vector<double> samplePositions(const model::Design& design);

// Lines top to keel in descending height; deck lines inside the sheer, hull
// lines flaring out to it (the sheer is the widest line).
Faults lineOrderFaults(const model::Design& design);

// Each segment's four X strictly increasing, and the closed-form cubic
// finding every X the segment covers.
Faults segmentFaults(const model::Design& design);

// Handles clearly off the thirds of their segment, where X(t) would be
// (nearly) linear and the closed form has nothing to solve.
Faults thirdsFaults(const model::Design& design);

// Where two segments of a line meet at an anchor, their handles lie on one
// straight line through it, on opposite sides.
Faults fairnessFaults(const model::Design& design);

// Handles name an anchor that links them; smooth handles name each other as
// opposites.
Faults handleRecordFaults(const model::Design& design);

}  // namespace hullchecks
