#include "views/hullpanels.h"

#include "model/paneloutline.h"
#include "views/mappeddrawing.h"

#include <algorithm>

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

class OutlineTracer {
public:
    OutlineTracer(DeviceContext& dc, double hullLength, Axis vertical, bool solid)
        : dc_(dc), scale_(kPanelUnitsPerInch * hullLength), vertical_(vertical), solid_(solid)
    {
    }

    // sign -1 traces the outline reflected in the centre line.
    void trace(const model::PanelOutline& outline, double sign)
    {
        dc_.BeginPath();
        dc_.MoveToEx(plot(outline.start, sign));
        for (const Point3& q : outline.samples) dc_.LineTo(plot(q, sign));
        dc_.EndPath();
        if (solid_) dc_.StrokeAndFillPath();
        else dc_.StrokePath();
    }

private:
    platform::Point plot(const Point3& q, double sign) const
    {
        const double v = vertical_ == Axis::Y ? q.Y : q.Z;
        return {toLogical(scale_ * q.X), toLogical(sign * scale_ * v)};
    }

    DeviceContext& dc_;
    double scale_;
    Axis vertical_;
    bool solid_;
};

void drawPass(const Redraw& r, const Pass& pass)
{
    const model::Design& d = r.design;
    platform::PictureBox& box = r.box(pass.view);
    const int count = std::min<int>(d.PanelsPerSide, int(d.HullPanels.size()) - 1);
    withViewMapping(box, r.extent(pass.view), kPanelUnitsPerInch, [&](DeviceContext& dc) {
        OutlineTracer tracer(dc, d.HullLength, pass.vertical, r.state.Solid);
        for (int i = 1; i <= count; ++i) {
            const int k = pass.descending ? count + 1 - i : i;
            if (!pass.admits(d.HullPanels[k])) continue;
            const auto outline = model::panelOutline(d, k);
            if (!outline) continue;
            box.FillColor = panelFillColor(k);
            tracer.trace(*outline, 1);
            if (pass.mirrored) tracer.trace(*outline, -1);
        }
    });
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
