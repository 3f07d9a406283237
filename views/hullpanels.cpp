#include "views/hullpanels.h"

#include "model/hull/paneloutline.h"
#include "views/mappeddrawing.h"

#include <algorithm>
#include <vector>

namespace views {

namespace {

using model::Point3;
using platform::DeviceContext;

constexpr std::int32_t kPanelUnitsPerInch = 20;
constexpr int kFirstShade = 235;
constexpr int kShadeStep = 30;

enum class Axis { Y, Z };

struct Pass {
    int view;
    bool (*admits)(const model::HullPanel&);
    bool descending;  // the top view draws its last panel first
    Axis vertical;
    bool mirrored;
};

bool anyPanel(const model::HullPanel&) { return true; }
bool deckPanel(const model::HullPanel& p) { return p.IsHull == 0; }
bool hullPanel(const model::HullPanel& p) { return p.IsHull == 1; }

constexpr Pass kPasses[] = {
    {kRightView, anyPanel, false, Axis::Y, false},
    {kTopView, deckPanel, true, Axis::Z, true},
    {kBottomView, hullPanel, false, Axis::Z, true},
};

// One outline as the pass traces it: its fill and its logical points.
struct Trace {
    platform::ColorRef fill;
    std::vector<platform::Point> points;
};

std::vector<Trace> tracesOf(const Redraw& r, const Pass& pass)
{
    const model::Design& d = r.design;
    const double scale = kPanelUnitsPerInch * d.HullLength;
    auto plot = [&](const Point3& q, double sign) -> platform::Point {
        const double v = pass.vertical == Axis::Y ? q.Y : q.Z;
        return {toLogical(scale * q.X), toLogical(sign * scale * v)};
    };
    std::vector<Trace> traces;
    const int count = std::min<int>(d.PanelsPerSide, int(d.HullPanels.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        const int k = pass.descending ? count + 1 - i : i;
        if (!pass.admits(d.HullPanels[k])) continue;
        const auto outline = model::panelOutline(d, k);
        if (!outline) continue;
        // sign -1 traces the outline reflected in the centre line.
        for (double sign : {1.0, -1.0}) {
            if (sign < 0 && !pass.mirrored) break;
            Trace t{panelFillColor(k), {plot(outline->start, sign)}};
            for (const Point3& q : outline->samples) t.points.push_back(plot(q, sign));
            traces.push_back(std::move(t));
        }
    }
    return traces;
}

// Each trace on the pixels the view's mapping puts it on, as a polygon of
// its fill outlined in the box's ForeColor.
std::vector<platform::PolygonPaint> figuresOf(const platform::PictureBox& box, const platform::GdiMapping& mapping,
                                              const std::vector<Trace>& traces)
{
    std::vector<platform::PolygonPaint> figures;
    for (const Trace& t : traces) {
        platform::PolygonPaint figure{{}, t.fill, box.ForeColor};
        for (const platform::Point& p : t.points) figure.points.push_back(mapping.toDevice(p));
        figures.push_back(std::move(figure));
    }
    return figures;
}

// The panels change only with the hull, not with the waterline or a
// scroll: a redraw that would trace them on the same pixels puts the kept
// ones on again.
void drawPass(const Redraw& r, const Pass& pass)
{
    platform::PictureBox& box = r.box(pass.view);
    const std::vector<Trace> traces = tracesOf(r, pass);
    const bool solid = r.state.Solid;
    const std::vector<platform::PolygonPaint> figures =
        figuresOf(box, viewDeviceMapping(box, r.extent(pass.view), kPanelUnitsPerInch), traces);
    platform::LayerKey key =
        platform::polygonsKey({solid, box.ForeColor, box.DrawWidth, box.DrawStyle, box.FillStyle}, figures);
    box.Layered(std::move(key), [&] {
        // Solid: a closed, filled and outlined figure each, the box's polygons.
        if (solid) {
            box.Polygons(figures);
            return;
        }
        withViewMapping(box, r.extent(pass.view), kPanelUnitsPerInch, [&](DeviceContext& dc) {
            for (const Trace& t : traces) {
                box.FillColor = t.fill;
                dc.BeginPath();
                dc.MoveToEx(t.points.front());
                for (std::size_t i = 1; i < t.points.size(); ++i) dc.LineTo(t.points[i]);
                dc.EndPath();
                dc.StrokePath();
            }
        });
    });
    if (!traces.empty()) box.FillColor = traces.back().fill;
}

}  // namespace

platform::ColorRef panelFillColor(int panel)
{
    const int shade = std::max(0, kFirstShade - kShadeStep * panel);
    return platform::RGB(0, shade, shade);
}

void DrawHullPanels(const Redraw& r)
{
    for (const Pass& pass : kPasses) drawPass(r, pass);
}

}  // namespace views
