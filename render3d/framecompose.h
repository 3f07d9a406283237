#pragma once
// One frame's vertex stream: the chosen panel strips, the wire-frame ribbons
// clamped to their panels' ends, and the water plane, in drawing order.

#include "platform/frame3d.h"
#include "render3d/kayakverts.h"

namespace render3d {

// The check boxes of the view, read anew for every frame.
struct RenderSwitches {
    bool hull = true;   // "Hull"
    bool deck = true;   // "Deck"
    bool solid = true;  // "Solid Panels"
    bool wire = true;   // "Wire Frame"
    bool water = false; // "Water"
};

struct FrameVertices {
    std::vector<LitVertex> vertices;
    std::vector<platform::StripRange> strips;
};

// Rebuilds `frame` from the lists and the design's panel flags and end
// points. False when the design no longer matches the lists (its panels
// changed since they were built); `frame` is then unusable.
bool composeFrame(const model::Design& design, const KayakVerts& verts, const RenderSwitches& switches,
                  FrameVertices& frame);

// A ribbon vertex beyond a panel's end moved onto that end (its mirror on
// the -Z side), shifted by the panel's explode offset.
LitVertex clampToPanel(const LitVertex& v, const model::Point3& start, const model::Point3& end,
                       const model::Point3& offset, bool mirrored);

}  // namespace render3d
