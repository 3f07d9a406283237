#pragma once
// What the new-design wizard does to a template, short of the hydrostatic
// runs in between: stretch to the chosen length, scale to the chosen beam as
// the top view measures it, size and space the cockpit rims, place the
// tandem's fixed points and flag the panels.

#include "model/design.h"

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

// Lengths, weights and cockpit sizes copied, the hull stretched and scaled.
void stretchAndScale(model::Design& design, const Inputs& inputs);
// Rim widths and spacing, the tandem's fixed points, the panel flags.
void shapeCockpits(model::Design& design);

}  // namespace wizardsteps
