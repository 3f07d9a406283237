#include "model/hull/floaterror.h"
#include "model/hull/geometry.h"
#include "panels/cuttingsheet.h"
#include "panels/development.h"
#include "tests/tools/templatecase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using model::Point3;
using panels::DevelopPanels;

namespace {

struct EdgePoints {
    Point3 a, b;  // line 1 and line 2 at a station, inches (X is set from the station)
};

// One panel written straight into the sections, so each edge point is exact: both lines at
// stations 0 .. stations, the tips as control points 1 and 2.
model::Design stripDesign(double length, int stations, const std::function<EdgePoints(int)>& edges, Point3 tip1,
                          Point3 tip2, std::int16_t stitchSpacing = 0)
{
    model::Design d;
    d.HullLength = length;
    d.StationCount = stations;
    d.StitchSpacing = stitchSpacing;
    d.PanelsPerSide = 1;
    d.LineCount = d.PointCount = 2;
    d.PanelEnds = {{0, 0, 0}, {0, 1, 2}};
    d.ControlPoints.resize(3);
    auto normalised = [length](Point3 p) { return Point3{p.X / length, p.Y / length, p.Z / length, 0}; };
    d.ControlPoints[1].Position = normalised(tip1);
    d.ControlPoints[2].Position = normalised(tip2);
    d.Sections.resize(stations + 1);
    for (int s = 0; s <= stations; ++s) {
        EdgePoints e = edges(s);
        e.a.X = e.b.X = length * s / stations;
        d.Sections[s].X = double(s) / stations;
        d.Sections[s].Pts = {{}, normalised(e.a), normalised(e.b)};
    }
    return d;
}

// Twice the signed area of triangle (a, b, c) in the XY plane.
double signedArea(const Point3& a, const Point3& b, const Point3& c)
{
    return (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
}

bool segmentsCross(const Point3& a, const Point3& b, const Point3& c, const Point3& d)
{
    return signedArea(c, d, a) * signedArea(c, d, b) < 0 && signedArea(a, b, c) * signedArea(a, b, d) < 0;
}

// Every property a developed panel must have to be cut: finite and flat, first point at the
// origin, last on the X axis, no fold and an outline that never crosses itself.
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
    EXPECT_TRUE(p[1].X == 0 && p[1].Y == 0 && std::abs(p[n].Y) < 1e-9 && p[n].X > 0);
    // Neighbouring triangles of the zigzag wind alternately; a fold breaks that.
    const double first = signedArea(p[1], p[2], p[3]);
    for (int i = 4; i <= n; ++i)
        EXPECT_GT(signedArea(p[i - 2], p[i - 1], p[i]) * (i % 2 ? 1 : -1) * first, 0) << "triangle ending at " << i;
    // The outline: along line k by the odd points, back along line k + 1 by the even ones.
    std::vector<Point3> ring;
    for (int i = 1; i <= n; i += 2) ring.push_back(p[i]);
    for (int i = n - 1; i >= 2; i -= 2) ring.push_back(p[i]);
    const int m = int(ring.size());
    for (int i = 0; i < m; ++i)
        for (int j = i + 2; j < m - (i == 0); ++j)
            EXPECT_FALSE(segmentsCross(ring[i], ring[i + 1], ring[j], ring[(j + 1) % m])) << i << " x " << j;
}

}  // namespace

// A flat strip develops to its own shape with the first tip at the origin. A first normal of
// exactly -Z has no axis to turn about: the half turn reflects through P(3), and the chord's
// half turn reflects back. In a tilted plane rounding pushes the cosine of some pairs of
// parallel normals past 1, which must still read as parallel.
TEST(DevelopPanels, AFlatStripDevelopsToItsOwnShape)
{
    struct Case { const char* what; Point3 line1, line2; double tolerance, y[8]; } const cases[] = {  // y: P(1) .. P(7)
        {"first normal -Z: both lay-flat turns are half turns", {0, 10, 5}, {0, 0, 5}, 0, {0, 0, -5, 5, -5, 5, -5, 0}},
        {"first normal +Z: nothing turns", {0, 0, 5}, {0, 10, 5}, 0, {0, 0, 5, -5, 5, -5, 5, 0}},
        // As the first, but the normal is only near -Z: a true turn onto +Z shows the other face.
        {"tilted: 0.6 up and 0.8 out per inch across", {0, 8, 9}, {0, 2, 1}, 1e-12, {0, 0, 5, -5, 5, -5, 5, 0}},
    };
    const double x[] = {0, 0, 32, 64, 64, 96, 96, 128};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto panels = DevelopPanels(stripDesign(128, 4, [&](int) { return EdgePoints{c.line1, c.line2}; },
                                                      {0, 5, 5}, {128, 5, 5}));
        ASSERT_EQ(panels.size(), 2u);
        ASSERT_EQ(panels[1].count(), 7);
        for (int i = 1; i <= 7; ++i) {
            const Point3& q = panels[1].points[i];
            EXPECT_LE(std::max({std::abs(q.X - x[i]), std::abs(q.Y - c.y[i]), std::abs(q.Z)}), c.tolerance) << i;
        }
    }
}

// A twisted, curved panel keeps every triangle's edges and neither folds nor crosses itself.
TEST(DevelopPanels, ACurvedStripKeepsEveryTriangle)
{
    const auto edges = [](int s) {
        const double t = s / 40.0, arc = std::sin(3.14159265358979 * t);
        return EdgePoints{{5.0 * s, 14 + 3 * (t - 0.5) * (t - 0.5), 11 * arc},
                          {5.0 * s, 6 + 2 * t - 5 * arc, 7 * arc * arc}};
    };
    const Point3 tip1{0, 14.5, 0.5}, tip2{200, 15.5, 0.25};
    const auto panels = DevelopPanels(stripDesign(200, 40, edges, tip1, tip2));
    // The strip before unfolding: the first tip in place of line 1 at station 1, both lines on to
    // station 39, the second tip.
    std::vector<Point3> raw{{}, tip1, edges(1).b};
    for (int s = 2; s < 40; ++s) raw.insert(raw.end(), {edges(s).a, edges(s).b});
    raw.push_back(tip2);
    const auto& p = panels[1].points;
    ASSERT_EQ(panels[1].count(), 79);
    const auto dist = model::Distance3D;
    for (int i = 3; i < 80; ++i)
        for (const auto& [j, k] : {std::pair{i - 2, i - 1}, {i - 1, i}, {i - 2, i}})
            EXPECT_NEAR(dist(p[j], p[k]), dist(raw[j], raw[k]), 1e-9) << j << "-" << k;
    expectSoundPanel(panels[1], "curved strip");
}

// Turning depends on directions only: the same panel 2^600 times larger or smaller develops to
// exactly the same outline to scale (no normal overflows or vanishes). A point that is no number
// is raised as itself, never as an angle.
TEST(DevelopPanels, APanelFarOutDevelopsToScaleAndAPointThatIsNoNumberIsRaised)
{
    const auto design = [](int exponent) {
        const auto scale = [exponent](Point3 p) {
            return Point3{std::ldexp(p.X, exponent), std::ldexp(p.Y, exponent), std::ldexp(p.Z, exponent), 0};
        };
        const auto edges = [scale](int s) {
            const double t = s / 10.0, arc = std::sin(3.14159265358979 * t);
            return EdgePoints{scale({0, 14 + 3 * t * t, 11 * arc}), scale({0, 6 + 2 * t - 5 * arc, 7 * arc * arc})};
        };
        return stripDesign(std::ldexp(200, exponent), 10, edges, scale({0, 14.5, 0.5}), scale({200, 15.5, 0.25}));
    };
    const auto near = DevelopPanels(design(0));
    for (const int exponent : {600, -600}) {
        const auto far = DevelopPanels(design(exponent));
        ASSERT_TRUE(far[1].laidFlat && far[1].count() == near[1].count()) << exponent;
        for (int i = 1; i <= near[1].count(); ++i) {
            const Point3 &p = far[1].points[i], &q = near[1].points[i];
            EXPECT_TRUE(p.X == std::ldexp(q.X, exponent) && p.Y == std::ldexp(q.Y, exponent)) << exponent << " " << i;
        }
    }
    model::Design broken = design(0);
    broken.Sections[4].Pts[2].Z = std::nan("");
    try {
        DevelopPanels(broken);
        ADD_FAILURE() << "developed a point that is no number";
    } catch (const model::FloatError& e) {
        EXPECT_STREQ(e.what(), "panel point out of range");
    }
}

// 200 inches in 100 stations are 2-inch stations; a spacing below that marks none, nor one
// beyond the last inner station (99).
TEST(DevelopPanels, StitchMarksAtEveryMultipleOfTheSpacingInStations)
{
    // Lines meet at stations 1 and 2; at station 5 only the half-breadths differ.
    const auto edges = [](int s) {
        return s <= 2 ? EdgePoints{{0, 4, 3}, {0, 4, 3}} : EdgePoints{{0, 8, 3}, {0, s == 5 ? 8.0 : 1.0, 9}};
    };
    for (const auto& [spacing, interval] : {std::pair<std::int16_t, int>{6, 3}, {7, 3}, {2, 1}, {1, 0}, {0, 0}, {198, 99}, {200, 0}}) {
        SCOPED_TRACE(spacing);
        const auto d = stripDesign(200, 100, edges, {0, 6, 0}, {200, 7, 0}, spacing);
        EXPECT_EQ(panels::stitchInterval(d), interval);
        const auto panels = DevelopPanels(d);
        const auto& p = panels[1].points;
        ASSERT_EQ(panels[1].count(), 1 + 2 * 97);
        for (int j = 1; j <= 97; ++j) {
            const int station = j + 2;
            const std::int16_t mark = interval && station % interval == 0 ? model::kTrue : model::kFalse;
            EXPECT_TRUE(p[2 * j - 1].Flag == mark && p[2 * j].Flag == mark) << station;  // P(1) keeps station 3's
        }
        EXPECT_EQ(p[195].Flag, model::kFalse);
    }
}

// Nothing here has an outline to cut, and none of it may read past a list (a panel whose line is
// missing at the stations is in the sheet's lines below).
TEST(DevelopPanels, PanelsWithoutAnOutlineAreLeftUndeveloped)
{
    const auto strip = [](bool apart) {
        const auto edges = [apart](int s) {
            return EdgePoints{{0, 8, 3}, {0, apart ? 1.0 : 8.0, apart ? 9.0 + s : 3.0}};
        };
        return stripDesign(100, 10, edges, {0, 4, 0}, {100, 4, 0});
    };
    EXPECT_FALSE(DevelopPanels(strip(false))[1].laidFlat);
    auto d = strip(true);
    d.PanelEnds[1][2] = 7;
    EXPECT_FALSE(DevelopPanels(d)[1].laidFlat);
    d = strip(true);
    d.Sections.resize(4);  // stations 1 to 3 remain
    const auto shortened = DevelopPanels(d);
    EXPECT_EQ(shortened[1].count(), 7);
    expectSoundPanel(shortened[1], "three stations");
}

TEST(DevelopPanels, EveryTemplateDevelopsIntoCuttablePanels)
{
    for (const auto& t : templatecase::allTemplates()) {
        model::Design d = templatecase::loadFromSources(t.name);
        templatecase::makeNewDesign(d, t.cockpits == 2 ? 204 : 192, 24);
        const auto panels = DevelopPanels(d);
        ASSERT_EQ(int(panels.size()), t.panelsPerSide + 1);
        for (int k = 1; k <= t.panelsPerSide; ++k) expectSoundPanel(panels[k], t.name + " panel " + std::to_string(k));
    }
}

TEST(CuttingSheet, WidthHeightPanelRowsAndBulkheadPlaces)
{
    for (const auto& [length, width] : {std::pair{100.0, 196}, {156, 196}, {160, 185}, {157.5, 182}, {158.5, 184},
                                              {360, 385}})
        EXPECT_EQ(panels::sheetWidth(length), width) << length;
    // 106.33, 69.375, then halves to even.
    for (const auto& [x, y, width, height] :
         {std::tuple{1200, 651, 196, 106}, {800, 300, 185, 69}, {2, 5, 1, 2}, {2, 3, 1, 2}, {0, 600, 196, 0}})
        EXPECT_EQ(panels::sheetHeight(x, y, width), height) << x << " " << y;
    model::Design d;
    d.HullLength = 204, d.PanelsPerSide = 8, d.BulkheadCount = 3;
    const auto sheet = panels::layOutSheet(d, 1200, 651);
    EXPECT_EQ(std::tuple(int(sheet.SheetWidth), int(sheet.SheetHeight), int(sheet.PanelColumnOffset)), std::tuple(229, 124, 5));
    EXPECT_EQ(sheet.PanelRowOffset, (std::vector<std::int16_t>{0, 4, 19, 34, 49, 64, 79, 94, 109}));
    ASSERT_EQ(sheet.BulkheadDrawOrigin.size(), 4u);
    for (int b = 1; b <= 3; ++b) EXPECT_EQ(std::pair(sheet.BulkheadDrawOrigin[b].X, sheet.BulkheadDrawOrigin[b].Y), std::pair(25.0 * b, 88.0));
}

// Bulkhead 2's section through three lines is drawn on both sides of its centreline; then the
// one developed panel, from its chord's row.
TEST(CuttingSheet, LinesOfTheBulkheadsThenThePanels)
{
    auto d = stripDesign(128, 4, [](int) { return EdgePoints{{0, 0, 5}, {0, 10, 5}}; }, {0, 5, 5}, {128, 5, 5});
    d.PanelsPerSide = 2;  // panel 2 has no line 3 at the stations and stays undeveloped
    d.BulkheadCount = 2;
    d.Bulkheads.resize(3);
    d.Bulkheads[1].Pts = {{}, {}};  // no lines: nothing to draw
    d.Bulkheads[2].Pts = {{}, {0.5, 12 / 128.0, 0}, {0.5, 8 / 128.0, 10 / 128.0}, {0.5, 0, 2 / 128.0}};
    const auto developed = DevelopPanels(d);
    ASSERT_TRUE(!developed[2].laidFlat && developed[2].count() == 0);
    const std::vector<panels::SheetLine> expected = {
        {50, 76, 60, 80}, {50, 76, 40, 80}, {60, 80, 52, 88}, {40, 80, 48, 88},  // bulkhead 2
        {5, 4, 37, 9},  {5, 4, 69, -1}, {37, 9, 69, 9}, {69, -1, 101, -1}, {69, 9, 101, 9}, {101, -1, 133, 4},
        {101, 9, 133, 4},  // from the start line P(1)-P(2) to the end line P(6)-P(7)
    };
    EXPECT_EQ(panels::sheetLines(d, panels::layOutSheet(d, 1000, 500), developed), expected);
}
