#include "model/hydrostatics/waterlinesearch.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

constexpr double kPoundsPerInchOfStep = 100.0;
constexpr double kTurnBack = -10;  // an overshoot reverses the step at a tenth of its size

bool searching = false;

struct SearchGuard {
    SearchGuard() { searching = true; }
    ~SearchGuard() { searching = false; }
};

// The next height, kept on the hull; false when the step cannot move the
// waterline any further that way.
bool nextHeight(const Hydrostatics& r, double current, double step, double& next)
{
    next = current + step;
    if (!r.hullSeen) return false;
    next = std::clamp(next, r.lowestLineHeight, r.highestLineHeight);
    return next != current;
}

void turnOnOvershoot(const Hydrostatics& r, double& step, int& direction)
{
    if (r.Displacement <= r.TargetDisplacement && direction == -1) {
        step = step / kTurnBack;
        direction = 1;
    } else if (r.Displacement > r.TargetDisplacement && direction == 1) {
        step = step / kTurnBack;
        direction = -1;
    }
}

}  // namespace

SearchOutcome detect(Design& design, const Hydrostatics& results, const SearchHooks& hooks)
{
    SearchOutcome outcome;
    if (!design.DesignLoaded || searching) return outcome;
    const SearchGuard guard;
    outcome.ran = true;

    double step = std::abs(results.Displacement - results.TargetDisplacement) / kPoundsPerInchOfStep;
    int direction = 1;
    if (results.Displacement > results.TargetDisplacement) {
        step = -step;
        direction = -1;
    }
    double next = 0;
    while (results.Displacement != results.TargetDisplacement && outcome.passes < kMaxSearchPasses &&
           nextHeight(results, design.WaterlineHeight, step, next)) {
        design.WaterlineHeight = next;
        ++outcome.passes;
        hooks.recalculate();
        turnOnOvershoot(results, step, direction);
        if (hooks.afterPass) hooks.afterPass();
    }
    outcome.reached = results.Displacement == results.TargetDisplacement;
    return outcome;
}

SearchOutcome detect(Design& design, const HydroInputs& inputs, Hydrostatics& results,
                     const std::function<void()>& afterPass)
{
    return detect(design, results, {[&] { runHydrostatics(design, inputs, results); }, afterPass});
}

}  // namespace model
