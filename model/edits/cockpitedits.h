#pragma once
// Edits of the cockpit outlines: the rim re-spacing shared by the length and
// cockpit changes, and the rim half-breadths that follow a cockpit's width.

#include "model/hull/design.h"
#include "model/hull/rimpoints.h"

namespace model {

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
