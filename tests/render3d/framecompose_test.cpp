#include "render3d/framecompose.h"
#include "tests/render3d/smallhull.h"

#include <gtest/gtest.h>

namespace render3d {
namespace {

struct Built {
    model::Design design;
    KayakVerts verts;
    explicit Built(double stations = 4, int panel1IsHull = 0) : design(testsupport::smallHull(stations))
    {
        design.HullPanels[1].IsHull = panel1IsHull;
        EXPECT_TRUE(InitKayakVerts(design, {0.02, 0.001}, verts));
    }
    FrameVertices compose(const RenderSwitches& s) const
    {
        FrameVertices f;
        EXPECT_TRUE(composeFrame(design, verts, s, f));
        return f;
    }
};

// Panel 1 is a deck panel (7 strip vertices), panel 2 a hull panel (9),
// panel 3 a hull panel whose single vertex makes no triangle. Four stations'
// ribbons leave their last 38 of 72 slots undrawn; 2.22 stations' leave two
// of 40, too few for a triangle.
TEST(ComposeFrame, SwitchesChooseStripsRibbonsAndWater)
{
    constexpr int R = 72 - 38;
    struct Case {
        const char* what;
        RenderSwitches switches;
        std::vector<int> counts;  // vertices of each strip in drawing order
        double stations = 4;
        int panel1IsHull = 0;
    };
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
        const FrameVertices f = Built(c.stations, c.panel1IsHull).compose(c.switches);
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
}

// Tubes 3 and 4 of each panel lie on the -Z side, clamped ends included.
TEST(ComposeFrame, StripsAreCopiedFromSlotOneTubesKeepTheirSideAndWaterComesLast)
{
    const Built b;
    const FrameVertices f = b.compose({true, true, true, false, true});
    EXPECT_EQ(f.vertices[0].X, b.verts.PanelStrips[1][1].X);
    EXPECT_EQ(f.vertices[7].Z, b.verts.PanelStrips[4][1].Z);
    EXPECT_EQ(f.vertices[14].Y, b.verts.PanelStrips[2][1].Y);
    EXPECT_EQ(f.vertices.back().Diffuse, b.verts.WaterVerts[5].Diffuse);
    EXPECT_EQ(f.vertices.back().X, b.verts.WaterVerts[5].X);
    const FrameVertices wire = b.compose({true, true, false, true, false});
    for (std::size_t s = 0; s < wire.strips.size(); ++s)
        for (int k = 0; k < wire.strips[s].count; ++k)
            ASSERT_EQ(wire.vertices[wire.strips[s].first + k].Z < 0, s % 4 >= 2) << "strip " << s << " vertex " << k;
}

TEST(ComposeFrame, RefusesListsOfAnotherDesign)
{
    for (auto spoil : {+[](model::Design& d) { d.PanelsPerSide = 2; }, +[](model::Design& d) { d.PanelEnds[3][1] = 40; }}) {
        Built b;
        spoil(b.design);
        FrameVertices f;
        EXPECT_FALSE(composeFrame(b.design, b.verts, {}, f));
    }
}

// Beyond an end a vertex collapses onto it (its mirror on the -Z side);
// between the ends, on them included, it stays where it is.
TEST(ClampToPanel, VerticesBeyondTheEndsCollapseOntoThem)
{
    const model::Point3 start{0.1, 0.2, 0.03}, end{0.9, 0.25, 0.04}, off{0, 0.01, 0.02};
    const std::pair<float, const model::Point3*> cases[] = {
        {0.05f, &start}, {0.95f, &end}, {float(start.X), nullptr}, {float(end.X), nullptr}, {0.5f, nullptr}};
    for (auto [x, onto] : cases)
        for (double side : {1, -1}) {
            const LitVertex v = clampToPanel(CreateLitVertex(x, 0.5f, 0.6f, 7, 8, 0, 0), start, end, off, side < 0);
            const std::array<float, 3> expected =
                onto ? std::array{float(onto->X), float(onto->Y + off.Y), float(side * (onto->Z + off.Z))}
                     : std::array{x, 0.5f, 0.6f};
            EXPECT_EQ((std::array{v.X, v.Y, v.Z}), expected) << x << " " << side;
            EXPECT_EQ(std::pair(v.Diffuse, v.Specular), std::pair(7u, 8u));
        }
}

}  // namespace
}  // namespace render3d
