#include "render3d/framecompose.h"

#include <gtest/gtest.h>

#include <cmath>

namespace render3d {
namespace {

using Place = std::array<float, 3>;

Place place(const LitVertex& v) { return {v.X, v.Y, v.Z}; }
Place place(double x, double y, double z) { return {float(x), float(y), float(z)}; }

// A row's places and colours, its Z turned by `side`.
std::vector<std::tuple<Place, std::uint32_t, std::uint32_t>> keys(const std::vector<LitVertex>& row, float side = 1)
{
    std::vector<std::tuple<Place, std::uint32_t, std::uint32_t>> out;
    for (const LitVertex& v : row) out.emplace_back(Place{v.X, v.Y, side * v.Z}, v.Diffuse, v.Specular);
    return out;
}

// A three-panel hull written straight into its sections, so every station's points are known exactly: panel 1 (deck)
// has a station where its lines meet, panel 2 (hull) one where they share only a height and more slots than panel 1,
// panel 3 (hull) lines that meet everywhere.
model::Point3 smallHullPoint(int station, int line)
{
    const double x = station / 4.0;
    if (line == 1) return {x, 0.10, 0.001 * station, 0};
    if (line == 2) return station == 2 ? model::Point3{x, 0.10, 0.002, 0} : model::Point3{x, 0.08, 0.05, 0};
    return {x, station == 3 ? 0.08 : 0.0, 0.01, 0};  // lines 3 and 4 coincide
}

model::Design smallHull(double stationCount = 4)
{
    model::Design d;
    d.DesignLoaded = true, d.HullLength = 200, d.WaterlineHeight = 5, d.StationCount = stationCount;
    d.PointCount = 6, d.LineCount = 4, d.PanelsPerSide = 3;
    d.ControlPoints.assign(7, model::ControlPoint{});
    const model::Point3 points[] = {{}, {0.05, 0.1, 0.0}, {0.95, 0.12, 0.0}, {0.1, 0.05, 0.02},
                                    {0.9, 0.06, 0.03}, {0.2, 0.0, 0.01}, {0.8, 0.0, 0.01}};
    for (int i = 1; i <= 6; ++i) d.ControlPoints[i].Position = points[i];
    d.HullPanels = {{}, {1, 2, 0}, {2, 3, 1}, {3, 4, 1}};
    d.PanelEnds = {{0, 0, 0}, {0, 1, 2}, {0, 3, 4}, {0, 5, 6}};
    d.Sections.assign(model::stationBound(stationCount) + 1, model::Section{});
    for (std::size_t s = 0; s < d.Sections.size(); ++s) {
        d.Sections[s].X = s / stationCount;
        d.Sections[s].Pts.assign(5, model::Point3{});
        for (int j = 1; j <= 4; ++j) d.Sections[s].Pts[j] = smallHullPoint(int(s % 5), j);
    }
    return d;
}

struct Built {
    model::Design design;
    KayakVerts verts;
    explicit Built(double stations = 4, VertexSettings s = {0.02, 0.001}, int panel1IsHull = 0)
        : design(smallHull(stations))
    {
        design.HullPanels[1].IsHull = panel1IsHull;
        EXPECT_TRUE(InitKayakVerts(design, s, verts));
    }
    FrameVertices compose(const RenderSwitches& s) const
    {
        FrameVertices f;
        EXPECT_TRUE(composeFrame(design, verts, s, f));
        return f;
    }
};

// Three panels, four stations: ColourStep 66, so the third colour component is 169 on panel 1 and 103 on panel 2; the
// slot after a panel's last station closes it at its end point in black.
TEST(KayakVerts, StripsRibbonsWaterAndMirrorsOfASmallHull)
{
    const Built built(4, {0.05, 0.001});
    const model::Design& d = built.design;
    const KayakVerts& v = built.verts;
    ASSERT_EQ(std::pair(v.PanelStripCounts, v.PanelStrips.size()), std::pair(std::vector<int>{0, 7, 9, 1}, std::size_t(7)));
    for (const auto& row : v.PanelStrips) EXPECT_EQ(row.size(), 10u) << "rows sized by the largest panel";
    // Panel i is pushed out a quarter turn further round than panel i - 1.
    auto offset = [](int panel) {
        const double turn = panel * 3.14159265 / 4;
        return model::Point3{0, 0.05 * std::cos(turn), 0.05 * std::sin(turn)};
    };
    struct Slot { int panel, slot; model::Point3 at; int r, g; };  // r < 0: black
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
        EXPECT_EQ(std::tuple(place(got), got.Diffuse, got.Specular),
                  std::tuple(place(e.at.X, e.at.Y + off.Y, e.at.Z + off.Z), e.r < 0 ? 0 : packColour(e.r, e.g, b),
                             e.r < 0 ? 0 : packColour(e.r, b, b)));
    }
    EXPECT_EQ(v.PanelStrips[0][1].X, 0) << "row 0 is never written";

    // Panel 2's LineB (line 3) on the +Z side: three faces of four stations, up, back down, up again, six slots each.
    const double t = 0.001;
    ASSERT_EQ(std::pair(v.LineVertCount, v.RibbonVerts.size()), std::pair(72, std::size_t(13)));
    struct Corner { int slot, station; double dy, dz; };  // d: from the line's point, before the offset
    const std::vector<LitVertex>& row = v.RibbonVerts[ribbonRow(2, 2)];
    const Corner corners[] = {{1, 0, t, 0},   {2, 0, -t, t},   {6, 0, t, 0},    {7, 1, t, 0},   {24, 3, t, 0},
                              {25, 3, -t, t}, {27, 3, -t, -t}, {30, 3, -t, -t}, {31, 2, -t, t}, {48, 0, -t, -t},
                              {49, 0, -t, -t}, {51, 0, t, 0},  {72, 3, t, 0}};
    for (const Corner& c : corners) {
        const model::Point3 l = d.Sections[c.station].Pts[3], off = offset(2);
        EXPECT_EQ(place(row[c.slot]), place(l.X, l.Y + c.dy + off.Y, l.Z + off.Z + c.dz)) << c.slot;
        EXPECT_EQ(row[c.slot].Diffuse, 0u) << c.slot;
    }

    // Row p + N mirrors row p exactly, strips and ribbons alike.
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(keys(v.PanelStrips[p]), keys(v.PanelStrips[mirrorRow(v, p)], -1)) << p;
        EXPECT_EQ(keys(v.RibbonVerts[ribbonRow(p, 1)]), keys(v.RibbonVerts[ribbonRow(p, 3)], -1)) << p;
        EXPECT_EQ(keys(v.RibbonVerts[ribbonRow(p, 2)]), keys(v.RibbonVerts[ribbonRow(p, 4)], -1)) << p;
    }

    // One and a half hulls at the waterline (5 of 200).
    const float water[6][2] = {{-0.25f, 0.3f}, {1.25f, 0.3f}, {-0.25f, -0.3f}, {-0.25f, -0.3f}, {1.25f, 0.3f}, {1.25f, -0.3f}};
    const auto waterKeys = keys({v.WaterVerts.begin(), v.WaterVerts.end()});
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(waterKeys[i], std::tuple(Place{water[i][0], 0.025f, water[i][1]}, 4474111u, 2105514u)) << i;
}

// Sixteen stations: station 1 shades 12.5 -> 12 and 187.5 -> 188.
TEST(KayakVerts, ColourSharesRoundHalvesToEven)
{
    const Built b(16, {});
    EXPECT_EQ(std::pair(b.verts.PanelStrips[1][1].Diffuse, b.verts.PanelStrips[2][1].Specular),
              std::pair(packColour(12, 188, 169), packColour(12, 103, 103)));
}

// Drawn as one strip, face 1 gives two real triangles per station step and faces 2 and 3 one each; every joining
// triangle is degenerate.
TEST(Ribbons, StripHoldsFourRealTrianglesPerStationStep)
{
    for (double stations : {4.0, 11.0}) {
        const Built b(stations, {0, 0.002});
        const KayakVerts& v = b.verts;
        const std::vector<LitVertex>& row = v.RibbonVerts[1];
        int real = 0;
        for (int k = 1; k + 2 <= v.LineVertCount; ++k) {
            const Place a = place(row[k]), b = place(row[k + 1]), c = place(row[k + 2]);
            real += a != b && b != c && a != c;
        }
        EXPECT_EQ(std::pair(real, v.LineVertCount), std::pair(4 * (int(stations) - 1), 18 * int(stations))) << stations;
    }
}

// Lists are refused for a design that does not hold what its counts promise, a frame for a design changed since its
// lists were built.
TEST(KayakVerts, ListsAndFramesRefuseDesignsTheyCannotHold)
{
    const std::vector<std::tuple<const char*, void (*)(model::Design&), bool>> faults{
        {"panel end outside the points", [](model::Design& d) { d.PanelEnds[2][2] = 9; }, false},
        {"sections not built", [](model::Design& d) { d.Sections.pop_back(); }, false},
        {"a section one line short", [](model::Design& d) { d.Sections[1].Pts.resize(4); }, false},
        {"a panel line 0", [](model::Design& d) { d.HullPanels[1].LineA = 0; }, false},
        {"a panel line just past the sections'", [](model::Design& d) { d.HullPanels[3].LineB = 5; }, false},
        {"fewer lines than panels need", [](model::Design& d) { d.LineCount = 3; }, false},
        {"no stations", [](model::Design& d) { d.StationCount = 0; }, false},
        {"no panels", [](model::Design& d) { d.PanelsPerSide = 0; }, false},
        {"panels dropped since building", [](model::Design& d) { d.PanelsPerSide = 2; }, true},
        {"a panel end moved off the points since", [](model::Design& d) { d.PanelEnds[3][1] = 40; }, true},
    };
    const Built oneStation(1);  // the least a hull can be built from
    for (const auto& [what, spoil, afterBuilding] : faults) {
        Built b;
        spoil(b.design);
        FrameVertices f;
        EXPECT_FALSE(afterBuilding ? composeFrame(b.design, b.verts, {}, f) : InitKayakVerts(b.design, {}, b.verts)) << what;
    }
}

// Panel 1 is a deck panel (7 strip vertices), panel 2 a hull panel (9), panel 3 a hull panel whose single vertex makes
// no triangle. Four stations' ribbons leave their last 38 of 72 slots undrawn; 2.22 stations' leave two of 40, too few
// for a triangle.
TEST(ComposeFrame, SwitchesChooseStripsRibbonsAndWater)
{
    constexpr int R = 72 - 38;
    // Counts: the vertices of each strip in drawing order.
    struct Case { const char* what; RenderSwitches switches; std::vector<int> counts; double stations = 4; int panel1IsHull = 0; };
    const Case cases[] = {
        {"everything", {true, true, true, true, true}, {7, 7, 9, 9, R, R, R, R, R, R, R, R, R, R, R, R, 6}},
        {"deck only, solid", {false, true, true, false, false}, {7, 7}},
        {"hull only, wire", {true, false, false, true, false}, {R, R, R, R, R, R, R, R}},
        {"no panels, water still drawn", {false, false, true, true, true}, {6}},
        {"every box clear", {true, true, false, false, false}, {}},
        {"panel 1 neither deck nor hull", {true, true, true, true, false}, {9, 9, R, R, R, R, R, R, R, R}, 4, 2},
        {"ribbons too short to draw", {true, true, false, true, false}, {}, 2.22},
    };
    for (const Case& c : cases) {
        const FrameVertices f = Built(c.stations, {0.02, 0.001}, c.panel1IsHull).compose(c.switches);
        std::vector<int> counts;
        int next = 0;
        for (const platform::StripRange& s : f.strips) {
            EXPECT_EQ(s.first, next) << c.what;
            next += s.count;
            counts.push_back(s.count);
        }
        EXPECT_EQ(counts, c.counts) << c.what;
        EXPECT_EQ(int(f.vertices.size()), next) << c.what;
    }
    // Strips are copied from slot 1, water comes last; tubes 3 and 4 of each panel lie on the -Z side, clamped ends
    // included.
    const Built b;
    const KayakVerts& v = b.verts;
    const FrameVertices f = b.compose({true, true, true, false, true});
    EXPECT_EQ(std::tuple(f.vertices[0].X, f.vertices[7].Z, f.vertices[14].Y, f.vertices.back().Diffuse, f.vertices.back().X),
              std::tuple(v.PanelStrips[1][1].X, v.PanelStrips[4][1].Z, v.PanelStrips[2][1].Y, v.WaterVerts[5].Diffuse,
                         v.WaterVerts[5].X));
    const FrameVertices wire = b.compose({true, true, false, true, false});
    for (std::size_t s = 0; s < wire.strips.size(); ++s)
        for (int k = 0; k < wire.strips[s].count; ++k)
            ASSERT_EQ(wire.vertices[wire.strips[s].first + k].Z < 0, s % 4 >= 2) << "strip " << s << " vertex " << k;
}

TEST(ClampToPanel, VerticesBeyondTheEndsCollapseOntoThem)
{
    const model::Point3 start{0.1, 0.2, 0.03}, end{0.9, 0.25, 0.04}, off{0, 0.01, 0.02};
    const std::pair<float, const model::Point3*> cases[] = {
        {0.05f, &start}, {0.95f, &end}, {float(start.X), nullptr}, {float(end.X), nullptr}, {0.5f, nullptr}};
    for (auto [x, onto] : cases)
        for (double side : {1, -1}) {
            const LitVertex v = clampToPanel(CreateLitVertex(x, 0.5f, 0.6f, 7, 8, 0, 0), start, end, off, side < 0);
            const Place expected = onto ? place(onto->X, onto->Y + off.Y, side * (onto->Z + off.Z)) : Place{x, .5f, .6f};
            EXPECT_EQ(std::tuple(place(v), v.Diffuse, v.Specular), std::tuple(expected, 7u, 8u)) << x << " " << side;
        }
}

}  // namespace
}  // namespace render3d
