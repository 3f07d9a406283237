#include "tools/templatelist.h"

namespace hulls {

namespace {

constexpr double kLength = 240;  // 20 ft
// The deck chine runs straight beside each cockpit, its handles this far
// either side of the anchor, as the wizard places them.
constexpr double kCockpitReach = 0.09 * kLength;

// The X of rim point 5, two thirds of the way from the front end to the rear.
double sidePointX(const CockpitShape& c) { return c.rearEnd - c.length / 3; }

}  // namespace

// Touring tandem: the three-panel hull of the singles stretched to 20 ft and
// deepened for two paddlers and their gear.
HullShape tqlk()
{
    HullShape h;
    h.name = "tqlk";
    h.length = kLength;
    h.bowTipY = 13.5;
    h.sternTipY = 11.5;
    h.cockpits = {{.rearEnd = 102.7, .length = 32, .width = 18, .aftToCG = 11, .endHalfBreadth = 7},
                  {.rearEnd = 162.7, .length = 32, .width = 18, .aftToCG = 11, .endHalfBreadth = 7}};

    // Peaked foredeck, a gentle fall over both cockpits, a low rear deck.
    h.ridge = {.bow = {{0.05, 0}, 28},
               .knots = {{{70, 15.0, 0}, {0.0, 0}, 26, 20},
                         {{118, 14.2, 0}, {-0.03, 0}, 20, 20},
                         {{166, 12.7, 0}, {-0.025, 0}, 16, 30}},
               .stern = {{-0.015, 0}, 30},
               .onCentrePlane = true};

    h.sheer = {.bow = {{-0.1, 0.30}, 34},
               .knots = {{{118, 10.0, 11.5}, {0.0, 0.0}, 36, 40}},
               .stern = {{0.05, -0.28}, 38}};

    h.deckChine = {.leavesSheerAt = 40,
                   .leave = {{0.05, 0.05}, 10},
                   .knots = {{{sidePointX(h.cockpits[0]), 12.3, 9.7}, {0, 0}, kCockpitReach, kCockpitReach, 25},
                             {{sidePointX(h.cockpits[1]), 11.9, 9.7}, {0, 0}, kCockpitReach, kCockpitReach, 65}},
                   .rejoinsSheerAt = 204,
                   .rejoin = {{-0.05, -0.06}, 12}};

    h.chines = {
        {.bow = {{-0.45, 0.26}, 18}, .knots = {{{118, 4.9, 10.95}, {0.0, 0.0}, 36, 36}}, .stern = {{0.2, -0.26}, 28}},
        {.bow = {{-0.8, 0.2}, 14}, .knots = {{{120, 1.8, 7.6}, {0.0, 0.0}, 36, 36}}, .stern = {{0.4, -0.2}, 24}},
    };

    h.keel = {.bow = {{-1.5, 0}, 5},
              .knots = {{{18, 3.2, 0}, {-0.13, 0}, 6, 22},
                        {{122, 0, 0}, {0.0, 0}, 30, 30},
                        {{220, 2.8, 0}, {0.1, 0}, 22, 6}},
              .stern = {{1.0, 0}, 6},
              .onCentrePlane = true};

    h.loading = {.paddlerWeight = 190, .cargoWeight = 40, .materialWeight = 0.3, .distanceBetweenCockpits = 60};
    h.waterlineHeight = 5.92;
    h.stationCount = 51;
    h.stitchSpacing = 6;
    h.sectionOffset = 0.16;
    return h;
}

}  // namespace hulls
