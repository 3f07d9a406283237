#include "model/hydrostatics/hydrostatics.h"

#include "model/file/textreading.h"
#include "model/hull/floaterror.h"
#include "model/hull/vectorstate.h"
#include "model/hydrostatics/cockpitpositioning.h"
#include "model/hydrostatics/halfangles.h"
#include "model/hydrostatics/hydropasses.h"
#include "model/hydrostatics/rounding.h"

#include <initializer_list>

namespace model {

namespace {

constexpr std::int16_t kGraphYMin = -2;
constexpr double kGraphHeightPerCockpit = 20;
constexpr int kDisplacementDecimals = 1;

void setUpGraph(const Design& d, VolumeGraph& graph)
{
    graph.extent = {0, roundToInt16(d.HullLength), kGraphYMin, roundToInt16(kGraphHeightPerCockpit * d.cockpitCount())};
    graph.bars.clear();
    graph.bars.reserve(kVolumeSlices);
}

// Every result a run computes starts from 0; the measured-from distances are
// read again from their boxes.
void resetResults(Hydrostatics& r, const HydroInputs& inputs)
{
    Hydrostatics fresh;
    fresh.VolumeSliceCount = r.VolumeSliceCount;
    fresh.WaterlineHalfBreadthsTop.swap(r.WaterlineHalfBreadthsTop);
    fresh.WaterlineHalfBreadthsBottom.swap(r.WaterlineHalfBreadthsBottom);
    fresh.volumeGraph = std::move(r.volumeGraph);
    fresh.sampleCache = std::move(r.sampleCache);
    fresh.EntryMeasuredFrom = leadingNumber(inputs.startMeasuredFrom);
    fresh.ExitMeasuredFrom = leadingNumber(inputs.endMeasuredFrom);
    r = std::move(fresh);
}

void checkResults(const Hydrostatics& r)
{
    for (double v : {r.TotalVolume, r.WetVolume, r.TotalSurfaceArea, r.WettedSurfaceArea, r.WaterplaneArea,
                     r.MaxSectionArea, r.BeamWL, r.WaterlineStart, r.WaterlineEnd, r.LWL, r.Draft,
                     r.LengthBeamRatio, r.WsaDisplacementRatio, r.Cb, r.Cm, r.Cp, r.Cwp, r.LCBPosition, r.LCB,
                     r.LCBFraction, r.LCF, r.LCFFraction, r.Midship, r.Displacement, r.TopSpeed, r.KayakWeight,
                     r.HalfVolumeSum, r.HalfWaterplaneSum, r.EntryHalfWidth, r.ExitHalfWidth, r.EntryHalfAngle,
                     r.ExitHalfAngle, r.overallLength})
        checked(v, "hydrostatics");
}

// Both are held to one decimal so the waterline search can compare them.
void settleDisplacements(const Design& d, Hydrostatics& r)
{
    double target = r.KayakWeight + d.CargoWeight + d.PaddlerWeights[1];
    if (d.cockpitCount() != 1) target += d.PaddlerWeights[2];
    r.TargetDisplacement = roundTo(target, kDisplacementDecimals);
    r.Displacement = roundTo(r.Displacement, kDisplacementDecimals);
}

}  // namespace

Hydrostatics& currentHydrostatics()
{
    static Hydrostatics results;
    return results;
}

bool runHydrostatics(Design& design, const HydroInputs& inputs, Hydrostatics& results)
{
    results.VolumeSliceCount = kVolumeSlices;
    results.WaterlineHalfBreadthsTop.assign(kVolumeSlices + 1, 0.0);
    results.WaterlineHalfBreadthsBottom.assign(kVolumeSlices + 1, 0.0);
    if (!design.DesignLoaded) return false;
    clearUpperVectorState();

    setUpGraph(design, results.volumeGraph);
    resetResults(results, inputs);
    const double length = design.HullLength;
    const double w = checked(design.WaterlineHeight / length, "waterline height");
    HullSlicer slicer(design, results.sampleCache);
    const HeightRange heights = integrateSlices(slicer, length, w, results);
    gethalfwidths(design, results);
    gethalfangles(results);
    findCentres(slicer, length, w, results);
    deriveResults(design, heights, results);
    results.hullSeen = heights.seen;
    results.lowestLineHeight = heights.lowest;
    results.highestLineHeight = heights.highest;
    checkResults(results);

    if (inputs.autoPositionCockpit) PositionCockpits(design, results);
    measureCockpitDepths(design);
    settleDisplacements(design, results);
    return true;
}

}  // namespace model
