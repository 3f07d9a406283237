#include "views/hulllinecolors.h"

#include "platform/gditypes.h"

#include <array>

namespace views {

namespace {

using platform::RGB;

// Indexed by line number modulo 5: line 1 gets the second entry.
constexpr std::array<platform::ColorRef, 5> kLineColors{
    RGB(50, 250, 200), RGB(255, 50, 100), RGB(200, 150, 200), RGB(100, 250, 220), RGB(255, 155, 10),
};

}  // namespace

void assignHullLineColors(model::Design& design)
{
    for (int i = 1; design.hasLine(i); ++i) design.HullLines[i].Color = kLineColors[i % kLineColors.size()];
}

}  // namespace views
