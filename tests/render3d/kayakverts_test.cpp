#include "render3d/kayakverts.h"
#include "tests/render3d/smallhull.h"

#include <gtest/gtest.h>

#include <cmath>

namespace render3d {
namespace {

using testsupport::smallHull;

constexpr std::uint32_t kBlack = 0;

struct Slot {
    int slot;
    model::Point3 at;
    std::uint32_t diffuse, specular;
};

void expectSlot(const LitVertex& v, const Slot& e, const model::Point3& off, bool mirrored)
{
    SCOPED_TRACE("slot " + std::to_string(e.slot) + (mirrored ? " mirrored" : ""));
    EXPECT_EQ(v.X, float(e.at.X));
    EXPECT_EQ(v.Y, float(e.at.Y + off.Y));
    EXPECT_EQ(v.Z, float(mirrored ? -e.at.Z - off.Z : e.at.Z + off.Z));
    EXPECT_EQ(v.Diffuse, e.diffuse);
    EXPECT_EQ(v.Specular, e.specular);
    EXPECT_EQ(v.Tu, 0);
    EXPECT_EQ(v.Tv, 0);
}

KayakVerts built(const model::Design& d, VertexSettings s = {})
{
    KayakVerts v;
    EXPECT_TRUE(InitKayakVerts(d, s, v));
    return v;
}

// Three panels, four stations: ColourStep 66, so the third colour component
// is 169 on panel 1 and 103 on panel 2.
TEST(PanelStrips, SlotsFollowStationsAndCloseAtThePanelEnds)
{
    const model::Design d = smallHull();
    const VertexSettings settings{0.05, 0.001};
    const KayakVerts v = built(d, settings);
    EXPECT_EQ(v.PanelStripCounts, (std::vector<int>{0, 7, 9, 1}));
    ASSERT_EQ(v.PanelStrips.size(), 7u);
    for (const auto& row : v.PanelStrips) EXPECT_EQ(row.size(), 10u) << "rows sized by the largest panel";

    auto lit = [](int r, int g, int b) { return std::pair{packColour(r, g, b), packColour(r, b, b)}; };
    const auto [p1s1, p1s1s] = lit(50, 150, 169);
    const auto [p1s3, p1s3s] = lit(150, 50, 169);
    const auto [p1s4, p1s4s] = lit(200, 0, 169);
    const auto [p2s1, p2s1s] = lit(50, 150, 103);
    const auto [p2s2, p2s2s] = lit(100, 100, 103);
    const auto [p2s4, p2s4s] = lit(200, 0, 103);
    const model::Point3 end1 = d.point(2), end2 = d.point(4), end3 = d.point(6);
    const std::vector<std::vector<Slot>> expected{
        {},
        {{1, d.point(1), p1s1, p1s1s},
         {2, {0.25, 0.08, 0.05}, p1s1, p1s1s},
         {3, {0.75, 0.10, 0.003}, p1s3, p1s3s},
         {4, {0.75, 0.08, 0.05}, p1s3, p1s3s},
         {5, {1.0, 0.10, 0.004}, p1s4, p1s4s},
         {6, {1.0, 0.08, 0.05}, p1s4, p1s4s},
         {7, end1, kBlack, kBlack}},
        {{1, d.point(3), p2s1, p2s1s},
         {2, {0.25, 0.0, 0.01}, p2s1, p2s1s},
         {3, {0.5, 0.10, 0.002}, p2s2, p2s2s},
         {4, {0.5, 0.0, 0.01}, p2s2, p2s2s},
         {5, {1.0, 0.08, 0.05}, p2s4, p2s4s},
         {6, {1.0, 0.0, 0.01}, p2s4, p2s4s},
         {7, end2, kBlack, kBlack},
         {8, end2, kBlack, kBlack},
         {9, end2, kBlack, kBlack}},
        {{1, end3, kBlack, kBlack}},
    };
    for (int p = 1; p <= 3; ++p)
        for (const Slot& e : expected[p]) {
            SCOPED_TRACE("panel " + std::to_string(p));
            expectSlot(v.PanelStrips[p][e.slot], e, v.ExplodeOffsets[p], false);
            expectSlot(v.PanelStrips[p + 3][e.slot], e, v.ExplodeOffsets[p], true);
        }
    EXPECT_EQ(v.PanelStrips[0][1].X, 0) << "row 0 is never written";
}

TEST(PanelStrips, ExplodeOffsetsFanThePanelsOutward)
{
    const double step = 3.14159265 / 4;
    for (double distance : {0.0, 0.1}) {
        const KayakVerts v = built(smallHull(), {distance, 0.001});
        ASSERT_EQ(v.ExplodeOffsets.size(), 4u);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(v.ExplodeOffsets[i].X, 0);
            EXPECT_DOUBLE_EQ(v.ExplodeOffsets[i].Y, distance * std::cos(i * step));
            EXPECT_DOUBLE_EQ(v.ExplodeOffsets[i].Z, distance * std::sin(i * step));
        }
    }
}

// Sixteen stations: station 1 shades 12.5 -> 12 and 187.5 -> 188.
TEST(PanelStrips, ColourSharesRoundHalvesToEven)
{
    const KayakVerts v = built(smallHull(16));
    EXPECT_EQ(v.PanelStrips[1][1].Diffuse, packColour(12, 188, 169));
    EXPECT_EQ(v.PanelStrips[2][1].Specular, packColour(12, 103, 103));
}

TEST(Water, SpansOneAndAHalfHullsAtTheWaterline)
{
    const KayakVerts v = built(smallHull());
    const float h = float(5.0 / 200);
    const float corners[6][2] = {{-0.25f, 0.3f}, {1.25f, 0.3f}, {-0.25f, -0.3f}, {-0.25f, -0.3f}, {1.25f, 0.3f}, {1.25f, -0.3f}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(v.WaterVerts[i].X, corners[i][0]);
        EXPECT_EQ(v.WaterVerts[i].Y, h);
        EXPECT_EQ(v.WaterVerts[i].Z, corners[i][1]);
        EXPECT_EQ(v.WaterVerts[i].Diffuse, 4474111u);
        EXPECT_EQ(v.WaterVerts[i].Specular, 2105514u);
    }
}

// Row p + N mirrors row p exactly, strips and ribbons alike.
TEST(Mirror, EveryMirroredRowNegatesZAlone)
{
    const KayakVerts v = built(smallHull(), {0.07, 0.003});
    auto expectMirror = [](const std::vector<LitVertex>& a, const std::vector<LitVertex>& b) {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k].X, b[k].X) << k;
            EXPECT_EQ(a[k].Y, b[k].Y) << k;
            EXPECT_EQ(a[k].Z, -b[k].Z) << k;
            EXPECT_EQ(a[k].Diffuse, b[k].Diffuse) << k;
        }
    };
    for (int p = 1; p <= 3; ++p) {
        expectMirror(v.PanelStrips[p], v.PanelStrips[mirrorRow(v, p)]);
        expectMirror(v.RibbonVerts[ribbonRow(p, 1)], v.RibbonVerts[ribbonRow(p, 3)]);
        expectMirror(v.RibbonVerts[ribbonRow(p, 2)], v.RibbonVerts[ribbonRow(p, 4)]);
    }
}

// Three faces of four stations: up, back down, up again, six slots each.
TEST(Ribbons, TubesWalkTheirLineThreeTimes)
{
    const double t = 0.002;
    const model::Design d = smallHull();
    const KayakVerts v = built(d, {0.05, t});
    EXPECT_EQ(v.LineVertCount, 72);
    ASSERT_EQ(v.RibbonVerts.size(), 13u);
    const model::Point3 off = v.ExplodeOffsets[2];
    struct Corner {
        int slot, station;
        double dy, dz;  // from the line's point, before the offset
    };
    // Panel 2's LineB (line 3) on the +Z side.
    const std::vector<LitVertex>& row = v.RibbonVerts[ribbonRow(2, 2)];
    const Corner corners[] = {{1, 0, t, 0},       {2, 0, -t, t},       {6, 0, t, 0},        {7, 1, t, 0},
                              {24, 3, t, 0},      {25, 3, -t, t},      {27, 3, -t, -t},     {30, 3, -t, -t},
                              {31, 2, -t, t},     {48, 0, -t, -t},     {49, 0, -t, -t},     {51, 0, t, 0},
                              {72, 3, t, 0}};
    for (const Corner& c : corners) {
        SCOPED_TRACE("slot " + std::to_string(c.slot));
        const model::Point3 l = d.Sections[c.station].Pts[3];
        EXPECT_EQ(row[c.slot].X, float(l.X));
        EXPECT_EQ(row[c.slot].Y, float(l.Y + c.dy + off.Y));
        EXPECT_EQ(row[c.slot].Z, float(l.Z + off.Z + c.dz));
        EXPECT_EQ(row[c.slot].Diffuse, 0u);
    }
    EXPECT_EQ(v.RibbonVerts[ribbonRow(1, 1)][1].Y, float(d.Sections[0].Pts[1].Y + t + v.ExplodeOffsets[1].Y))
        << "panel 1's first tube follows its LineA";
}

// Drawn as one strip, face 1 gives two real triangles per station step and
// faces 2 and 3 one each; every joining triangle is degenerate.
TEST(Ribbons, StripHoldsFourRealTrianglesPerStationStep)
{
    for (double stations : {4.0, 11.0}) {
        const KayakVerts v = built(smallHull(stations), {0, 0.002});
        const std::vector<LitVertex>& row = v.RibbonVerts[1];
        auto same = [](const LitVertex& a, const LitVertex& b) { return a.X == b.X && a.Y == b.Y && a.Z == b.Z; };
        int real = 0;
        for (int k = 1; k + 2 <= v.LineVertCount; ++k)
            real += !same(row[k], row[k + 1]) && !same(row[k + 1], row[k + 2]) && !same(row[k], row[k + 2]);
        EXPECT_EQ(real, 4 * (int(stations) - 1)) << stations;
        EXPECT_EQ(v.LineVertCount, 18 * int(stations));
    }
}

TEST(InitKayakVerts, RefusesDesignsWhoseListsFallShort)
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
