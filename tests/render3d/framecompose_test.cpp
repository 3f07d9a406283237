#include "render3d/framecompose.h"
#include "tests/render3d/smallhull.h"

#include <gtest/gtest.h>

namespace render3d {
namespace {

using platform::StripRange;

struct Built {
    model::Design design = testsupport::smallHull();
    KayakVerts verts;
    Built()
    {
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
// panel 3 a hull panel whose single vertex makes no triangle.
TEST(ComposeFrame, SwitchesChooseStripsRibbonsAndWater)
{
    const Built b;
    constexpr int kRibbon = 72 - 38;  // four stations' ribbons leave their last 38 slots undrawn
    struct Case {
        const char* what;
        RenderSwitches switches;
        std::vector<int> counts;  // vertices of each strip in drawing order
    };
    const Case cases[] = {
        {"everything", {true, true, true, true, true},
         {7, 7, 9, 9, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon,
          kRibbon, kRibbon, 6}},
        {"deck only, solid", {false, true, true, false, false}, {7, 7}},
        {"hull only, wire", {true, false, false, true, false}, {kRibbon, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon, kRibbon}},
        {"no panels, water still drawn", {false, false, true, true, true}, {6}},
        {"every box clear", {true, true, false, false, false}, {}},
    };
    for (const Case& c : cases) {
        const FrameVertices f = b.compose(c.switches);
        std::vector<int> counts;
        int next = 0;
        for (const StripRange& s : f.strips) {
            EXPECT_EQ(s.first, next) << c.what;
            next += s.count;
            counts.push_back(s.count);
        }
        EXPECT_EQ(counts, c.counts) << c.what;
        EXPECT_EQ(int(f.vertices.size()), next) << c.what;
    }
}

TEST(ComposeFrame, StripsAreCopiedFromSlotOneAndWaterComesLast)
{
    const Built b;
    const FrameVertices f = b.compose({true, true, true, false, true});
    EXPECT_EQ(f.vertices[0].X, b.verts.PanelStrips[1][1].X);
    EXPECT_EQ(f.vertices[7].Z, b.verts.PanelStrips[4][1].Z);
    EXPECT_EQ(f.vertices[14].Y, b.verts.PanelStrips[2][1].Y);
    EXPECT_EQ(f.vertices.back().Diffuse, b.verts.WaterVerts[5].Diffuse);
    EXPECT_EQ(f.vertices.back().X, b.verts.WaterVerts[5].X);
}

TEST(ComposeFrame, PanelsFlaggedNeitherDeckNorHullAreNeverDrawn)
{
    Built b;
    b.design.HullPanels[1].IsHull = 2;
    EXPECT_EQ(b.compose({true, true, true, true, false}).strips.size(), 2u + 8u);
}

// A ribbon row of fewer than 41 slots leaves no triangle once its undrawn
// tail is taken off.
TEST(ComposeFrame, RibbonsTooShortToDrawAreSkipped)
{
    const model::Design d = testsupport::smallHull(2);
    KayakVerts v;
    ASSERT_TRUE(InitKayakVerts(d, {}, v));
    ASSERT_EQ(v.LineVertCount, 36);
    FrameVertices f;
    ASSERT_TRUE(composeFrame(d, v, {true, true, false, true, false}, f));
    EXPECT_TRUE(f.strips.empty());
}

TEST(ComposeFrame, RefusesListsOfAnotherDesign)
{
    Built b;
    b.design.PanelsPerSide = 2;
    FrameVertices f;
    EXPECT_FALSE(composeFrame(b.design, b.verts, {}, f));
    Built c;
    c.design.PanelEnds[3][1] = 40;
    EXPECT_FALSE(composeFrame(c.design, c.verts, {}, f));
}

TEST(ClampToPanel, VerticesBeyondTheEndsCollapseOntoThem)
{
    const model::Point3 start{0.1, 0.2, 0.03}, end{0.9, 0.25, 0.04}, off{0, 0.01, 0.02};
    const float startX = float(start.X);
    struct Case {
        float x;
        bool mirrored;
        model::Point3 expected;  // the vertex's position afterwards
    };
    const Case cases[] = {
        {0.05f, false, {start.X, start.Y + off.Y, start.Z + off.Z}},
        {0.05f, true, {start.X, start.Y + off.Y, -start.Z - off.Z}},
        {0.95f, false, {end.X, end.Y + off.Y, end.Z + off.Z}},
        {0.95f, true, {end.X, end.Y + off.Y, -end.Z - off.Z}},
        {startX, false, {startX, 0.5, 0.6}},
        {float(end.X), true, {float(end.X), 0.5, 0.6}},
        {0.5f, false, {0.5f, 0.5, 0.6}},
    };
    for (const Case& c : cases) {
        const LitVertex v = clampToPanel(CreateLitVertex(c.x, 0.5f, 0.6f, 7, 8, 0, 0), start, end, off, c.mirrored);
        EXPECT_EQ(v.X, float(c.expected.X)) << c.x;
        EXPECT_EQ(v.Y, float(c.expected.Y)) << c.x;
        EXPECT_EQ(v.Z, float(c.expected.Z)) << c.x;
        EXPECT_EQ(v.Diffuse, 7u);
        EXPECT_EQ(v.Specular, 8u);
    }
}

}  // namespace
}  // namespace render3d
