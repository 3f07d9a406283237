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

// A run starts from fresh results with the measured-from distances read
// again from their boxes; reading them can raise, so nothing of the open
// results is touched yet.
Hydrostatics startRun(const Design& d, const HydroInputs& inputs)
{
    Hydrostatics run;
    run.EntryMeasuredFrom = leadingNumber(inputs.startMeasuredFrom);
    run.ExitMeasuredFrom = leadingNumber(inputs.endMeasuredFrom);
    run.VolumeSliceCount = kVolumeSlices;
    run.WaterlineHalfBreadthsTop.assign(kVolumeSlices + 1, 0.0);
    run.WaterlineHalfBreadthsBottom.assign(kVolumeSlices + 1, 0.0);
    setUpGraph(d, run.volumeGraph);
    return run;
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

void calculate(Design& design, const HydroInputs& inputs, Hydrostatics& run)
{
    const double length = design.HullLength;
    const double w = checked(design.WaterlineHeight / length, "waterline height");
    HullSlicer slicer(design, run.sampleCache);
    const HeightRange heights = integrateSlices(slicer, length, w, run);
    gethalfwidths(design, run);
    gethalfangles(run);
    findCentres(slicer, length, w, run);
    deriveResults(design, heights, run);
    run.hullSeen = heights.seen;
    run.lowestLineHeight = heights.lowest;
    run.highestLineHeight = heights.highest;
    checkResults(run);

    if (inputs.autoPositionCockpit) PositionCockpits(design, run);
    measureCockpitDepths(design);
    settleDisplacements(design, run);
}

}  // namespace

Hydrostatics& currentHydrostatics()
{
    static Hydrostatics results;
    return results;
}

bool runHydrostatics(Design& design, const HydroInputs& inputs, Hydrostatics& results)
{
    if (!design.DesignLoaded) {
        results.VolumeSliceCount = kVolumeSlices;
        results.WaterlineHalfBreadthsTop.assign(kVolumeSlices + 1, 0.0);
        results.WaterlineHalfBreadthsBottom.assign(kVolumeSlices + 1, 0.0);
        return false;
    }
    clearUpperVectorState();
    // The run works on fresh results and replaces the open ones only when it
    // has succeeded. The sample cache is lent to it, not copied: it stays
    // consistent whatever step raises, so it is simply handed back.
    Hydrostatics run = startRun(design, inputs);
    run.sampleCache = std::move(results.sampleCache);
    try {
        calculate(design, inputs, run);
    } catch (...) {
        results.sampleCache = std::move(run.sampleCache);
        throw;
    }
    results = std::move(run);
    return true;
}

}  // namespace model
