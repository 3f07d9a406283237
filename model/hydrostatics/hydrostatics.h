#pragma once
// The hull integrated slice by slice at its waterline: volumes, areas,
// waterline limits, coefficients, centres of buoyancy and flotation,
// displacement and the per-slice waterline half-breadths. Result names follow
// the design's own vocabulary; lengths are inches unless a comment says
// otherwise.

#include "model/hull/design.h"
#include "model/hull/linesamplecache.h"

#include <string>
#include <vector>

namespace model {

inline constexpr double kDefaultMeasuredFrom = 36.0;  // inches, until a run reads the boxes

// One bar of the volume-distribution graph: the slice's start along the hull
// and its wet volume (cubic inches). The graph draws each from (x, v) to
// (x, 0), passing coordinates as single precision.
struct VolumeBar {
    double x = 0;
    double v = 0;
};

struct VolumeGraph {
    ViewExtent extent;  // XMin 0, XMax the rounded length, YMin -2, YMax 20 per cockpit
    std::vector<VolumeBar> bars;
};

// What a run reads from the design-data window besides the design.
struct HydroInputs {
    bool autoPositionCockpit = false;     // chkAutoPositionCockpit checked
    std::string startMeasuredFrom = "36";  // txtStartMeasuredFrom text
    std::string endMeasuredFrom = "36";    // txtEndMeasuredFrom text
};

struct Hydrostatics {
    int VolumeSliceCount = 0;
    std::vector<double> WaterlineHalfBreadthsTop;     // 0..VolumeSliceCount, deck panels
    std::vector<double> WaterlineHalfBreadthsBottom;  // 0..VolumeSliceCount, hull panels

    double TotalVolume = 0;        // cubic inches
    double WetVolume = 0;          // cubic inches
    double TotalSurfaceArea = 0;   // square inches
    double WettedSurfaceArea = 0;  // square inches
    double WaterplaneArea = 0;     // square inches
    double MaxSectionArea = 0;     // square inches
    double BeamWL = 0;
    double WaterlineStart = 0;  // from X = 0
    double WaterlineEnd = 0;    // from X = 0
    double LWL = 0;
    double Draft = 0;
    double LengthBeamRatio = 0;
    double WsaDisplacementRatio = 0;
    double Cb = 0, Cm = 0, Cp = 0, Cwp = 0;
    double LCBPosition = 0;  // from X = 0
    double LCB = 0;          // aft of WaterlineStart
    double LCBFraction = 0;
    double LCF = 0;  // aft of WaterlineStart
    double LCFFraction = 0;
    double Midship = 0;             // from X = 0
    double Displacement = 0;        // pounds, one decimal after a run
    double TargetDisplacement = 0;  // pounds, one decimal
    double TopSpeed = 0;            // knots
    double KayakWeight = 0;         // pounds
    double HalfVolumeSum = 0;
    double HalfWaterplaneSum = 0;

    double EntryHalfWidth = 0, ExitHalfWidth = 0;  // one side
    double EntryHalfAngle = 0, ExitHalfAngle = 0;  // degrees
    double EntryMeasuredFrom = kDefaultMeasuredFrom;
    double ExitMeasuredFrom = kDefaultMeasuredFrom;

    double overallLength = 0;  // shown only
    bool lcbFound = false;
    bool lcfFound = false;
    // The lowest and highest height of the hull lines over the slices; the
    // waterline search stays between them. Meaningful only when hullSeen.
    bool hullSeen = false;
    double lowestLineHeight = 0;
    double highestLineHeight = 0;

    VolumeGraph volumeGraph;

    // The hull lines' samples of the last run, for the next.
    LineSampleCache sampleCache;
};

// The results of the last hydrostatics run of the open design.
Hydrostatics& currentHydrostatics();

// GetCalculations without its window: integrates `design` into `results`,
// positions the cockpits when asked and measures the cockpit depths. Returns
// false, having only emptied the half-breadth tables, when no design is
// loaded. Values that cannot be held raise FloatError.
bool runHydrostatics(Design& design, const HydroInputs& inputs, Hydrostatics& results);

}  // namespace model
