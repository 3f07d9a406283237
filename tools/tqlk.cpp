#include "tools/singlehull.h"
#include "tools/templatelist.h"

namespace hulls {

// Multi-chine touring hull: a near-vertical side, a bilge panel and a shallow
// V bottom.
HullShape tqlk()
{
    HullShape h = singleCockpitHull();
    h.name = "tqlk";
    h.chines = {
        {.bow = {{-0.45, 0.26}, 16}, .knots = {{{100, 4.6, 10.9}, {0.0, 0.0}, 40, 40}}, .stern = {{0.3, -0.26}, 30}},
        {.bow = {{-0.8, 0.2}, 12}, .knots = {{{102, 1.7, 7.4}, {0.0, 0.0}, 44, 44}}, .stern = {{0.25, -0.2}, 30}},
    };
    h.waterlineHeight = 4.6;
    return h;
}

}  // namespace hulls
