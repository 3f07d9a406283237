#include "tests/tools/wizardsteps.h"

#include "tests/tools/hullchecks.h"

#include "model/cockpitedits.h"
#include "model/hullresize.h"
#include "model/newdesign.h"

namespace wizardsteps {

void stretchAndScale(model::Design& d, const Inputs& in)
{
    d.PaddlerWeights = {0, in.paddlerWeight, in.paddlerWeight};
    for (int k = 1; k <= d.cockpitCount(); ++k) {
        d.Cockpits[k].Length = in.cockpitLength;
        d.Cockpits[k].Width = in.cockpitWidth;
        d.Cockpits[k].AftToCG = in.aftToCG;
    }
    d.Cockpits[1].DistanceBetweenCockpits = in.distanceBetweenCockpits;
    model::stretchToLength(d, in.length);
    // Every panel still counts as a deck panel here, so the measured beam
    // covers every line.
    model::scaleAllToBeam(d, in.beam, hullchecks::measuredBeam(d, d.LineCount));
    model::setRimHalfWidth(d, 1);
}

void shapeCockpits(model::Design& d)
{
    if (d.cockpitCount() == 2) {
        model::setRimHalfWidth(d, 2);
        model::placeTandemFixedPoints(d);
    }
    for (int k = 1; k <= d.cockpitCount(); ++k) model::respaceAndLevelRim(d, k);
    model::flagDeckAndHullPanels(d);
}

}  // namespace wizardsteps
