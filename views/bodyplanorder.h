#pragma once
// Which stations the body plan paints, on which side and in what colours.
// Qt-free.

#include "platform/gditypes.h"

#include <vector>

namespace views {

struct BodyPlanStation {
    int station;
    int side;  // -1 left (forward stations), +1 right (after stations)
    platform::ColorRef fill;
    platform::ColorRef outline;
};

// In painting order: the forward stations from three quarters of the hull
// down to the bow on the left, then the after stations from a quarter of the
// hull to the stern on the right, each darker the nearer it lies to the far
// end, so the sections toward the ends lie on top. The current station is
// outlined green. Stations past `lastBuilt` (the last section made) are left
// out; nothing without station intervals.
std::vector<BodyPlanStation> bodyPlanOrder(double stationCount, int lastBuilt, int currentStation);

}  // namespace views
