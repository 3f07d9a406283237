#include "tools/singlehull.h"
#include "tools/templatelist.h"

namespace hulls {

// Four hull panels a side: side, upper and lower bilge panels and a shallow V
// bottom, close to a round bilge.
HullShape kqlk42()
{
    HullShape h = singleCockpitHull();
    h.name = "kqlk42";
    h.chines = {
        {.bow = {{-0.38, 0.28}, 18}, .knots = {{{100, 5.6, 11.1}, {0.0, 0.0}, 30, 30}}, .stern = {{0.15, -0.27}, 26}},
        {.bow = {{-0.7, 0.22}, 14}, .knots = {{{101, 3.2, 9.8}, {0.0, 0.0}, 28, 28}}, .stern = {{0.33, -0.22}, 22}},
        {.bow = {{-1.1, 0.15}, 12}, .knots = {{{102, 1.2, 6.6}, {0.0, 0.0}, 26, 26}}, .stern = {{0.6, -0.16}, 18}},
    };
    h.waterlineHeight = 4.27;
    h.cockpits[0].rearEnd = 113.4;  // paddler over the centre of buoyancy
    return h;
}

}  // namespace hulls
