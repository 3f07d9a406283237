#pragma once
// What the new-design wizard's OK does to a template once the file is read:
// the inputs copied, the hull stretched to the chosen length and scaled to
// the chosen beam as the top view measures it, the cockpit rims sized and
// spaced, the tandem's fixed points placed and the panels flagged, with the
// hydrostatic runs in between that slide the cockpits over the centre of
// buoyancy (automatic positioning on, automatic waterline off, as the
// design-data window starts).

#include "model/design.h"
#include "model/hydrostatics.h"

namespace wizardsteps {

struct Inputs {
    double length = 204;  // inches
    double beam = 23;
    double paddlerWeight = 190;
    double cockpitLength = 32;
    double cockpitWidth = 18;
    double aftToCG = 11;
    double distanceBetweenCockpits = 60;
};

// Runs the sequence on `design` and returns the last hydrostatic results.
model::Hydrostatics makeNewDesign(model::Design& design, const Inputs& inputs);

}  // namespace wizardsteps
