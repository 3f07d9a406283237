#include "render3d/kayakverts.h"

#include "model/file/designcheck.h"
#include "render3d/ribbons.h"

#include <algorithm>
#include <cmath>

namespace render3d {

namespace {

constexpr double kPi = 3.14159265;
constexpr int kColourRange = 200;  // station shading runs 0..200
constexpr int kPanelShadeTop = 235;
constexpr std::uint32_t kWaterDiffuse = 0x4444FF;
constexpr std::uint32_t kWaterSpecular = 0x2020AA;
constexpr float kWaterBowX = -0.25f;
constexpr float kWaterSternX = 1.25f;
constexpr float kWaterHalfWidth = 0.3f;

// Halves go to the even neighbour, as every integer conversion here does.
int roundEven(double v) { return int(std::nearbyint(v)); }

bool pointsExist(const model::Design& d, int stations)
{
    const int n = d.PanelsPerSide;
    if (int(d.Sections.size()) <= stations) return false;
    for (int s = 0; s <= stations; ++s)
        if (int(d.Sections[s].Pts.size()) <= n + 1) return false;
    for (int p = 1; p <= n; ++p) {
        if (!d.hasPoint(d.PanelEnds[p][1]) || !d.hasPoint(d.PanelEnds[p][2])) return false;
        for (int line : {d.HullPanels[p].LineA, d.HullPanels[p].LineB})
            if (line < 1 || line >= int(d.Sections[0].Pts.size())) return false;
    }
    return true;
}

// Whether the design holds every list entry the building reads.
bool buildable(const model::Design& d)
{
    const int n = d.PanelsPerSide;
    if (n < 1 || d.LineCount < n + 1 || int(d.HullPanels.size()) <= n || int(d.PanelEnds.size()) <= n) return false;
    if (!(d.StationCount >= 1 && d.StationCount <= model::kMaxStationCount)) return false;
    return pointsExist(d, model::stationBound(d.StationCount));
}

void buildOffsets(double distance, KayakVerts& v)
{
    const double step = kPi / (v.panels + 1);
    v.ExplodeOffsets.assign(v.panels + 1, model::Point3{});
    for (int i = 1; i <= v.panels; ++i)
        v.ExplodeOffsets[i] = {0, distance * std::cos(i * step), distance * std::sin(i * step), 0};
}

// A strip counts two slots at every station where its lines part in Y or Z.
void countStrips(const model::Design& d, int stations, KayakVerts& v)
{
    v.PanelStripCounts.assign(v.panels + 1, 0);
    for (int j = 1; j <= v.panels; ++j) {
        int count = 1;
        for (int s = 1; s <= stations; ++s) {
            const model::Point3& p = d.Sections[s].Pts[j];
            const model::Point3& q = d.Sections[s].Pts[j + 1];
            if (p.Y != q.Y || p.Z != q.Z) count += 2;
        }
        v.PanelStripCounts[j] = count;
    }
}

// Moves the vertex onto a point shifted by a panel's offset on the +Z side, or
// onto its mirror; colours and texture coordinates stay.
void place(LitVertex& v, const model::Point3& p, const model::Point3& off, bool mirrored)
{
    const LitVertex moved = litVertexAt(p, off, mirrored, v.Diffuse, v.Specular);
    v.X = moved.X;
    v.Y = moved.Y;
    v.Z = moved.Z;
}

void placeBoth(KayakVerts& v, int panel, int slot, const model::Point3& p)
{
    const model::Point3& off = v.ExplodeOffsets[panel];
    place(v.PanelStrips[panel][slot], p, off, false);
    place(v.PanelStrips[mirrorRow(v, panel)][slot], p, off, true);
}

struct StationColours {
    std::uint32_t diffuse, specular;
};

StationColours coloursAt(int station, double stationCount, int panel, int colourStep)
{
    const double share = kColourRange * station / stationCount;
    const auto r = std::uint32_t(roundEven(share));
    const auto g = std::uint32_t(roundEven(kColourRange - share));
    const auto b = std::uint32_t(kPanelShadeTop - colourStep * panel);
    return {packColour(r, g, b), packColour(r, b, b)};
}

// Each strip row is sized by the largest panel, so no panel overruns it, and
// starts out filled with its panel's end point.
void allocateStrips(const model::Design& d, KayakVerts& v)
{
    const int width = *std::max_element(v.PanelStripCounts.begin() + 1, v.PanelStripCounts.end());
    v.PanelStrips.assign(2 * v.panels + 1, std::vector<LitVertex>(width + 1));
    for (int p = 1; p <= v.panels; ++p)
        for (int k = 1; k <= width; ++k) placeBoth(v, p, k, d.point(d.PanelEnds[p][2]));
}

// Line j and line j + 1 alternately, at every station where they part in both Y and Z.
void fillStrips(const model::Design& d, int stations, KayakVerts& v)
{
    std::vector<int> cursor(v.panels + 1, 1);
    const int colourStep = kColourRange / v.panels;
    for (int s = 1; s <= stations; ++s)
        for (int j = 1; j <= v.panels; ++j) {
            const model::Point3& p = d.Sections[s].Pts[j];
            const model::Point3& q = d.Sections[s].Pts[j + 1];
            if (p.Y == q.Y || p.Z == q.Z) continue;
            const StationColours c = coloursAt(s, d.StationCount, j, colourStep);
            const model::Point3& off = v.ExplodeOffsets[j];
            for (const model::Point3* point : {&p, &q}) {
                const int k = cursor[j]++;
                v.PanelStrips[j][k] = litVertexAt(*point, off, false, c.diffuse, c.specular);
                v.PanelStrips[mirrorRow(v, j)][k] = litVertexAt(*point, off, true, c.diffuse, c.specular);
            }
        }
    // The band closes at both of the panel's end points.
    for (int p = 1; p <= v.panels; ++p) {
        placeBoth(v, p, 1, d.point(d.PanelEnds[p][1]));
        placeBoth(v, p, v.PanelStripCounts[p], d.point(d.PanelEnds[p][2]));
    }
}

void buildWater(const model::Design& d, KayakVerts& v)
{
    const auto h = float(d.WaterlineHeight / d.HullLength);
    auto at = [h](float x, float z) { return CreateLitVertex(x, h, z, kWaterDiffuse, kWaterSpecular, 0, 0); };
    v.WaterVerts = {at(kWaterBowX, kWaterHalfWidth),   at(kWaterSternX, kWaterHalfWidth),
                    at(kWaterBowX, -kWaterHalfWidth),  at(kWaterBowX, -kWaterHalfWidth),
                    at(kWaterSternX, kWaterHalfWidth), at(kWaterSternX, -kWaterHalfWidth)};
}

}  // namespace

LitVertex litVertexAt(const model::Point3& p, const model::Point3& off, bool mirrored, std::uint32_t diffuse,
                      std::uint32_t specular)
{
    const double z = mirrored ? -p.Z - off.Z : p.Z + off.Z;
    return CreateLitVertex(float(p.X + off.X), float(p.Y + off.Y), float(z), diffuse, specular, 0, 0);
}

bool InitKayakVerts(const model::Design& d, const VertexSettings& settings, KayakVerts& v)
{
    if (!buildable(d)) return false;
    const int stations = model::stationBound(d.StationCount);
    v.panels = d.PanelsPerSide;
    buildOffsets(settings.ExplodeDistance, v);
    countStrips(d, stations, v);
    allocateStrips(d, v);
    fillStrips(d, stations, v);
    buildRibbons(d, settings.LineThickness, v);
    buildWater(d, v);
    return true;
}

}  // namespace render3d
