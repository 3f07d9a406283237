#pragma once
// The nine rim points of a cockpit outline, laid on the deck. Each side of
// the outline is two Bezier segments: front end 2 with its sideways handles
// 1 and 3, side point 5 with handles 4 and 6 along the hull, rear end 8 with
// sideways handles 7 and 9. Handles 1 and 9 mirror 3 and 7 to the other side
// so the outline closes smoothly across the centre line.

#include "tools/hullshape.h"

#include "model/hull/design.h"

#include <array>

namespace hulls {

inline constexpr int kRimPoints = 9;

using RimIndices = std::array<int, kRimPoints + 1>;  // control point of rim point 1..9
using RimPoints = std::array<model::ControlPoint, kRimPoints + 1>;

// The rim points of `cockpit` on the deck of `deck`, with their links,
// anchors and opposite handles naming the given indices.
RimPoints rimPoints(const model::Design& deck, const CockpitShape& cockpit, const RimIndices& index);

// Height of the deck surface at (x, z), all normalised: straight across each
// deck panel from one edge line to the next, as the panels are built.
double deckHeight(const model::Design& design, double x, double z);

}  // namespace hulls
