#include "model/hydrostatics/hydropasses.h"

#include "model/hydrostatics/units.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

constexpr double kLowestHeightStart = 100.0;  // inches; the draft's start when no line lowers it
constexpr double kSpeedLengthFactor = 1.34;
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kHalfDivisor = 2.0;

// A ratio whose denominator is 0 has no value; it reads as 0.
double ratio(double numerator, double denominator) { return denominator == 0 ? 0 : numerator / denominator; }

void deriveLengths(const HeightRange& heights, double waterlineHeight, Hydrostatics& r)
{
    r.LWL = r.WaterlineEnd - r.WaterlineStart;
    r.LengthBeamRatio = ratio(r.LWL, r.BeamWL);
    const double lowest = heights.seen ? std::min(kLowestHeightStart, heights.lowest) : kLowestHeightStart;
    r.Draft = waterlineHeight - lowest;
    r.TopSpeed = r.LWL > 0 ? std::sqrt(r.LWL / kInchesPerFoot) * kSpeedLengthFactor : 0;
}

void deriveWeights(const Design& d, Hydrostatics& r)
{
    r.Displacement = r.WetVolume * kCubicFeetPerCubicInch * kPoundsPerCubicFootOfWater;
    r.KayakWeight = r.TotalSurfaceArea * kSquareFeetPerSquareInch * d.MaterialWeightPerSqFt;
    const double length = d.HullLength;
    r.overallLength = (d.hasPoint(kSternPoint) && d.hasPoint(kBowPoint))
                          ? length * d.point(kSternPoint).X - length * d.point(kBowPoint).X
                          : 0;
}

void deriveCoefficients(Hydrostatics& r)
{
    // pow of a negative volume has no value either.
    r.WsaDisplacementRatio = r.WetVolume > 0 ? r.WettedSurfaceArea / std::pow(r.WetVolume, kTwoThirds) : 0;
    if (r.BeamWL == 0) return;
    r.Cb = ratio(r.WetVolume, r.BeamWL * r.LWL * r.Draft);
    r.Cm = ratio(r.MaxSectionArea, r.Draft * r.BeamWL);
    r.Cp = ratio(r.WetVolume, r.MaxSectionArea * r.LWL);
    r.Cwp = ratio(r.WaterplaneArea, r.BeamWL * r.LWL);
}

void deriveCentres(Hydrostatics& r)
{
    r.LCB = r.LCBPosition - r.WaterlineStart;
    r.LCBFraction = ratio(r.LCB, r.LWL);
    r.LCFFraction = ratio(r.LCF, r.LWL);
    r.Midship = std::abs(r.WaterlineEnd - r.WaterlineStart) / kHalfDivisor + r.WaterlineStart;
}

}  // namespace

void deriveResults(const Design& design, const HeightRange& heights, Hydrostatics& results)
{
    deriveLengths(heights, design.WaterlineHeight, results);
    deriveWeights(design, results);
    deriveCoefficients(results);
    deriveCentres(results);
}

}  // namespace model
