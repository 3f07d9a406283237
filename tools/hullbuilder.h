#pragma once
// Turns a hull description into a design: control points, segments, lines,
// panels, cockpits and the loading, with the fixed index roles every design
// of the program keeps (bow and stern tips 1 and 14, the deck chine's ends
// 18 and 23 on the sheer, line 1 the ridge, line 3 the sheer, the last line
// the keel).

#include "tools/hullshape.h"

#include "model/hull/design.h"

namespace hulls {

inline constexpr int kDeckChineLine = 2;
inline constexpr int kDeckPanels = 2;

model::Design buildDesign(const HullShape& shape);

}  // namespace hulls
