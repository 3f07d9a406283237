#pragma once
// Station sections, bulkhead outlines and the hull's bounding box, all
// derived from the hull lines.

#include "model/hull/design.h"

namespace model {

// Rebuilds Sections, the bulkheads' Pts, HullMin and HullMax.
void makesections(Design& design);

// Adds a bulkhead at 2.5 % of the length per bulkhead number and rebuilds.
void addBulkhead(Design& design);
// Drops the last bulkhead (if any) and rebuilds.
void removeBulkhead(Design& design);

}  // namespace model
