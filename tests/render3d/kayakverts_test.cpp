#include "render3d/kayakverts.h"
#include "tests/render3d/smallhull.h"

#include <gtest/gtest.h>

#include <cmath>

namespace render3d {
namespace {

using testsupport::smallHull;
using Place = std::array<float, 3>;

Place place(const LitVertex& v) { return {v.X, v.Y, v.Z}; }
Place place(double x, double y, double z) { return {float(x), float(y), float(z)}; }

KayakVerts built(const model::Design& d, VertexSettings s = {})
{
    KayakVerts v;
    EXPECT_TRUE(InitKayakVerts(d, s, v));
    return v;
}

// Three panels, four stations: ColourStep 66, so the third colour component
// is 169 on panel 1 and 103 on panel 2; the slot after a panel's last
// station closes it at its end point in black.
TEST(KayakVerts, StripsRibbonsWaterAndMirrorsOfASmallHull)
{
    const model::Design d = smallHull();
    const KayakVerts v = built(d, {0.05, 0.001});
    EXPECT_EQ(v.PanelStripCounts, (std::vector<int>{0, 7, 9, 1}));
    ASSERT_EQ(v.PanelStrips.size(), 7u);
    for (const auto& row : v.PanelStrips) EXPECT_EQ(row.size(), 10u) << "rows sized by the largest panel";
    // Panel i is pushed out a quarter turn further round than panel i - 1.
    auto offset = [](int panel) {
        const double turn = panel * 3.14159265 / 4;
        return model::Point3{0, 0.05 * std::cos(turn), 0.05 * std::sin(turn)};
    };
    struct Slot {
        int panel, slot;
        model::Point3 at;
        int r, g;  // r < 0: black
    };
    const Slot slots[] = {
        {1, 1, d.point(1), 50, 150},         {1, 2, {0.25, 0.08, 0.05}, 50, 150}, {1, 3, {0.75, 0.10, 0.003}, 150, 50},
        {1, 4, {0.75, 0.08, 0.05}, 150, 50}, {1, 5, {1.0, 0.10, 0.004}, 200, 0},  {1, 6, {1.0, 0.08, 0.05}, 200, 0},
        {1, 7, d.point(2), -1, 0},           {2, 1, d.point(3), 50, 150},         {2, 2, {0.25, 0.0, 0.01}, 50, 150},
        {2, 3, {0.5, 0.10, 0.002}, 100, 100}, {2, 4, {0.5, 0.0, 0.01}, 100, 100}, {2, 5, {1.0, 0.08, 0.05}, 200, 0},
        {2, 6, {1.0, 0.0, 0.01}, 200, 0},    {2, 7, d.point(4), -1, 0},           {2, 9, d.point(4), -1, 0},
        {3, 1, d.point(6), -1, 0},
    };
    for (const Slot& e : slots) {
        SCOPED_TRACE("panel " + std::to_string(e.panel) + " slot " + std::to_string(e.slot));
        const LitVertex& got = v.PanelStrips[e.panel][e.slot];
        const model::Point3 off = offset(e.panel);
        const std::uint32_t b = e.panel == 1 ? 169 : 103;
        EXPECT_EQ(place(got), place(e.at.X, e.at.Y + off.Y, e.at.Z + off.Z));
        EXPECT_EQ(got.Diffuse, e.r < 0 ? 0 : packColour(e.r, e.g, b));
        EXPECT_EQ(got.Specular, e.r < 0 ? 0 : packColour(e.r, b, b));
    }
    EXPECT_EQ(v.PanelStrips[0][1].X, 0) << "row 0 is never written";

    // Panel 2's LineB (line 3) on the +Z side: three faces of four stations,
    // up, back down, up again, six slots each.
    const double t = 0.001;
    EXPECT_EQ(v.LineVertCount, 72);
    ASSERT_EQ(v.RibbonVerts.size(), 13u);
    struct Corner {
        int slot, station;
        double dy, dz;  // from the line's point, before the offset
    };
    const std::vector<LitVertex>& row = v.RibbonVerts[ribbonRow(2, 2)];
    const Corner corners[] = {{1, 0, t, 0},   {2, 0, -t, t},   {6, 0, t, 0},    {7, 1, t, 0},   {24, 3, t, 0},
                              {25, 3, -t, t}, {27, 3, -t, -t}, {30, 3, -t, -t}, {31, 2, -t, t}, {48, 0, -t, -t},
                              {49, 0, -t, -t}, {51, 0, t, 0},  {72, 3, t, 0}};
    for (const Corner& c : corners) {
        const model::Point3 l = d.Sections[c.station].Pts[3], off = offset(2);
        EXPECT_EQ(place(row[c.slot]), place(l.X, l.Y + c.dy + off.Y, l.Z + off.Z + c.dz)) << c.slot;
        EXPECT_EQ(row[c.slot].Diffuse, 0u) << c.slot;
    }
    EXPECT_EQ(v.RibbonVerts[ribbonRow(1, 1)][1].Y, float(d.Sections[0].Pts[1].Y + t + offset(1).Y))
        << "panel 1's first tube follows its LineA";

    // Row p + N mirrors row p exactly, strips and ribbons alike.
    auto expectMirror = [](const std::vector<LitVertex>& a, const std::vector<LitVertex>& b) {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(place(a[k]), place(b[k].X, b[k].Y, -b[k].Z)) << k;
            EXPECT_EQ(std::pair(a[k].Diffuse, a[k].Specular), std::pair(b[k].Diffuse, b[k].Specular)) << k;
        }
    };
    for (int p = 1; p <= 3; ++p) {
        expectMirror(v.PanelStrips[p], v.PanelStrips[mirrorRow(v, p)]);
        expectMirror(v.RibbonVerts[ribbonRow(p, 1)], v.RibbonVerts[ribbonRow(p, 3)]);
        expectMirror(v.RibbonVerts[ribbonRow(p, 2)], v.RibbonVerts[ribbonRow(p, 4)]);
    }

    // One and a half hulls at the waterline (5 of 200).
    const float water[6][2] = {{-0.25f, 0.3f}, {1.25f, 0.3f}, {-0.25f, -0.3f}, {-0.25f, -0.3f}, {1.25f, 0.3f}, {1.25f, -0.3f}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(place(v.WaterVerts[i]), (Place{water[i][0], 0.025f, water[i][1]})) << i;
        EXPECT_EQ(std::pair(v.WaterVerts[i].Diffuse, v.WaterVerts[i].Specular), std::pair(4474111u, 2105514u)) << i;
    }
}

// Sixteen stations: station 1 shades 12.5 -> 12 and 187.5 -> 188.
TEST(KayakVerts, ColourSharesRoundHalvesToEven)
{
    const KayakVerts v = built(smallHull(16));
    EXPECT_EQ(v.PanelStrips[1][1].Diffuse, packColour(12, 188, 169));
    EXPECT_EQ(v.PanelStrips[2][1].Specular, packColour(12, 103, 103));
}

// Drawn as one strip, face 1 gives two real triangles per station step and
// faces 2 and 3 one each; every joining triangle is degenerate.
TEST(Ribbons, StripHoldsFourRealTrianglesPerStationStep)
{
    for (double stations : {4.0, 11.0}) {
        const KayakVerts v = built(smallHull(stations), {0, 0.002});
        const std::vector<LitVertex>& row = v.RibbonVerts[1];
        int real = 0;
        for (int k = 1; k + 2 <= v.LineVertCount; ++k) {
            const Place a = place(row[k]), b = place(row[k + 1]), c = place(row[k + 2]);
            real += a != b && b != c && a != c;
        }
        EXPECT_EQ(real, 4 * (int(stations) - 1)) << stations;
        EXPECT_EQ(v.LineVertCount, 18 * int(stations));
    }
}

TEST(KayakVerts, RefusesDesignsWhoseListsFallShort)
{
    const std::vector<std::pair<const char*, void (*)(model::Design&)>> faults{
        {"panel end outside the points", [](model::Design& d) { d.PanelEnds[2][2] = 9; }},
        {"sections not built", [](model::Design& d) { d.Sections.pop_back(); }},
        {"a section short of lines", [](model::Design& d) { d.Sections[1].Pts.resize(3); }},
        {"fewer lines than panels need", [](model::Design& d) { d.LineCount = 3; }},
        {"a panel line beyond the sections", [](model::Design& d) { d.HullPanels[3].LineB = 7; }},
        {"no stations", [](model::Design& d) { d.StationCount = 0; }},
        {"no panels", [](model::Design& d) { d.PanelsPerSide = 0; }},
    };
    for (const auto& [what, spoil] : faults) {
        model::Design d = smallHull();
        spoil(d);
        KayakVerts v;
        EXPECT_FALSE(InitKayakVerts(d, {}, v)) << what;
    }
}

}  // namespace
}  // namespace render3d
