#include "render3d/framecompose.h"

namespace render3d {

namespace {

constexpr int kRibbonUndrawnTriangles = 40;  // the ribbons' stern tails stay undrawn
constexpr int kMinStripVertices = 3;

// A strip of n vertices draws n - 2 triangles.
constexpr int stripVerticesFor(int triangles) { return triangles + 2; }

bool panelShown(const model::HullPanel& panel, const RenderSwitches& s)
{
    return (panel.IsHull == 1 && s.hull) || (panel.IsHull == 0 && s.deck);
}

bool matches(const model::Design& d, const KayakVerts& v)
{
    if (v.panels < 1 || d.PanelsPerSide != v.panels || int(d.HullPanels.size()) <= v.panels ||
        int(d.PanelEnds.size()) <= v.panels)
        return false;
    for (int p = 1; p <= v.panels; ++p)
        if (!d.hasPoint(d.PanelEnds[p][1]) || !d.hasPoint(d.PanelEnds[p][2])) return false;
    return true;
}

// Appends slots first..last of a row as one strip.
void appendStrip(FrameVertices& f, const std::vector<LitVertex>& row, int first, int last)
{
    f.strips.push_back({int(f.vertices.size()), last - first + 1});
    f.vertices.insert(f.vertices.end(), row.begin() + first, row.begin() + last + 1);
}

void appendPanelStrips(const KayakVerts& v, int p, FrameVertices& f)
{
    const int n = v.PanelStripCounts[p];
    if (n < kMinStripVertices) return;  // fewer vertices make no triangle
    appendStrip(f, v.PanelStrips[p], 1, n);
    appendStrip(f, v.PanelStrips[mirrorRow(v, p)], 1, n);
}

void appendRibbons(const model::Design& d, const KayakVerts& v, int p, FrameVertices& f)
{
    // Triangles drawn: one per slot of the row, less the undrawn tail.
    const int count = stripVerticesFor(v.LineVertCount - kRibbonUndrawnTriangles);
    if (count < kMinStripVertices) return;
    const model::Point3& start = d.point(d.PanelEnds[p][1]);
    const model::Point3& end = d.point(d.PanelEnds[p][2]);
    for (int tube = 1; tube <= 4; ++tube) {
        const std::vector<LitVertex>& row = v.RibbonVerts[ribbonRow(p, tube)];
        f.strips.push_back({int(f.vertices.size()), count});
        for (int k = 1; k <= count; ++k)
            f.vertices.push_back(clampToPanel(row[k], start, end, v.ExplodeOffsets[p], tube > 2));
    }
}

}  // namespace

LitVertex clampToPanel(const LitVertex& v, const model::Point3& start, const model::Point3& end,
                       const model::Point3& offset, bool mirrored)
{
    const model::Point3* onto = v.X < float(start.X) ? &start : v.X > float(end.X) ? &end : nullptr;
    if (!onto) return v;
    const LitVertex moved = litVertexAt(*onto, offset, mirrored, v.Diffuse, v.Specular);
    LitVertex out = v;
    out.X = moved.X;
    out.Y = moved.Y;
    out.Z = moved.Z;
    return out;
}

bool composeFrame(const model::Design& d, const KayakVerts& v, const RenderSwitches& s, FrameVertices& f)
{
    f.vertices.clear();
    f.strips.clear();
    if (!matches(d, v)) return false;
    if (s.solid)
        for (int p = 1; p <= v.panels; ++p)
            if (panelShown(d.HullPanels[p], s)) appendPanelStrips(v, p, f);
    if (s.wire)
        for (int p = 1; p <= v.panels; ++p)
            if (panelShown(d.HullPanels[p], s)) appendRibbons(d, v, p, f);
    if (s.water) {
        f.strips.push_back({int(f.vertices.size()), int(v.WaterVerts.size())});
        f.vertices.insert(f.vertices.end(), v.WaterVerts.begin(), v.WaterVerts.end());
    }
    return true;
}

}  // namespace render3d
