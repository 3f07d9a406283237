#include "tests/tools/wizardsteps.h"

#include "model/cockpitedits.h"
#include "model/hullresize.h"
#include "model/maxbeam.h"
#include "model/newdesign.h"
#include "model/sections.h"

namespace wizardsteps {

namespace {

model::Hydrostatics rebuild(model::Design& d)
{
    model::HydroInputs inputs;
    inputs.autoPositionCockpit = true;
    model::Hydrostatics results;
    model::runHydrostatics(d, inputs, results);
    model::makesections(d);
    return results;
}

void copyInputs(model::Design& d, const Inputs& in)
{
    d.PaddlerWeights = {0, in.paddlerWeight, in.paddlerWeight};
    for (int k = 1; k <= d.cockpitCount(); ++k) {
        d.Cockpits[k].Length = in.cockpitLength;
        d.Cockpits[k].Width = in.cockpitWidth;
        d.Cockpits[k].AftToCG = in.aftToCG;
    }
    if (d.cockpitCount() == 2) d.Cockpits[1].DistanceBetweenCockpits = in.distanceBetweenCockpits;
}

}  // namespace

model::Hydrostatics makeNewDesign(model::Design& d, const Inputs& in)
{
    copyInputs(d, in);
    rebuild(d);
    model::stretchToLength(d, in.length);
    rebuild(d);
    // Every panel still counts as a deck panel, so the beam covers every line.
    model::scaleAllToBeam(d, in.beam, model::MaxBeam(d));
    model::setRimHalfWidth(d, 1);
    rebuild(d);
    if (d.cockpitCount() == 2) {
        model::setRimHalfWidth(d, 2);
        model::placeTandemFixedPoints(d);
    }
    for (int k = 1; k <= d.cockpitCount(); ++k) model::respaceAndLevelRim(d, k);
    model::flagDeckAndHullPanels(d);
    return rebuild(d);
}

}  // namespace wizardsteps
