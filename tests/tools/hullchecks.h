#pragma once
// Geometric checks of a hull. Each returns its faults one a line (a dozen at
// most, enough to see the pattern), empty when the hull passes.

#include "model/design.h"

#include <string>

namespace hullchecks {

// At every station and on a fine grid between them: lines top to keel in
// descending height, deck lines inside the sheer and hull lines flaring out
// to it (the sheer is the widest line), and depth between the hull ends.
std::string lineOrder(const model::Design& design);

// Each segment's four X strictly increasing and clearly off the thirds of its
// span (where X(t) is nearly linear and the closed form has nothing to
// solve), and the closed-form cubic finding every X the segment covers.
std::string segments(const model::Design& design);

// Handles and anchors name each other, smooth handles name their partner,
// and where two segments of a line meet they share an anchor with their
// handles on one straight line through it.
std::string handles(const model::Design& design);

}  // namespace hullchecks
