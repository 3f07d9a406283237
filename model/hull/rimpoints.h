#pragma once
// The cockpit rim's point table: which control point plays which role.

#include "model/hull/design.h"

namespace model {

// Rim point roles: 2 front end, 8 rear end, 4/5/6 along the side, 7 gives
// its half-breadth to 3.
inline constexpr int kRimFront = 2;
inline constexpr int kRimFrontPartner = 3;
inline constexpr int kRimSideHalf = 4;
inline constexpr int kRimSideTwoThirds = 5;
inline constexpr int kRimSideFiveSixths = 6;
inline constexpr int kRimRearPartner = 7;
inline constexpr int kRimRear = 8;

// A record of the fixed cockpit table (1 to kMaxCockpits).
bool cockpitExists(int cockpit);

// The control point index of rim point j of cockpit k, or 0 when the cockpit
// has no such rim point or the design no such control point.
int rimPoint(const Design& design, int cockpit, int j);

}  // namespace model
