#pragma once
// Edits of the cockpit outlines: the rim re-spacing shared by the length and
// cockpit changes, and the rim half-breadths that follow a cockpit's width.

#include "model/design.h"

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

// Puts rim points 4, 5, 6 at 1/2, 2/3 and 5/6 of the way from rim point 2 to
// rim point 8 and gives rim point 3 the half-breadth of rim point 7.
void respaceRim(Design& design, int cockpit);
// The same, with rim points 4 and 6 levelled with 5 before rim point 3 is set.
void respaceAndLevelRim(Design& design, int cockpit);
// Re-spaces cockpit 1, and cockpit 2 of a two-cockpit design.
void respaceRims(Design& design);

// Sets the half-breadth of rim points 5, 4 and 6 to half the cockpit's Width;
// nothing for a cockpit outside the table or a hull without length.
void setRimHalfWidth(Design& design, int cockpit);

}  // namespace model
