#pragma once
// What the three single-cockpit hulls share: a 17 ft by 23 in touring
// kayak's deck, sheer, keel and cockpit. They differ only in their chines.

#include "tools/hullshape.h"

namespace hulls {

HullShape singleCockpitHull();

}  // namespace hulls
