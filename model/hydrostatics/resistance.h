#pragma once
// Resistance of the hull moving through calm water, in pounds, from its
// waterline length and wetted surface: a frictional part growing with the
// wetted surface and a residual (wave-making) part fitted to the
// speed-length ratio.

#include <vector>

namespace model {

// The speed at the resistance graph's left edge.
inline constexpr double kGraphLowestKnots = 1.5;
// Far beyond any displacement hull; an absurd design's speed would make the
// curves' steps and the speed scale endless.
inline constexpr double kGraphHighestKnots = 100;

struct Resistance {
    double speed = 0;             // knots
    double frictional = 0;        // pounds
    double speedLengthRatio = 0;  // knots over the root of the waterline length in feet
    double residual = 0;          // pounds
    double total() const { return frictional + residual; }
};

// At `knots` for a waterline of `lwl` inches (above 0) and a wetted surface
// of `wettedSurface` square inches.
Resistance resistanceAt(double knots, double lwl, double wettedSurface);

// Whether a hull has curves to draw: a waterline that meets it and a top
// speed not beyond the graph's highest. A top speed below the graph's lowest
// speed draws them with the scale running right to left; one equal to it
// leaves the scale no width.
bool hasResistanceCurves(double lwl, double topSpeed);

// The curves from standstill in steps of 0.005 knots (a running sum) up to the
// last step not beyond `topSpeed`; empty when the hull has no curves.
std::vector<Resistance> resistanceCurve(double lwl, double wettedSurface, double topSpeed);

}  // namespace model
