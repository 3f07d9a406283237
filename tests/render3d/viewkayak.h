#pragma once
// The seven-line kayak with its panels ending at the bow and stern points and its sections built: what the 3D view
// needs of a design.

#include "model/hull/sections.h"
#include "tests/support/designbuilder.h"

namespace testsupport {

inline model::Design viewKayak()
{
    model::Design d = sevenLineKayak();
    for (int p = 1; p <= d.PanelsPerSide; ++p) d.PanelEnds[p] = {0, model::kBowPoint, model::kSternPoint};
    model::makesections(d);
    return d;
}

}  // namespace testsupport
