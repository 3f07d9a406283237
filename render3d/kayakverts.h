#pragma once
// The vertex lists of the 3D view, built from the current design: the panel
// strips on both sides, the wire-frame ribbons and the water plane. Every
// list is allocated from 0 and used from 1, like the design's own lists.

#include "model/hull/design.h"
#include "render3d/litvertex.h"

#include <array>
#include <cstdint>
#include <vector>

namespace render3d {

using VertexRows = std::vector<std::vector<LitVertex>>;

struct KayakVerts {
    int panels = 0;                             // N, the panels of one side
    std::vector<model::Point3> ExplodeOffsets;  // 0..N, +Z side
    std::vector<int> PanelStripCounts;        // 0..N
    VertexRows PanelStrips;                     // rows 0..2N: panel i, then its mirror at i + N
    int LineVertCount = 0;                      // last slot of every ribbon row
    VertexRows RibbonVerts;                     // rows 0..4N, four tubes per panel
    std::array<LitVertex, 6> WaterVerts{};
};

// The view's slider settings in hull lengths.
struct VertexSettings {
    double ExplodeDistance = 0;
    double LineThickness = 0;
};

// Rebuilds every list from the design, whose Sections must be current.
// False, with `verts` unusable, when the design's lists do not hold what
// its counts promise.
bool InitKayakVerts(const model::Design& design, const VertexSettings& settings, KayakVerts& verts);

// A point moved by a panel's explode offset, on the +Z side or mirrored to -Z,
// computed in double and stored as floats.
LitVertex litVertexAt(const model::Point3& p, const model::Point3& offset, bool mirrored, std::uint32_t diffuse,
                      std::uint32_t specular);

// The row of a panel's strip on the mirrored side, and of its ribbons.
inline int mirrorRow(const KayakVerts& v, int panel) { return panel + v.panels; }
inline int ribbonRow(int panel, int tube) { return 4 * (panel - 1) + tube; }  // tube 1..4

}  // namespace render3d
