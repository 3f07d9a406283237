#include "model/hull/rimpoints.h"

namespace model {

bool cockpitExists(int cockpit) { return cockpit >= 1 && cockpit <= kMaxCockpits; }

int rimPoint(const Design& d, int cockpit, int j)
{
    if (!cockpitExists(cockpit) || j < 1 || j > d.Cockpits[cockpit].RimPointCount) return 0;
    const int index = d.Cockpits[cockpit].RimPoints[j];
    return d.hasPoint(index) ? index : 0;
}

}  // namespace model
