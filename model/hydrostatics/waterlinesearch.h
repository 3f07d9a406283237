#pragma once
// The waterline search: raises or lowers the waterline step by step until
// the displacement equals the target displacement.

#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"

#include <functional>

namespace model {

inline constexpr int kMaxSearchPasses = 41;

struct SearchHooks {
    // Recomputes the results the search reads (GetCalculations).
    std::function<void()> recalculate;
    // Runs after each pass: the window redraws and yields to pending events
    // there. May be empty.
    std::function<void()> afterPass;
};

struct SearchOutcome {
    bool ran = false;      // false: no design, or a search was already running
    int passes = 0;        // passes run, at most kMaxSearchPasses
    bool reached = false;  // Displacement equals TargetDisplacement at the end
};

// Moves design.WaterlineHeight until results.Displacement equals
// results.TargetDisplacement, recalculating once per pass. Each step is one
// inch per 100 pounds of difference; an overshoot turns the step back at a
// tenth of its size. The waterline stays between the lowest and highest
// heights of the hull lines: a target the hull cannot reach stops the search
// at that bound. A call made while a search runs (from inside a hook)
// returns at once.
SearchOutcome detect(Design& design, const Hydrostatics& results, const SearchHooks& hooks);

// The same, recalculating with runHydrostatics from `inputs`.
SearchOutcome detect(Design& design, const HydroInputs& inputs, Hydrostatics& results,
                     const std::function<void()>& afterPass = {});

}  // namespace model
