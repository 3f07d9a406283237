#include "tools/templatelist.h"

namespace hulls {

namespace {

constexpr double kLength = 204;  // 17 ft, the wizard's default length
// The deck chine runs straight beside each cockpit, its handles this far
// either side of the anchor, as the wizard places them.
constexpr double kCockpitReach = 0.09 * kLength;

// The X of rim point 5, two thirds of the way from the front end to the rear.
double sidePointX(const CockpitShape& c) { return c.rearEnd - c.length / 3; }

}  // namespace

// Touring tandem: the three-panel hull of the singles at the same 17 ft,
// deeper and fuller amidships to carry two paddlers and their gear.
HullShape tqlk()
{
    HullShape h;
    h.name = "tqlk";
    h.length = kLength;
    h.bowTipY = 13.5;
    h.sternTipY = 11.5;
    // Paddlers 60 in apart, their joint centre of gravity over the centre of
    // buoyancy.
    h.cockpits = {{.rearEnd = 84.2, .length = 32, .width = 18, .aftToCG = 11, .endHalfBreadth = 7},
                  {.rearEnd = 144.2, .length = 32, .width = 18, .aftToCG = 11, .endHalfBreadth = 7}};

    // Peaked foredeck at the front cockpit, a gentle fall over both
    // cockpits, a low rear deck.
    h.ridge = {.bow = {{0.06, 0}, 20},
               .knots = {{{52, 15.6, 0}, {0.0, 0}, 20, 20},
                         {{100, 14.8, 0}, {-0.035, 0}, 20, 20},
                         {{148, 13.3, 0}, {-0.03, 0}, 16, 24}},
               .stern = {{-0.018, 0}, 24},
               .onCentrePlane = true};

    // Raised amidships over the singles' so the loaded hull keeps its freeboard.
    h.sheer = {.bow = {{-0.118, 0.353}, 29},
               .knots = {{{100, 10.6, 11.5}, {0.0, 0.0}, 31, 34}},
               .stern = {{0.059, -0.33}, 32}};

    h.deckChine = {.leavesSheerAt = 30,
                   .leave = {{0.06, 0.06}, 8},
                   .knots = {{{sidePointX(h.cockpits[0]), 12.9, 9.7}, {0, 0}, kCockpitReach, kCockpitReach, 25},
                             {{sidePointX(h.cockpits[1]), 12.5, 9.7}, {0, 0}, kCockpitReach, kCockpitReach, 65}},
                   .rejoinsSheerAt = 174,
                   .rejoin = {{-0.06, -0.07}, 10}};

    // A low-deadrise bottom panel and a hard bilge: the fullness a short tandem
    // needs to float two paddlers without a deeper draft.
    h.chines = {
        {.bow = {{-0.53, 0.31}, 15}, .knots = {{{100, 5.0, 11.0}, {0.0, 0.0}, 31, 31}}, .stern = {{0.235, -0.31}, 24}},
        {.bow = {{-0.94, 0.235}, 12}, .knots = {{{102, 1.5, 8.4}, {0.0, 0.0}, 31, 31}}, .stern = {{0.47, -0.235}, 20}},
    };

    // Raked stem and stern, moderate rocker, a flat run under both paddlers.
    h.keel = {.bow = {{-1.6, 0}, 5},
              .knots = {{{16, 3.2, 0}, {-0.15, 0}, 5, 20}, {{104, 0, 0}, {0.0, 0}, 25, 25}, {{186, 2.8, 0}, {0.12, 0}, 20, 5}},
              .stern = {{1.2, 0}, 5},
              .onCentrePlane = true};

    h.loading = {.paddlerWeight = 190, .cargoWeight = 40, .materialWeight = 0.3, .distanceBetweenCockpits = 60};
    h.waterlineHeight = 6.25;
    h.stationCount = 51;
    h.stitchSpacing = 6;
    h.sectionOffset = 0.16;
    return h;
}

}  // namespace hulls
