#pragma once
// The section editor's outline of one station, both halves. Qt-free.

#include "model/hull/design.h"
#include "views/segment.h"

#include <vector>

namespace views {

// In inches, half-breadth across and height upward: the top closure from the
// centre line out to the top line and its mirror (none when the top point is
// on the centre line), then each panel edge from the top line down to the
// keel followed by its mirror. Nothing closes the keel. Empty for station 0
// (no section shown) and for a station or hull lines the design does not hold.
std::vector<Segment> sectionOutline(const model::Design& design, int station);

}  // namespace views
