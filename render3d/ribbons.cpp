#include "render3d/ribbons.h"

#include <cmath>

namespace render3d {

namespace {

constexpr int kVertsPerStationFace = 6;
constexpr int kFaces = 3;
constexpr int kSlotsPerStation = kVertsPerStationFace * kFaces;  // 18

enum Corner { A, B, C };

// The corner order of each face at one station; faces 2 and 3 repeat corners
// so they give one real triangle per step and the strip never breaks.
constexpr Corner kFaceCorners[kFaces][kVertsPerStationFace] = {
    {A, B, A, B, B, A},
    {B, B, C, C, B, C},
    {C, C, A, A, C, A},
};

struct Tube {
    int line;
    bool mirrored;
};

LitVertex corner(const model::Point3& l, const model::Point3& off, double t, bool mirrored, Corner c)
{
    const double y = c == A ? l.Y + t + off.Y : l.Y - t + off.Y;
    double z = mirrored ? -l.Z - off.Z : l.Z + off.Z;
    // Of the two lower corners, C lies toward -Z on the +Z side; mirrored, B does.
    const Corner towardMinusZ = mirrored ? B : C;
    if (c != A) z = c == towardMinusZ ? z - t : z + t;
    return CreateLitVertex(float(l.X), float(y), float(z), 0, 0, 0, 0);
}

// Face 1 walks up the stations, face 2 back down, face 3 up again.
void buildTube(const model::Design& d, const Tube& tube, const model::Point3& off, double t,
               std::vector<LitVertex>& row)
{
    std::size_t k = 1;
    const int last = int(std::nearbyint(d.StationCount - 1));
    for (int face = 0; face < kFaces; ++face)
        for (int i = 0; i <= last; ++i) {
            const int s = face == 1 ? last - i : i;
            const model::Point3& l = d.Sections[s].Pts[tube.line];
            for (Corner c : kFaceCorners[face]) {
                if (k >= row.size()) return;
                row[k++] = corner(l, off, t, tube.mirrored, c);
            }
        }
}

}  // namespace

void buildRibbons(const model::Design& d, double t, KayakVerts& v)
{
    v.LineVertCount = int(std::nearbyint(kSlotsPerStation * d.StationCount));
    v.RibbonVerts.assign(4 * v.panels + 1, std::vector<LitVertex>(v.LineVertCount + 1));
    for (int j = 1; j <= v.panels; ++j) {
        const model::HullPanel& panel = d.HullPanels[j];
        const Tube tubes[4] = {{panel.LineA, false}, {panel.LineB, false}, {panel.LineA, true}, {panel.LineB, true}};
        for (int tube = 1; tube <= 4; ++tube)
            buildTube(d, tubes[tube - 1], v.ExplodeOffsets[j], t, v.RibbonVerts[ribbonRow(j, tube)]);
    }
}

}  // namespace render3d
