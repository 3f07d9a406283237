#pragma once
// Shared by the hydrostatics tests: running a design and the tolerances the
// slice integration allows.

#include "model/hydrostatics.h"
#include "tests/support/designbuilder.h"

// 1000 rounded additions of equal slices.
inline constexpr double kSumTolerance = 1e-12;
// The closed-form cubic places a point of a sloping straight line within
// about 5e-10 hull lengths of it; sums over the slices agree to 1e-8.
inline constexpr double kSolverTolerance = 1e-8;
inline double pointTolerance(double length) { return 1e-9 * length; }

inline model::Hydrostatics hydrostaticsOf(model::Design& d, model::HydroInputs inputs = {})
{
    model::Hydrostatics h;
    model::runHydrostatics(d, inputs, h);
    return h;
}

// A box section: deck centre, sheer, chine, keel.
inline std::vector<testsupport::SectionPoint> boxSection(double beam, double depth)
{
    return {{depth, 0}, {depth, beam / 2}, {0, beam / 2}, {0, 0}};
}

#define EXPECT_REL(actual, expected, tolerance) EXPECT_NEAR((actual), (expected), std::abs(expected) * (tolerance))
