#pragma once
// The wire-frame tubes: each hull line of each panel as a thin triangular
// tube, one continuous triangle strip per side.

#include "render3d/kayakverts.h"

namespace render3d {

// Fills LineVertCount and RibbonVerts; ExplodeOffsets must be built.
void buildRibbons(const model::Design& design, double lineThickness, KayakVerts& verts);

}  // namespace render3d
