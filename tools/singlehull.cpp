#include "tools/singlehull.h"

namespace hulls {

HullShape singleCockpitHull()
{
    HullShape h;
    h.length = 204;
    h.bowTipY = 13.0;
    h.sternTipY = 11.0;

    // Peaked foredeck rising to the cockpit front, low rear deck behind it.
    h.ridge = {.bow = {{0.05, 0}, 26},
               .knots = {{{82, 14.6, 0}, {0.0, 0}, 26, 10}, {{118, 11.9, 0}, {-0.02, 0}, 8, 30}},
               .stern = {{-0.01, 0}, 30},
               .onCentrePlane = true};

    // Widest and lowest a little forward of the middle; no tumblehome.
    h.sheer = {.bow = {{-0.1, 0.32}, 30},
               .knots = {{{100, 9.6, 11.5}, {0.0, 0.0}, 30, 32}},
               .stern = {{0.06, -0.3}, 34}};

    // The deck chine runs outboard of the cockpit and dies into the sheer
    // well forward and aft of it.
    h.deckChine = {.leavesSheerAt = 48,
                   .leave = {{0.05, 0.06}, 14},
                   .knots = {{{98, 11.8, 9.9}, {-0.03, 0.0}, 22, 22}},
                   .rejoinsSheerAt = 160,
                   .rejoin = {{-0.05, -0.05}, 18}};

    // Raked stem and stern, moderate rocker, flat run under the paddler.
    h.keel = {.bow = {{-1.6, 0}, 5},
              .knots = {{{16, 3.0, 0}, {-0.14, 0}, 5, 20},
                        {{104, 0, 0}, {0.0, 0}, 24, 24},
                        {{186, 2.6, 0}, {0.1, 0}, 20, 6}},
              .stern = {{1.1, 0}, 5},
              .onCentrePlane = true};

    h.cockpits = {{.rearEnd = 114, .length = 32, .width = 18, .aftToCG = 11, .endHalfBreadth = 7}};
    h.loading = {.paddlerWeight = 190, .cargoWeight = 25, .materialWeight = 0.3};
    h.stationCount = 51;
    h.stitchSpacing = 6;
    h.sectionOffset = 0.16;
    return h;
}

}  // namespace hulls
