#pragma once
// Geometric checks of a hull. Each returns its faults one a line (a dozen at
// most), empty when the hull passes.

#include "model/design.h"

#include <string>

namespace hullchecks {

// On a fine grid of stations: lines top to keel in descending height, deck
// lines inside the sheer and hull lines flaring out to it, depth between the ends.
std::string lineOrder(const model::Design& design);

// Each segment's four X strictly increasing and clearly off the thirds of its
// span, and the closed-form cubic finding every X the segment covers.
std::string segments(const model::Design& design);

// Handles and anchors name each other, smooth handles their partner, and
// where two segments of a line meet their handles are in line through the anchor.
std::string handles(const model::Design& design);

}  // namespace hullchecks
