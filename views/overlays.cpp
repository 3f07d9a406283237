#include "views/overlays.h"

#include "views/waterlineplot.h"

#include <algorithm>

namespace views {

namespace {

using platform::PictureBox;
using platform::RGB;

constexpr platform::ColorRef kMidshipColor = platform::kBlack;
constexpr platform::ColorRef kProfileWaterlineColor = RGB(200, 200, 255);
constexpr platform::ColorRef kBulkheadColor = RGB(50, 250, 50);
constexpr platform::ColorRef kStationLineColor = RGB(200, 0, 0);
constexpr platform::ColorRef kPlanWaterlineColor = RGB(255, 0, 0);

constexpr double kMidshipRadiusDivisor = 20;  // of the profile's height
constexpr double kMidshipHeight = 0.8;        // of the profile's top edge
constexpr float kQuarterTurn = 1.5707964f;    // radians
constexpr float kThreeQuarterTurn = 4.712389f;
constexpr double kHandleHeight = 0.9;  // of the profile's top edge
constexpr double kHandleRadius = 0.75;  // inches at zoom 1
constexpr std::int16_t kBulkheadWidth = 2;
constexpr std::int16_t kPlainWidth = 1;

void line(PictureBox& box, double x1, double y1, double x2, double y2, platform::ColorRef color)
{
    box.Line(float(x1), float(y1), float(x2), float(y2), color);
}

void drawSegments(PictureBox& box, const std::vector<Segment>& segments, platform::ColorRef color)
{
    for (const Segment& s : segments) line(box, s.x1, s.y1, s.x2, s.y2, color);
}

// Bulkhead i, when its section holds every hull line and the sheer.
const model::Section* bulkhead(const model::Design& d, int i)
{
    if (i >= int(d.Bulkheads.size()) || i >= int(d.BulkheadHandles.size())) return nullptr;
    const model::Section& b = d.Bulkheads[std::size_t(i)];
    const int needed = std::max<int>(d.LineCount, model::kSheerLine);
    return int(b.Pts.size()) > needed && d.LineCount >= 1 ? &b : nullptr;
}

void drawBulkhead(const Redraw& r, int i, const model::Section& b)
{
    const model::Design& d = r.design;
    const double length = d.HullLength, x = length * b.X;
    model::Point2& handle = r.design.BulkheadHandles[std::size_t(i)];
    handle.Y = kHandleHeight * r.extent(kRightView).YMax;
    PictureBox& right = r.box(kRightView);
    right.DrawWidth = kBulkheadWidth;
    right.DrawStyle = platform::kDrawSolid;
    line(right, x, length * b.Pts[model::kTopLine].Y, x, length * b.Pts[std::size_t(d.LineCount)].Y, kBulkheadColor);
    right.Circle(float(handle.X), float(handle.Y), float(kHandleRadius / r.state.ZoomFactor), kBulkheadColor);
    const double sheer = length * b.Pts[model::kSheerLine].Z;
    for (int view : {kTopView, kBottomView}) {
        PictureBox& plan = r.box(view);
        plan.DrawStyle = platform::kDrawSolid;
        plan.DrawWidth = kBulkheadWidth;
        line(plan, x, sheer, x, -sheer, kBulkheadColor);
    }
}

}  // namespace

void drawMidshipSymbol(const Redraw& r)
{
    if (!r.state.markers.chkMidship) return;
    const ViewExtent& e = r.extent(kRightView);
    const double radius = (e.YMax - e.YMin) / kMidshipRadiusDivisor, y = kMidshipHeight * e.YMax;
    const double x = r.hydro.Midship;
    PictureBox& box = r.box(kRightView);
    box.FillStyle = platform::kFillTransparent;
    box.Circle(float(x), float(y), float(radius), kMidshipColor);
    // Each arc is the half of its circle that faces the midship point.
    box.Circle(float(x + radius), float(y), float(radius), kMidshipColor, kQuarterTurn, kThreeQuarterTurn);
    box.Circle(float(x - radius), float(y), float(radius), kMidshipColor, kThreeQuarterTurn, kQuarterTurn);
    box.FillStyle = platform::kFillSolid;
}

void drawProfileWaterlineAndBulkheads(const Redraw& r)
{
    const model::Design& d = r.design;
    if (r.state.ViewWaterLine) {
        const ViewExtent& e = r.extent(kRightView);
        PictureBox& box = r.box(kRightView);
        box.DrawStyle = platform::kDrawDot;
        line(box, e.XMin, d.WaterlineHeight, e.XMax, d.WaterlineHeight, kProfileWaterlineColor);
        box.DrawStyle = platform::kDrawSolid;
    }
    if (d.BulkheadCount == 0) return;
    for (int i = 1; i <= d.BulkheadCount; ++i)
        if (const model::Section* b = bulkhead(d, i)) drawBulkhead(r, i, *b);
    for (int view : {kRightView, kTopView, kBottomView}) r.box(view).DrawWidth = kPlainWidth;
}

void drawCurrentStationLine(const Redraw& r)
{
    const model::Design& d = r.design;
    if (d.CurrentStation < 0 || d.CurrentStation >= int(d.Sections.size())) return;
    const double x = d.HullLength * d.Sections[std::size_t(d.CurrentStation)].X;
    for (int view : {kRightView, kTopView, kBottomView}) {
        const ViewExtent& e = r.extent(view);
        line(r.box(view), x, e.YMin, x, e.YMax, kStationLineColor);
    }
}

void drawPlanWaterline(const Redraw& r)
{
    if (!r.state.ViewWaterLine) return;
    const model::Hydrostatics& h = r.hydro;
    const double length = r.design.HullLength;
    drawSegments(r.box(kTopView), planWaterlineSegments(h.WaterlineHalfBreadthsTop, h.VolumeSliceCount, length),
                 kPlanWaterlineColor);
    drawSegments(r.box(kBottomView),
                 planWaterlineSegments(h.WaterlineHalfBreadthsBottom, h.VolumeSliceCount, length), kPlanWaterlineColor);
}

}  // namespace views
