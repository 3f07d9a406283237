#include "tools/cockpitrim.h"

#include "model/hull/curves.h"

#include <algorithm>
#include <cmath>

namespace hulls {

namespace {

struct RimSpot {
    double x, z;
    int anchor;  // rim number of this handle's anchor; 0 for an anchor
    int opposite;
};

double lerp(double a, double b, double f) { return a + (b - a) * f; }

}  // namespace

double deckHeight(const model::Design& d, double x, double z)
{
    z = std::abs(z);
    for (int line = 1; line < model::kSheerLine; ++line) {
        const model::Point3 inner = model::PointOnLineAtX(d, d.HullLines[line], x);
        const model::Point3 outer = model::PointOnLineAtX(d, d.HullLines[line + 1], x);
        if (z <= outer.Z || line + 1 == model::kSheerLine) {
            const double span = outer.Z - inner.Z;
            const double f = span > 0 ? std::clamp((z - inner.Z) / span, 0.0, 1.0) : 0.0;
            return lerp(inner.Y, outer.Y, f);
        }
    }
    return 0;
}

RimPoints rimPoints(const model::Design& deck, const CockpitShape& c, const RimIndices& index)
{
    const double L = deck.HullLength;
    const double x8 = c.rearEnd / L;
    const double x2 = x8 - c.length / L;
    // The same spacing the wizard and the cockpit edits give the side points.
    const double x5 = x2 + 2 * (x8 - x2) / 3;
    const double x4 = x2 + (x8 - x2) / 2;
    const double x6 = x2 + 5 * (x8 - x2) / 6;
    const double side = c.width * 0.5 / L;
    const double end = c.endHalfBreadth / L;
    const RimSpot spots[kRimPoints + 1] = {
        {},
        {x2, -end, 2, 3}, {x2, 0, 0, 0},    {x2, end, 2, 1},  //
        {x4, side, 5, 6}, {x5, side, 0, 0}, {x6, side, 5, 4},  //
        {x8, end, 8, 9},  {x8, 0, 0, 0},    {x8, -end, 8, 7},
    };

    RimPoints rim{};
    for (int j = 1; j <= kRimPoints; ++j) {
        const RimSpot& s = spots[j];
        model::ControlPoint& cp = rim[j];
        cp.Position = {s.x, deckHeight(deck, s.x, s.z), s.z, 0};
        if (s.anchor == 0) {
            cp.Kind = model::kAnchor;
            cp.LockZ = s.z == 0 ? 1 : 0;  // the two ends stay on the centre line
            cp.Links = {0, std::int16_t(index[j - 1]), std::int16_t(index[j + 1])};
            cp.LinkCount = 2;
        } else {
            cp.Kind = model::kHandle;
            cp.Anchor = std::int16_t(index[s.anchor]);
            cp.OppositeHandle = std::int16_t(index[s.opposite]);
            cp.Smooth = 1;
        }
    }
    // The side handles sit level with the side point, as the wizard leaves them.
    rim[4].Position.Y = rim[6].Position.Y = rim[5].Position.Y;
    return rim;
}

}  // namespace hulls
