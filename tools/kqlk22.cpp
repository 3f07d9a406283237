#include "tools/singlehull.h"
#include "tools/templatelist.h"

namespace hulls {

// Single-chine hull: a flared side panel and a V bottom of moderate deadrise.
HullShape kqlk22()
{
    HullShape h = singleCockpitHull();
    h.name = "kqlk22";
    h.chines = {
        {.bow = {{-0.6, 0.26}, 16}, .knots = {{{101, 3.2, 10.6}, {0.0, 0.0}, 30, 30}}, .stern = {{0.3, -0.24}, 22}},
    };
    h.waterlineHeight = 4.59;
    h.cockpits[0].rearEnd = 112.2;  // paddler over the centre of buoyancy
    return h;
}

}  // namespace hulls
