#include "tools/singlehull.h"
#include "tools/templatelist.h"

namespace hulls {

// Multi-chine touring hull: a near-vertical side, a bilge panel and a shallow
// V bottom.
HullShape kqlk32()
{
    HullShape h = singleCockpitHull();
    h.name = "kqlk32";
    h.chines = {
        {.bow = {{-0.45, 0.26}, 16}, .knots = {{{100, 4.6, 10.9}, {0.0, 0.0}, 34, 34}}, .stern = {{0.2, -0.26}, 26}},
        {.bow = {{-0.8, 0.2}, 12}, .knots = {{{102, 1.7, 7.4}, {0.0, 0.0}, 34, 34}}, .stern = {{0.4, -0.2}, 22}},
    };
    h.waterlineHeight = 4.5;
    h.cockpits[0].rearEnd = 114.8;  // paddler over the centre of buoyancy
    return h;
}

}  // namespace hulls
