#include "model/hydrostatics/resistance.h"

#include "model/hydrostatics/units.h"

#include <cmath>

namespace model {

namespace {

constexpr double kSpeedExponent = 1.825;
constexpr double kFrictionLengthFactor = 0.053;
constexpr double kFrictionLengthOffset = 8.8;  // feet
constexpr double kFrictionBase = 0.00871;
constexpr double kFrictionAtRest = 0.04;  // pounds
// Residual part: 21.541 x^4 - 58.373 x^3 + 59.124 x^2 - 25.828 x + 4.12.
constexpr double kResidual4 = 21.541, kResidual3 = -58.373, kResidual2 = 59.124, kResidual1 = -25.828,
                 kResidual0 = 4.12;
constexpr double kCurveStep = 0.005;  // knots

}  // namespace

Resistance resistanceAt(double knots, double lwl, double wettedSurface)
{
    const double lwlFeet = lwl / kInchesPerFoot;
    const double wettedSquareFeet = wettedSurface * kSquareFeetPerSquareInch;
    Resistance r;
    r.speed = knots;
    r.frictional = std::pow(knots, kSpeedExponent) *
                       ((kFrictionLengthFactor / (lwlFeet + kFrictionLengthOffset) + kFrictionBase) * wettedSquareFeet) +
                   kFrictionAtRest;
    const double x = knots / std::sqrt(lwlFeet);
    r.speedLengthRatio = x;
    r.residual = kResidual4 * std::pow(x, 4) + kResidual3 * std::pow(x, 3) + kResidual2 * std::pow(x, 2) +
                 kResidual1 * x + kResidual0;
    return r;
}

bool hasResistanceCurves(double lwl, double topSpeed)
{
    return lwl > 0 && topSpeed > 0 && topSpeed != kGraphLowestKnots && topSpeed <= kGraphHighestKnots;
}

std::vector<Resistance> resistanceCurve(double lwl, double wettedSurface, double topSpeed)
{
    std::vector<Resistance> curve;
    if (!hasResistanceCurves(lwl, topSpeed)) return curve;
    for (double v = 0; v <= topSpeed; v += kCurveStep) curve.push_back(resistanceAt(v, lwl, wettedSurface));
    return curve;
}

}  // namespace model
