#include "model/geometry.h"
#include "panels/development.h"
#include "panels/vectors.h"
#include "tests/panels/stripdesign.h"
#include "tests/tools/templatecase.h"

#include <gtest/gtest.h>

#include <cmath>

using model::Point3;
using panels::DevelopPanels;
using panelstest::EdgePoints;
using panelstest::stripDesign;

namespace {

double dist(const Point3& a, const Point3& b) { return model::Distance3D(a, b); }
Point3 scaled(const Point3& p, double f) { return {p.X * f, p.Y * f, p.Z * f, 0}; }

// The strip as gathered, before any unfolding: both lines at every station
// where they differ, the first tip in place of line 1's first point, then
// the second tip.
std::vector<Point3> rawStrip(const model::Design& d)
{
    std::vector<Point3> p{{}};
    for (int s = 1; s < int(d.StationCount); ++s) {
        const auto& pts = d.Sections[s].Pts;
        if (pts[1].Y == pts[2].Y && pts[1].Z == pts[2].Z) continue;
        p.push_back(scaled(pts[1], d.HullLength));
        p.push_back(scaled(pts[2], d.HullLength));
    }
    p[1] = scaled(d.point(1), d.HullLength);
    p.push_back(scaled(d.point(2), d.HullLength));
    return p;
}

// Twice the signed area of triangle (a, b, c) in the XY plane.
double signedArea(const Point3& a, const Point3& b, const Point3& c)
{
    return (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
}

bool segmentsCross(const Point3& a, const Point3& b, const Point3& c, const Point3& d)
{
    const double d1 = signedArea(c, d, a), d2 = signedArea(c, d, b);
    const double d3 = signedArea(a, b, c), d4 = signedArea(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// The closed outline: along line k by the odd points, back along line k + 1 by the even ones.
std::vector<Point3> outline(const std::vector<Point3>& p)
{
    const int n = int(p.size()) - 1;
    std::vector<Point3> ring;
    for (int i = 1; i <= n; i += 2) ring.push_back(p[i]);
    for (int i = n - 1; i >= 2; i -= 2) ring.push_back(p[i]);
    return ring;
}

// Checks every property a developed panel must have to be cut.
void expectSoundPanel(const panels::DevelopedPanel& panel, const std::string& what)
{
    SCOPED_TRACE(what);
    ASSERT_TRUE(panel.laidFlat);
    const auto& p = panel.points;
    const int n = panel.count();
    for (int i = 1; i <= n; ++i) {
        ASSERT_TRUE(std::isfinite(p[i].X) && std::isfinite(p[i].Y) && std::isfinite(p[i].Z)) << i;
        EXPECT_NEAR(p[i].Z, 0, 1e-9) << i;
    }
    EXPECT_EQ(p[1].X, 0);
    EXPECT_EQ(p[1].Y, 0);
    EXPECT_NEAR(p[n].Y, 0, 1e-9);
    EXPECT_GT(p[n].X, 0);
    // Neighbouring triangles of the zigzag wind alternately; a fold breaks that.
    const double first = signedArea(p[1], p[2], p[3]);
    for (int i = 4; i <= n; ++i) {
        const double area = signedArea(p[i - 2], p[i - 1], p[i]) * (i % 2 ? 1 : -1);
        EXPECT_GT(area * first, 0) << "triangle ending at " << i;
    }
    const auto ring = outline(p);
    const int m = int(ring.size());
    for (int i = 0; i < m; ++i)
        for (int j = i + 2; j < m; ++j) {
            if (i == 0 && j == m - 1) continue;
            EXPECT_FALSE(segmentsCross(ring[i], ring[i + 1], ring[j], ring[(j + 1) % m])) << i << " x " << j;
        }
}

}  // namespace

TEST(VectorRoutines, CrossProductsAndTheClockwiseRotation)
{
    const Point3 a{1, 2, 3}, b{-4, 5, 0.5};
    const Point3 c = panels::CrossProduct(a, b);
    EXPECT_EQ(c.X, 2 * 0.5 - 3 * 5);
    EXPECT_EQ(c.Y, 3 * -4 - 1 * 0.5);
    EXPECT_EQ(c.Z, 1 * 5 - 2 * -4);
    const Point3 e = panels::EdgeCross({{1, 1, 1}, {2, 3, 4}}, {{1, 1, 1}, {-3, 6, 1.5}});
    EXPECT_EQ(e.X, c.X);
    EXPECT_EQ(e.Y, c.Y);
    EXPECT_EQ(e.Z, c.Z);
    // A quarter turn about +Z takes +X to -Y: clockwise seen from the axis tip.
    const Point3 r = panels::RotateAboutAxis({1, 0, 0}, {0, 0, 1}, std::acos(0.0));
    EXPECT_NEAR(r.X, 0, 1e-15);
    EXPECT_NEAR(r.Y, -1, 1e-15);
    // A zero axis scales by the cosine: a half turn reflects through the origin.
    const Point3 half = panels::RotateAboutAxis({2, -3, 4}, {}, model::kPi15);
    EXPECT_EQ(half.X, -2);
    EXPECT_EQ(half.Y, 3);
    EXPECT_EQ(half.Z, -4);
}

// A flat strip develops to its own shape with the first tip at the origin.
// A first normal of exactly -Z has no axis to turn about: the half turn
// reflects through P(3), and the chord's half turn reflects back. In the
// vertical plane Z = 5 every normal is exact; in a tilted plane rounding
// pushes the cosine of some pairs of parallel normals past 1, which must
// still read as parallel.
TEST(DevelopPanels, AFlatStripDevelopsToItsOwnShape)
{
    struct Case {
        const char* what;
        Point3 line1, line2, tip;  // Y and Z
        double tolerance;
        double y[8];  // Y of P(1) .. P(7), after the first tip is moved to the origin
    };
    const Case cases[] = {
        {"first normal -Z: both lay-flat turns are half turns", {0, 10, 5}, {0, 0, 5}, {0, 5, 5}, 0,
         {0, 0, -5, 5, -5, 5, -5, 0}},
        {"first normal +Z: nothing turns", {0, 0, 5}, {0, 10, 5}, {0, 5, 5}, 0, {0, 0, 5, -5, 5, -5, 5, 0}},
        // Lines 1 and 2 as in the first case, but the first normal is only
        // near -Z: a true turn onto +Z shows the other face.
        {"tilted: 0.6 up and 0.8 out per inch across", {0, 8, 9}, {0, 2, 1}, {0, 5, 5}, 1e-12,
         {0, 0, 5, -5, 5, -5, 5, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto d = stripDesign(128, 4, [&](int) { return EdgePoints{c.line1, c.line2}; }, c.tip,
                                   {128, c.tip.Y, c.tip.Z});
        const auto panels = DevelopPanels(d);
        ASSERT_EQ(panels.size(), 2u);
        ASSERT_EQ(panels[1].count(), 7);
        const double x[] = {0, 0, 32, 64, 64, 96, 96, 128};
        for (int i = 1; i <= 7; ++i) {
            EXPECT_NEAR(panels[1].points[i].X, x[i], c.tolerance) << i;
            EXPECT_NEAR(panels[1].points[i].Y, c.y[i], c.tolerance) << i;
            EXPECT_NEAR(panels[1].points[i].Z, 0, c.tolerance) << i;
        }
    }
}

// A twisted, curved panel: every triangle keeps its edges, and the laid-flat
// strip neither folds nor crosses itself.
TEST(DevelopPanels, ACurvedStripKeepsEveryTriangle)
{
    const double length = 200;
    const auto d = stripDesign(
        length, 40,
        [&](int s) {
            const double t = s / 40.0, arc = std::sin(3.14159265358979 * t);
            return EdgePoints{{0, 14 + 3 * (t - 0.5) * (t - 0.5), 11 * arc}, {0, 6 + 2 * t - 5 * arc, 7 * arc * arc}};
        },
        {0, 14.5, 0.5}, {length, 15.5, 0.25});
    const auto panels = DevelopPanels(d);
    const auto raw = rawStrip(d);
    const auto& p = panels[1].points;
    ASSERT_EQ(panels[1].count(), int(raw.size()) - 1);
    ASSERT_EQ(panels[1].count(), 79);
    for (int i = 3; i < int(raw.size()); ++i) {
        EXPECT_NEAR(dist(p[i - 2], p[i - 1]), dist(raw[i - 2], raw[i - 1]), 1e-9) << i;
        EXPECT_NEAR(dist(p[i - 1], p[i]), dist(raw[i - 1], raw[i]), 1e-9) << i;
        EXPECT_NEAR(dist(p[i - 2], p[i]), dist(raw[i - 2], raw[i]), 1e-9) << i;
    }
    expectSoundPanel(panels[1], "curved strip");
}

// 200 inches in 100 stations are 2-inch stations.
TEST(DevelopPanels, StitchMarksAtEveryMultipleOfTheSpacingInStations)
{
    struct Case {
        std::int16_t spacing;
        int interval;
    };
    for (const Case c : {Case{6, 3}, Case{7, 3}, Case{2, 1}, Case{1, 0}, Case{0, 0}}) {
        SCOPED_TRACE(c.spacing);
        // Lines meet at stations 1 and 2; at station 5 only the half-breadths differ.
        const auto d = stripDesign(
            200, 100,
            [](int s) {
                if (s <= 2) return EdgePoints{{0, 4, 3}, {0, 4, 3}};
                return EdgePoints{{0, 8, 3}, {0, s == 5 ? 8.0 : 1.0, 9}};
            },
            {0, 6, 0}, {200, 7, 0}, c.spacing);
        EXPECT_EQ(panels::stitchInterval(d), c.interval);
        const auto panels = DevelopPanels(d);
        const auto& p = panels[1].points;
        ASSERT_EQ(panels[1].count(), 1 + 2 * 97);
        for (int j = 1; j <= 97; ++j) {
            const int station = j + 2;
            const std::int16_t mark = c.interval && station % c.interval == 0 ? model::kTrue : model::kFalse;
            EXPECT_EQ(p[2 * j - 1].Flag, mark) << station;  // P(1) keeps station 3's mark under the tip
            EXPECT_EQ(p[2 * j].Flag, mark) << station;
        }
        EXPECT_EQ(p[195].Flag, model::kFalse);
    }
}

// Nothing here has an outline to cut, and none of it may read past a list.
TEST(DevelopPanels, PanelsWithoutAnOutlineAreLeftUndeveloped)
{
    const auto flat = [](int) { return EdgePoints{{0, 4, 3}, {0, 4, 3}}; };
    const auto apart = [](int s) { return EdgePoints{{0, 8, 3}, {0, 1, 9.0 + s}}; };
    auto none = stripDesign(100, 10, flat, {0, 4, 0}, {100, 4, 0});
    auto missingEnd = stripDesign(100, 10, apart, {0, 4, 0}, {100, 4, 0});
    missingEnd.PanelEnds[1][2] = 7;
    auto shortSections = stripDesign(100, 10, apart, {0, 4, 0}, {100, 4, 0});
    shortSections.Sections.resize(4);  // stations 1 to 3 remain
    auto missingLine = stripDesign(100, 10, apart, {0, 4, 0}, {100, 4, 0});
    missingLine.PanelsPerSide = 2;  // panel 2 would need a line 3
    missingLine.PanelEnds.resize(3, {0, 1, 2});

    EXPECT_FALSE(DevelopPanels(none)[1].laidFlat);
    EXPECT_FALSE(DevelopPanels(missingEnd)[1].laidFlat);
    const auto shortened = DevelopPanels(shortSections);
    EXPECT_EQ(shortened[1].count(), 7);
    expectSoundPanel(shortened[1], "three stations");
    const auto twoPanels = DevelopPanels(missingLine);
    EXPECT_TRUE(twoPanels[1].laidFlat);
    EXPECT_FALSE(twoPanels[2].laidFlat);
    EXPECT_EQ(twoPanels[2].count(), 0);
}

TEST(DevelopPanels, EveryTemplateDevelopsIntoCuttablePanels)
{
    for (const auto& t : templatecase::allTemplates()) {
        model::Design d = templatecase::loadFromSources(t.name);
        templatecase::makeNewDesign(d, t.cockpits == 2 ? 204 : 192, 24);
        const auto panels = DevelopPanels(d);
        ASSERT_EQ(int(panels.size()), t.panelsPerSide + 1);
        for (int k = 1; k <= t.panelsPerSide; ++k) {
            expectSoundPanel(panels[k], t.name + " panel " + std::to_string(k));
            // A long, gently curved strip: its flat chord is close to the length its ends span.
            const auto& ends = d.PanelEnds[k];
            const double span = d.HullLength * (d.point(ends[2]).X - d.point(ends[1]).X);
            const double chord = panels[k].points[panels[k].count()].X;
            EXPECT_GT(chord, span);
            EXPECT_LT(chord, 1.02 * span);
        }
    }
}
