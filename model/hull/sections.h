#pragma once
// Station sections, bulkhead outlines and the hull's bounding box, all
// derived from the hull lines.

#include "model/hull/design.h"

namespace model {

// Rebuilds Sections, the bulkheads' Pts, HullMin and HullMax.
void makesections(Design& design);

// A kayak has a handful of bulkheads; each is drawn and developed like a
// panel, so their number bounds the work of every redraw. A file with more is
// refused.
inline constexpr int kMaxBulkheads = 100;

// Adds a bulkhead at 2.5 % of the length per bulkhead number and rebuilds;
// nothing beyond kMaxBulkheads.
void addBulkhead(Design& design);
// Drops the last bulkhead (if any) and rebuilds.
void removeBulkhead(Design& design);

}  // namespace model
